// The conversion as the page runs it: the program's own request, with the page's services, on
// an export the page has placed in the module's file system. The request leaves the two result
// files beside the export, where the page takes them.
#pragma once

#include <string>
#include <vector>

namespace ferolan::page {

// Converts the export at `exportPath` into casimir files or ";"-separated text files and
// returns the messages shown, in order. The request's work folder is removed before it returns.
std::vector<std::string> ConvertExport(const std::string& exportPath, bool casimir);

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
