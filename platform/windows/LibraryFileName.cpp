#include "platform/runtime/SharedLibrary.h"

#include <string.h>

namespace ferolan {

// Libraries are "<name>.dll" files, the suffix in any case.
std::string LibraryFileName(const std::string& name) {
  if (name.find_first_of("\\/") != std::string::npos) return name;
  if (name.size() > 4 && ::_stricmp(name.c_str() + name.size() - 4, ".dll") == 0) return name;
  return name + ".dll";
}

}  // namespace ferolan
