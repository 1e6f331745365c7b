// Names compared as Windows' file systems compare them, where the exports are made: the same but
// for the case of their letters, ASCII letters and the accented letters of Latin-1 written in
// UTF-8 ("É" and "é"). Every other byte must match.
#pragma once

#include <string>
#include <string_view>

namespace ferolan {

bool SameButForCase(std::string_view a, std::string_view b);

}  // namespace ferolan
