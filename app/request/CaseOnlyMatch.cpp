#include "app/request/CaseOnlyMatch.h"

#include <algorithm>
#include <system_error>

#include "platform/runtime/PathText.h"

namespace ferolan {

std::vector<std::string> CaseOnlyMatches(const std::filesystem::path& expected) {
  const std::string name = TextOf(expected.filename());
  std::vector<std::string> matches;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(expected.parent_path(), ec), end; !ec && it != end;
       it.increment(ec)) {
    const std::string found = TextOf(it->path().filename());
    std::error_code typeError;
    if (found != name && SameButForCase(found, name) &&
        std::filesystem::is_regular_file(it->symlink_status(typeError))) {
      matches.push_back(found);
    }
  }
  std::sort(matches.begin(), matches.end());
  return matches;
}

void TakeCaseOnlyMatch(const std::filesystem::path& expected) {
  std::error_code ec;
  if (std::filesystem::exists(std::filesystem::symlink_status(expected, ec))) return;
  const std::vector<std::string> matches = CaseOnlyMatches(expected);
  // A rename that fails leaves the file under its own name, which the missing file's message
  // then names.
  if (matches.size() == 1) {
    std::filesystem::rename(expected.parent_path() / PathOf(matches.front()), expected, ec);
  }
}

}  // namespace ferolan
