#include "zip/LibraryText.h"

#include <algorithm>
#include <cstring>

namespace ferolan {

std::string ReadLibraryText(const char* buffer, std::size_t bound) {
  if (buffer == nullptr) return {};
  return std::string(buffer, ::strnlen(buffer, bound));
}

bool WritePassword(char* buffer, std::size_t size, const std::string& text, std::size_t bound) {
  if (buffer == nullptr || size == 0) return false;
  std::memset(buffer, 0, std::min(size, bound + 1));
  const std::size_t written = std::min({text.size(), size - 1, bound});
  std::memcpy(buffer, text.data(), written);
  buffer[written] = '\0';
  return true;
}

}  // namespace ferolan
