// Which entries a call works on: those that an include name matches (all of them when there is
// none), less those that an exclude name matches.
#pragma once

#include <string>
#include <vector>

namespace unzip32 {

class Selection {
 public:
  Selection(std::vector<std::string> includes, std::vector<std::string> excludes, bool ignoreCase);

  // Also notes which include names matched.
  bool Selects(const std::string& name);
  // The include names that have matched no entry so far.
  std::vector<std::string> UnmatchedIncludes() const;

 private:
  std::vector<std::string> includes_;
  std::vector<bool> matched_;
  std::vector<std::string> excludes_;
  bool ignoreCase_;
};

}  // namespace unzip32
