// A file named like the one expected but for the case of its letters, as Windows' file system,
// where the exports are made, takes for the same name.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/runtime/LetterCase.h"

namespace ferolan {

// The names, sorted, of the regular files beside `expected` whose names are `expected`'s but
// for letter case, without `expected`'s own.
std::vector<std::string> CaseOnlyMatches(const std::filesystem::path& expected);

// When nothing is at `expected` and exactly one regular file beside it matches it but for
// letter case, gives that file the expected name. With several, none is taken: nothing tells
// which one is meant.
void TakeCaseOnlyMatch(const std::filesystem::path& expected);

}  // namespace ferolan
