#include "platform/runtime/ShownName.h"

#include "platform/runtime/Utf8.h"

namespace ferolan {

namespace {

void AppendEscaped(std::string& shown, const char* prefix, char32_t value, int digits) {
  constexpr char kHexDigits[] = "0123456789abcdef";
  shown += prefix;
  for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4) {
    shown += kHexDigits[(value >> shift) & 0xF];
  }
}

// What moves the cursor, drives the terminal (C1 holds its CSI, OSC and ST) or turns the text
// around it to the other direction.
bool IsControl(char32_t code) {
  return code < 0x20 || (code >= 0x7F && code <= 0x9F) || code == 0x061C || code == 0x200E ||
         code == 0x200F || (code >= 0x202A && code <= 0x202E) || (code >= 0x2066 && code <= 0x2069);
}

}  // namespace

std::string ShownName(std::string_view name) {
  std::string shown;
  shown.reserve(name.size());
  while (!name.empty()) {
    const auto character = FirstUtf8Character(name);
    if (!character) {
      AppendEscaped(shown, "\\x", static_cast<unsigned char>(name.front()), 2);
      name.remove_prefix(1);
      continue;
    }
    const char32_t code = character->code;
    if (!IsControl(code)) {
      shown += name.substr(0, character->length);
    } else if (code == '\n') {
      shown += "\\n";
    } else if (code == '\r') {
      shown += "\\r";
    } else if (code == '\t') {
      shown += "\\t";
    } else if (code < 0x80) {
      AppendEscaped(shown, "\\x", code, 2);
    } else {
      AppendEscaped(shown, "\\u", code, 4);
    }
    name.remove_prefix(character->length);
  }
  return shown;
}

}  // namespace ferolan
