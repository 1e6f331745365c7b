// Windows has no fnmatch: the same matching, as the C library does it in the C locale.
#include "stand-ins/unzip32/Wildcard.h"

#include <cctype>
#include <string_view>

namespace unzip32 {

namespace {

constexpr std::size_t kUnclosed = std::string_view::npos;

unsigned char Folded(char c, bool ignoreCase) {
  const auto byte = static_cast<unsigned char>(c);
  return ignoreCase ? static_cast<unsigned char>(std::tolower(byte)) : byte;
}

// The bracket expression that starts after the "[" at `at`: the position after its "]", with
// `in` telling whether `c` is one of its letters; kUnclosed when it has no "]", and the "[" is
// then a letter of its own.
std::size_t Bracket(std::string_view pattern, std::size_t at, char c, bool ignoreCase, bool& in) {
  const unsigned char letter = Folded(c, ignoreCase);
  const bool negated = at < pattern.size() && (pattern[at] == '!' || pattern[at] == '^');
  if (negated) ++at;
  in = false;
  for (bool first = true; at < pattern.size(); first = false) {
    if (pattern[at] == ']' && !first) {
      in = in != negated;
      return at + 1;
    }
    if (pattern[at] == '\\' && at + 1 < pattern.size()) ++at;
    const unsigned char low = Folded(pattern[at++], ignoreCase);
    unsigned char high = low;
    if (at + 1 < pattern.size() && pattern[at] == '-' && pattern[at + 1] != ']') {
      if (pattern[at + 1] == '\\' && at + 2 < pattern.size()) ++at;
      high = Folded(pattern[at + 1], ignoreCase);
      at += 2;
    }
    if (letter >= low && letter <= high) in = true;
  }
  return kUnclosed;
}

// Whether the pattern's letter at `at` matches `c`, moving `at` past it.
bool MatchesOne(std::string_view pattern, std::size_t& at, char c, bool ignoreCase) {
  if (pattern[at] == '?') {
    ++at;
    return true;
  }
  if (pattern[at] == '[') {
    bool in = false;
    const std::size_t end = Bracket(pattern, at + 1, c, ignoreCase, in);
    if (end != kUnclosed) {
      at = end;
      return in;
    }
  }
  if (pattern[at] == '\\' && at + 1 < pattern.size()) ++at;
  return Folded(pattern[at++], ignoreCase) == Folded(c, ignoreCase);
}

}  // namespace

bool WildcardMatches(const std::string& pattern, const std::string& name, bool ignoreCase) {
  std::size_t p = 0;
  std::size_t n = 0;
  // After the last "*": where the pattern resumes, and how much of the name it has taken.
  std::size_t starP = kUnclosed;
  std::size_t starN = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      starP = ++p;
      starN = n;
      continue;
    }
    std::size_t next = p;
    if (p < pattern.size() && MatchesOne(pattern, next, name[n], ignoreCase)) {
      p = next;
      ++n;
      continue;
    }
    if (starP == kUnclosed) return false;
    p = starP;
    n = ++starN;
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

}  // namespace unzip32
