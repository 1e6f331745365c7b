#include "app/request/CaseOnlyMatch.h"

#include <algorithm>
#include <system_error>

#include "platform/runtime/PathText.h"

namespace ferolan {

namespace {

// `name` with its capitals made small. In UTF-8 the accented capitals of Latin-1, U+00C0 to
// U+00DE but the sign ×, are 0xC3 and one byte that their small letters have 0x20 higher.
std::string Lowered(std::string_view name) {
  std::string lowered(name);
  for (std::size_t i = 0; i < lowered.size(); ++i) {
    const auto byte = static_cast<unsigned char>(lowered[i]);
    if (byte >= 'A' && byte <= 'Z') {
      lowered[i] = static_cast<char>(byte + 0x20);
    } else if (byte == 0xC3 && i + 1 < lowered.size()) {
      const auto next = static_cast<unsigned char>(lowered[i + 1]);
      if (next >= 0x80 && next <= 0x9E && next != 0x97) {
        lowered[++i] = static_cast<char>(next + 0x20);
      }
    }
  }
  return lowered;
}

}  // namespace

bool SameButForCase(std::string_view a, std::string_view b) { return Lowered(a) == Lowered(b); }

std::vector<std::string> CaseOnlyMatches(const std::filesystem::path& expected) {
  const std::string name = TextOf(expected.filename());
  const std::string lowered = Lowered(name);
  std::vector<std::string> matches;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(expected.parent_path(), ec), end; !ec && it != end;
       it.increment(ec)) {
    const std::string found = TextOf(it->path().filename());
    std::error_code typeError;
    if (found != name && Lowered(found) == lowered &&
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
