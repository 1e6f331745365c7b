// Paths between the program's texts, which are UTF-8, and std::filesystem, whose plain strings
// are in the ANSI code page on Windows: always through char8_t, which is UTF-8 everywhere.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace ferolan {

inline std::filesystem::path PathOf(std::string_view text) {
  return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

inline std::string TextOf(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

}  // namespace ferolan
