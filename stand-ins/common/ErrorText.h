// The French text of a system error. libzip reports the errors of its file functions as errno
// values on every system, Windows included, and so do these libraries.
#pragma once

#include <string>

namespace standin {

// The French text of an errno value.
std::string ErrorText(int error);

// The text given when a name is not UTF-8 text.
inline constexpr const char* kNotUtf8Text = "le nom n'est pas du texte UTF-8";

}  // namespace standin
