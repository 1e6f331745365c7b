// Names cross the libraries' interfaces in UTF-8; Windows takes them in UTF-16.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace standin {

// `name` in UTF-16; none when it is not UTF-8 text.
std::optional<std::wstring> WideName(std::string_view name);

// The text given when a name is not UTF-8 text.
inline constexpr const char* kNotUtf8Text = "le nom n'est pas du texte UTF-8";

// A UTF-16 name from Windows in UTF-8.
std::string Utf8Name(std::wstring_view name);

}  // namespace standin
