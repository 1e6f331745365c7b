#include "stand-ins/unzip32/Selection.h"

#include <algorithm>
#include <utility>

#include "stand-ins/unzip32/Wildcard.h"

namespace unzip32 {

Selection::Selection(std::vector<std::string> includes, std::vector<std::string> excludes,
                     bool ignoreCase)
    : includes_(std::move(includes)),
      matched_(includes_.size(), false),
      excludes_(std::move(excludes)),
      ignoreCase_(ignoreCase) {}

bool Selection::Selects(const std::string& name) {
  bool included = includes_.empty();
  for (std::size_t i = 0; i < includes_.size(); ++i) {
    if (WildcardMatches(includes_[i], name, ignoreCase_)) {
      matched_[i] = true;
      included = true;
    }
  }
  if (!included) return false;
  return std::none_of(excludes_.begin(), excludes_.end(), [&](const std::string& pattern) {
    return WildcardMatches(pattern, name, ignoreCase_);
  });
}

std::vector<std::string> Selection::UnmatchedIncludes() const {
  std::vector<std::string> unmatched;
  for (std::size_t i = 0; i < includes_.size(); ++i) {
    if (!matched_[i]) unmatched.push_back(includes_[i]);
  }
  return unmatched;
}

}  // namespace unzip32
