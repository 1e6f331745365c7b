// Where an entry's name puts it below the target folder, and why a name that would put it
// anywhere else is refused.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace standin {

struct EntryPath {
  // The folders and, last, the file or folder itself; "." and empty parts are dropped.
  std::vector<std::string> parts;
  // Empty when the name is safe; otherwise why it is refused.
  std::string refusal;
};

// Splits an entry name at "/" and "\". Refuses absolute names, names that start with a drive
// letter, names with a ".." part, names with a part that the system would not keep as it is
// (PartRefusal) and names with no part at all.
EntryPath SplitEntryName(std::string_view name);

// The parts joined with "/", as the name is shown.
std::string JoinParts(const std::vector<std::string>& parts);

}  // namespace standin
