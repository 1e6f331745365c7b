#include "app/convert/windows/Wildcards.h"

#include <windows.h>

#include <algorithm>
#include <memory>

#include "platform/windows/WideNames.h"

namespace ferolan::console {
namespace {

bool IsHighSurrogate(wchar_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }

// The length in UTF-16 units of the character `text` starts with.
std::size_t CharacterLength(std::wstring_view text) {
  return text.size() > 1 && IsHighSurrogate(text[0]) ? 2 : 1;
}

bool SameIgnoringCase(wchar_t a, wchar_t b) {
  return CompareStringOrdinal(&a, 1, &b, 1, TRUE) == CSTR_EQUAL;
}

struct FindCloser {
  void operator()(HANDLE find) const { FindClose(find); }
};
using FindHandle = std::unique_ptr<std::remove_pointer_t<HANDLE>, FindCloser>;

}  // namespace

bool MatchesWildcard(std::wstring_view pattern, std::wstring_view name) {
  // Where the last * was met, and the name's position it is now taken to reach: on a mismatch
  // that * takes one character more.
  std::size_t p = 0, n = 0;
  std::size_t starPattern = std::wstring_view::npos, starName = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == L'*') {
      starPattern = ++p;
      starName = n;
    } else if (p < pattern.size() && pattern[p] == L'?') {
      ++p;
      n += CharacterLength(name.substr(n));
    } else if (p < pattern.size() && SameIgnoringCase(pattern[p], name[n])) {
      ++p;
      ++n;
    } else if (starPattern != std::wstring_view::npos) {
      p = starPattern;
      n = starName += CharacterLength(name.substr(starName));
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == L'*') ++p;
  return p == pattern.size();
}

std::vector<std::string> ExpandWildcards(const std::wstring& argument) {
  const std::size_t cut = argument.find_last_of(L"\\/:") + 1;  // 0 when there is no folder
  const std::wstring folder = argument.substr(0, cut);
  const std::wstring pattern = argument.substr(cut);
  if (pattern.find_first_of(L"*?") == std::wstring::npos) return {Utf8Of(argument)};

  WIN32_FIND_DATAW found;
  const HANDLE first = FindFirstFileExW(argument.c_str(), FindExInfoBasic, &found,
                                        FindExSearchNameMatch, nullptr, 0);
  if (first == INVALID_HANDLE_VALUE) return {Utf8Of(argument)};
  const FindHandle find(first);
  std::vector<std::string> files;
  do {
    // Windows matches the short 8.3 names too (*.jad finds "notes.jade" through NOTES~1.JAD):
    // each name it finds is matched again, whole.
    const std::wstring_view name = found.cFileName;
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
        (name[0] != L'.' || pattern[0] == L'.') && MatchesWildcard(pattern, name)) {
      files.push_back(Utf8Of(folder + found.cFileName));
    }
  } while (FindNextFileW(find.get(), &found));
  if (files.empty()) return {Utf8Of(argument)};
  std::sort(files.begin(), files.end());
  return files;
}

}  // namespace ferolan::console
