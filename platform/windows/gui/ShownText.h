// A text of the program as the system's controls show it.
#pragma once

#include <string>

namespace ferolan::windows {

// In UTF-16, each line break (a lone CR in our texts) as the CR LF that controls want.
std::wstring ShownText(const std::string& text);

}  // namespace ferolan::windows
