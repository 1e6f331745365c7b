#include "stand-ins/unzip32/Wildcard.h"

#include <fnmatch.h>

namespace unzip32 {

bool WildcardMatches(const std::string& pattern, const std::string& name, bool ignoreCase) {
  return ::fnmatch(pattern.c_str(), name.c_str(), ignoreCase ? FNM_CASEFOLD : 0) == 0;
}

}  // namespace unzip32
