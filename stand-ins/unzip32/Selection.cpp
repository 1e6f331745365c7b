#include "stand-ins/unzip32/Selection.h"

#include <fnmatch.h>

#include <algorithm>
#include <utility>

namespace unzip32 {

Selection::Selection(std::vector<std::string> includes, std::vector<std::string> excludes,
                     bool ignoreCase)
    : includes_(std::move(includes)),
      matched_(includes_.size(), false),
      excludes_(std::move(excludes)),
      flags_(ignoreCase ? FNM_CASEFOLD : 0) {}

bool Selection::Matches(const std::string& pattern, const std::string& name) const {
  return ::fnmatch(pattern.c_str(), name.c_str(), flags_) == 0;
}

bool Selection::Selects(const std::string& name) {
  bool included = includes_.empty();
  for (std::size_t i = 0; i < includes_.size(); ++i) {
    if (Matches(includes_[i], name)) {
      matched_[i] = true;
      included = true;
    }
  }
  if (!included) return false;
  return std::none_of(excludes_.begin(), excludes_.end(),
                      [&](const std::string& pattern) { return Matches(pattern, name); });
}

std::vector<std::string> Selection::UnmatchedIncludes() const {
  std::vector<std::string> unmatched;
  for (std::size_t i = 0; i < includes_.size(); ++i) {
    if (!matched_[i]) unmatched.push_back(includes_[i]);
  }
  return unmatched;
}

}  // namespace unzip32
