#include "app/request/ExportNames.h"

namespace ferolan {

ExportNames DeriveExportNames(const std::string& exportPath, const std::string& workFolder,
                              char separator) {
  const std::size_t lastSeparator = exportPath.rfind(separator);
  const std::size_t folderLength = lastSeparator == std::string::npos ? 0 : lastSeparator + 1;
  const std::string fileName = exportPath.substr(folderLength);
  // The base name ends where the name's last four characters first occur: "x.jad.jad" gives
  // "x", and a name of four characters or fewer gives nothing.
  const std::string ending =
      fileName.substr(fileName.size() - std::min<std::size_t>(4, fileName.size()));
  const std::string baseName = fileName.substr(0, fileName.find(ending));

  ExportNames names;
  names.baseName = baseName;
  names.outputPrefix = exportPath.substr(0, folderLength) + baseName;
  names.workBase = workFolder + separator + baseName;
  return names;
}

}  // namespace ferolan
