// The names that a chosen export gives the work files and the result files.
#pragma once

#include <string>

namespace ferolan {

struct ExportNames {
  std::string baseName;      // the export's file name cut before its last four characters
  std::string outputPrefix;  // the export's folder with its trailing separator, then the base name
  std::string workBase;      // the request's work folder, one separator, then the base name
};

// `separator` is the platform's path separator, given so that both kinds can be tested.
ExportNames DeriveExportNames(const std::string& exportPath, const std::string& workFolder,
                              char separator);

}  // namespace ferolan
