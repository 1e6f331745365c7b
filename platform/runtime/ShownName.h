// How a name or a path goes into a text shown to the user: with its control characters written
// out, so that no name can break a message into false lines or drive the terminal.
#pragma once

#include <string>
#include <string_view>

namespace ferolan {

// `name` with each byte below 0x20 and the byte 0x7F written as \n, \r, \t or \x followed by
// two hexadecimal digits ("\x1b"); every other byte is kept.
std::string ShownName(std::string_view name);

}  // namespace ferolan
