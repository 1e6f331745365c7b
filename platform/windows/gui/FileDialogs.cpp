// The system's open and save dialogs for our records: texts go over in UTF-16 and the answer
// comes back in UTF-8, and the record's hook gets the system's messages with our records.
#include "platform/winapi/CommonDialogs.h"
#include "platform/winapi/RecordChecks.h"
#include "platform/windows/WideNames.h"
#include "platform/windows/gui/SystemWin32Services.h"

// The system's headers define this name as a macro.
static constexpr ferolan::winapi::DWORD kRecordSize32 =
    ferolan::winapi::OPENFILENAME_SIZE_VERSION_400A;

// After our records: the system's headers define their names as macros.
#include <windows.h>

#include <commdlg.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "platform/windows/gui/Handles.h"
#include "platform/windows/gui/HookTrampoline.h"

namespace ferolan::windows {

namespace {

// The texts of a NUL-separated list that ends with an empty one, each whole.
std::vector<std::string_view> ListItems(const char* list) {
  std::vector<std::string_view> items;
  for (; list != nullptr && *list != '\0'; list += items.back().size() + 1) {
    items.emplace_back(list);
  }
  return items;
}

// The same list in UTF-16, ending in two NULs; empty for none.
std::wstring WideList(const char* list) {
  std::wstring wide;
  for (const std::string_view item : ListItems(list)) wide += Utf16Of(item) + L'\0';
  if (!wide.empty()) wide += L'\0';
  return wide;
}

std::wstring WideText(const char* text) { return text == nullptr ? L"" : Utf16Of(text); }

// The system's answer in UTF-8: one path, or (several files chosen) the folder and each name,
// each followed by a NUL, and one more NUL.
std::string AnswerOf(const std::wstring& buffer, bool several) {
  std::string answer;
  std::size_t start = 0;
  do {
    // A buffer the system filled to its end has no last NUL: its end ends the last name.
    const std::size_t end = std::min(buffer.find(L'\0', start), buffer.size());
    if (end == start) break;
    answer += Utf8Of(std::wstring_view(buffer).substr(start, end - start)) + '\0';
    start = end + 1;
  } while (several && start < buffer.size());
  if (several) answer += '\0';
  return answer;
}

// Writes the answer into the record, with the offsets of the name and its extension in
// bytes; FNERR_BUFFERTOOSMALL, with the size needed in the buffer's first two bytes, when it
// does not fit.
winapi::DWORD WriteAnswer(winapi::OPENFILENAMEA& ofn, const std::wstring& buffer) {
  const bool several = (ofn.Flags & OFN_ALLOWMULTISELECT) != 0;
  const std::string answer = AnswerOf(buffer, several);
  if (answer.size() > ofn.nMaxFile) {
    if (ofn.nMaxFile >= 2) {
      const auto needed = static_cast<WORD>(answer.size() > 0xFFFF ? 0xFFFF : answer.size());
      std::memcpy(ofn.lpstrFile, &needed, sizeof needed);
    }
    return FNERR_BUFFERTOOSMALL;
  }
  std::fill_n(ofn.lpstrFile, ofn.nMaxFile, '\0');
  answer.copy(ofn.lpstrFile, answer.size());

  const std::string first(ofn.lpstrFile);
  const std::size_t slash = first.find_last_of("\\/");
  const bool folderFirst = several && answer.size() > first.size() + 2;
  const std::size_t nameStart = folderFirst                  ? first.size() + 1
                                : slash == std::string::npos ? 0
                                                             : slash + 1;
  ofn.nFileOffset = static_cast<WORD>(nameStart);
  const std::string name(ofn.lpstrFile + nameStart);
  const std::size_t dot = name.rfind('.');
  ofn.nFileExtension = dot == std::string::npos ? 0 : static_cast<WORD>(nameStart + dot + 1);
  if (ofn.lpstrFileTitle != nullptr && ofn.nMaxFileTitle > name.size()) {
    std::fill_n(ofn.lpstrFileTitle, ofn.nMaxFileTitle, '\0');
    name.copy(ofn.lpstrFileTitle, name.size());
  }
  return 0;
}

// The file dialogs' notifications for the record's hook; the system hands our record to
// nothing but WM_INITDIALOG, which waits for the first of them.
UINT_PTR FileDialogNotice(const HookTrampoline& shown, winapi::HWND hDlg, WPARAM wParam,
                          LPARAM lParam) {
  auto& record = shown.RecordOf<winapi::OPENFILENAMEA>();
  const auto& notice = *reinterpret_cast<const OFNOTIFYW*>(lParam);
  // The system sizes the dialog around the hook's window only after WM_INITDIALOG: the hook,
  // which places the dialog, gets it with the first notification instead.
  if (notice.hdr.code == CDN_INITDONE) {
    shown.Hook(hDlg, WM_INITDIALOG, 0, reinterpret_cast<winapi::LPARAM>(&record));
  }
  // The hook that checks the choice reads it in the record, as the system has it by now. An
  // answer the record cannot hold is not shown to the hook: the dialog then ends on the
  // failure that writing it gives (FNERR_BUFFERTOOSMALL).
  if (notice.hdr.code == CDN_FILEOK && WriteAnswer(record, shown.ContextOf<std::wstring>()) != 0) {
    return 0;
  }
  winapi::OFNOTIFYA ours{
      {NumberOf(notice.hdr.hwndFrom), notice.hdr.idFrom, notice.hdr.code}, &record, nullptr};
  return shown.Hook(hDlg, WM_NOTIFY, wParam, reinterpret_cast<winapi::LPARAM>(&ours));
}

}  // namespace

winapi::BOOL SystemWin32Services::GetOpenFileNameA(winapi::OPENFILENAMEA* lpofn) {
  return FileDialog(lpofn, false);
}

winapi::BOOL SystemWin32Services::GetSaveFileNameA(winapi::OPENFILENAMEA* lpofn) {
  return FileDialog(lpofn, true);
}

winapi::BOOL SystemWin32Services::FileDialog(winapi::OPENFILENAMEA* lpofn, bool save) {
  winapi::OPENFILENAMEA& ofn = *lpofn;
  const bool hook = (ofn.Flags & OFN_ENABLEHOOK) != 0;
  extendedError_ =
      winapi::RecordError(ofn.lStructSize, kRecordSize32, sizeof ofn,
                          hook && ofn.lpfnHook == nullptr, (ofn.Flags & OFN_ENABLETEMPLATE) != 0);
  if (extendedError_ != 0) return 0;
  if (ofn.lpstrFile == nullptr || ofn.nMaxFile == 0) {
    extendedError_ = CDERR_INITIALIZATION;
    return 0;
  }

  const std::wstring filter = WideList(ofn.lpstrFilter);
  const std::wstring folder = WideText(ofn.lpstrInitialDir);
  const std::wstring title = WideText(ofn.lpstrTitle);
  const std::wstring extension = WideText(ofn.lpstrDefExt);
  // A UTF-8 answer that fits in nMaxFile bytes fits in as many UTF-16 units.
  std::wstring file = Utf16Of(std::string(ofn.lpstrFile, strnlen(ofn.lpstrFile, ofn.nMaxFile)));
  file.resize(ofn.nMaxFile, L'\0');

  OPENFILENAMEW system{};
  system.lStructSize = sizeof system;
  system.hwndOwner = HandleOf<::HWND>(ofn.hwndOwner);
  system.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
  system.nFilterIndex = ofn.nFilterIndex;
  system.lpstrFile = file.data();
  system.nMaxFile = static_cast<DWORD>(file.size());
  system.lpstrInitialDir = ofn.lpstrInitialDir == nullptr ? nullptr : folder.c_str();
  system.lpstrTitle = ofn.lpstrTitle == nullptr ? nullptr : title.c_str();
  system.Flags = ofn.Flags;
  system.lpstrDefExt = ofn.lpstrDefExt == nullptr ? nullptr : extension.c_str();
  if (hook) system.lpfnHook = HookTrampoline::Call;

  const HookTrampoline trampoline(ofn.lpfnHook, &ofn, FileDialogNotice, &file);
  const BOOL chosen = save ? ::GetSaveFileNameW(&system) : ::GetOpenFileNameW(&system);

  if (!chosen) {
    extendedError_ = ::CommDlgExtendedError();
    return 0;
  }
  ofn.Flags = system.Flags;
  ofn.nFilterIndex = system.nFilterIndex;
  extendedError_ = WriteAnswer(ofn, file);
  return extendedError_ == 0;
}

}  // namespace ferolan::windows
