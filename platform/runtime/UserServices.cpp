#include "platform/runtime/UserServices.h"

#include "platform/runtime/App.h"

namespace ferolan {

UserServices& Services() { return ServicesScope::Installed("user-facing services"); }

int MsgBox(const std::string& text, int style, const std::optional<std::string>& title) {
  return Services().ShowMessage(text, style, title.value_or(App::Title()));
}

std::string InputBox(const std::string& prompt, const std::optional<std::string>& title,
                     const std::string& defaultText) {
  return Services().AskText(prompt, title.value_or(App::Title()), defaultText);
}

void SetMousePointer(int pointer) { Services().SetMousePointer(pointer); }

void DoEvents() { Services().ProcessPendingEvents(); }

std::string ReportForMessageBox(const std::string& report) {
  std::size_t lines = 0;
  std::size_t cut = std::string::npos;
  for (std::size_t i = 0; i < report.size(); ++i) {
    if (report[i] != '\r' && report[i] != '\n') continue;
    if (report[i] == '\r' && i + 1 < report.size() && report[i + 1] == '\n') ++i;
    if (++lines == kMostReportLines) cut = i + 1;
  }
  // A last line without its line end counts too.
  if (!report.empty() && report.back() != '\r' && report.back() != '\n') ++lines;
  if (lines <= kMostReportLines + 1 || cut == std::string::npos) return report;
  return report.substr(0, cut) + "… et " + std::to_string(lines - kMostReportLines) +
         " lignes de plus, qui ne sont pas affichées.";
}

}  // namespace ferolan
