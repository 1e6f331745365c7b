// Include and exclude names match entry names with the shell's wildcards: "*" (which also
// matches "/"), "?", "[...]" (with "!" or "^" for the letters not listed, and ranges), and "\"
// taking the next letter as it is. Bytes are compared, the names being UTF-8.
#pragma once

#include <string>

namespace unzip32 {

// Whether `pattern` matches all of `name`; `ignoreCase` compares the letters A to Z without
// regard to case.
bool WildcardMatches(const std::string& pattern, const std::string& name, bool ignoreCase);

}  // namespace unzip32
