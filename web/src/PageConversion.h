// The conversion as the page runs it: the program's own request, with the page's services, on
// an export the page has placed in the module's file system. The request leaves the two result
// files beside the export, where the page takes them.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "web/src/PageServices.h"

namespace ferolan::page {

struct ConversionOutcome {
  // The messages shown, in order.
  std::vector<std::string> messages;
  // The first question (a password) that `answers` left unanswered; the conversion went on as
  // if it had been cancelled.
  std::optional<PageQuestion> question;
};

// Converts the export at `exportPath` into casimir files or ";"-separated text files, in the
// export's folder and by the export's own name, so that messages name it as the user chose it.
// The conversion cannot wait for the user: it is replayed. `answers` answer its questions in
// order; when they run out, the first question left is returned with the outcome and taken as
// cancelled. The caller then drops that run's messages and results, asks the question, and
// converts again with `answers` and the new answer ("" for a cancel, which the conversion takes
// as no password given). The request's work folder is removed before it returns. A folder that
// cannot be entered ends the conversion with the runtime's error for it.
ConversionOutcome ConvertExport(const std::string& exportPath, bool casimir,
                                std::vector<std::string> answers);

// The text of the help box: how to make the export.
std::string ExportHelp();

// The version line of the window's foot.
std::string VersionText();

// What the page shows while a conversion runs.
std::string BusyText();

// What the page says when the conversion ended without an answer, by `cause`: "memory" (the
// worker ran out of it), "unreadable" (the chosen export can no longer be read), "user" (the
// teacher stopped it); anything else is a failure nobody could name.
std::string StoppedText(const std::string& cause);

}  // namespace ferolan::page
