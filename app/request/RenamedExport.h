// What to tell the user when the extracted export holds no XML of the export's name: a
// browser's "(1)" or the user's own renaming of the export is the usual cause.
#pragma once

#include <string>

#include "platform/runtime/RuntimeError.h"

namespace ferolan {

// The hint for a missing `workBase` + ".xml": names the XML documents the extracted archive
// holds beside it and, when there is one, the name to give the export back; when several are
// named like it but for letter case, names those, none of which could be taken. Empty when
// the XML is there or the archive held none.
std::string RenamedExportHint(const std::string& workBase);

// The error that ended a conversion, with the hint on a line of its own after a missing file.
RuntimeError WithRenamedExportHint(const RuntimeError& error, const std::string& workBase);

}  // namespace ferolan
