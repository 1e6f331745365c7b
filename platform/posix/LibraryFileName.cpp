#include <strings.h>

#include "platform/runtime/SharedLibrary.h"

namespace ferolan {

// Shared libraries are "lib<name>.so" files; a name given with the Windows suffix stands for
// the same library.
std::string LibraryFileName(const std::string& name) {
  if (name.find('/') != std::string::npos) return name;
  std::string stem = name;
  if (stem.size() > 4 && ::strcasecmp(stem.c_str() + stem.size() - 4, ".dll") == 0) {
    stem.resize(stem.size() - 4);
  }
  return "lib" + stem + ".so";
}

}  // namespace ferolan
