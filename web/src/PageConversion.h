// The conversion as the page runs it, in the in-memory file system: the page places the
// export's XML member where the conversion reads it, the conversion writes the two result
// files into a folder of their own, and the page takes them from there.
#pragma once

#include <string>
#include <vector>

namespace ferolan::page {

struct ExportPlacement {
  std::string memberName;    // the archive member the conversion reads: base name + ".xml"
  std::string xmlPath;       // where the page puts that member's bytes
  std::string resultFolder;  // where the conversion leaves the two result files, and nothing else
};

// Starts the request for an export chosen under `fileName` (a name without a folder): sets
// ExportPath, WorkBase and OutputPrefix, and empties the work and result folders.
ExportPlacement PlaceExport(const std::string& fileName);

// Converts the placed export with the request's error handler: an error ends with the message
// "Error: " and its description, with the hint about a renamed export when the XML members the
// page placed beside it (empty) show one. Removes the work files. Returns the messages shown,
// in order.
std::vector<std::string> ConvertPlacedExport(bool casimir);

// The text of the help box: how to make the export.
std::string ExportHelp();

// The version line of the window's foot.
std::string VersionText();

}  // namespace ferolan::page
