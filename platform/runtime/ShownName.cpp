#include "platform/runtime/ShownName.h"

namespace ferolan {

std::string ShownName(std::string_view name) {
  constexpr char kHexDigits[] = "0123456789abcdef";
  std::string shown;
  shown.reserve(name.size());
  for (const char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte != 0x7F) {
      shown += c;
    } else if (c == '\n') {
      shown += "\\n";
    } else if (c == '\r') {
      shown += "\\r";
    } else if (c == '\t') {
      shown += "\\t";
    } else {
      shown += "\\x";
      shown += kHexDigits[byte >> 4];
      shown += kHexDigits[byte & 0xF];
    }
  }
  return shown;
}

}  // namespace ferolan
