#include "stand-ins/common/Utf8.h"

#include "platform/runtime/Utf8.h"

namespace standin {

bool IsUtf8(std::string_view text) {
  while (!text.empty()) {
    const auto character = ferolan::FirstUtf8Character(text);
    if (!character) return false;
    text.remove_prefix(character->length);
  }
  return true;
}

}  // namespace standin
