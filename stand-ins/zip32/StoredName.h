// The name under which a file or folder is stored, and why a path that would not read back as
// itself is refused.
#pragma once

#include <string>
#include <string_view>

namespace zip32 {

struct StoredName {
  // The parts of the path joined with "/"; empty for a path with no part ("/", ".").
  std::string name;
  // Empty when the name can be stored; otherwise why it is refused.
  std::string refusal;
};

// Splits `path` at the system's separators ("/", and "\\" on Windows, where a drive that
// starts it is dropped too), dropping empty and "." parts, and keeps only the last part when
// `lastPartOnly`. Refuses a ".." part, and any name that the unzip library would refuse or
// read back as another path, or that is not UTF-8 text.
StoredName NameOf(std::string_view path, bool lastPartOnly);

}  // namespace zip32
