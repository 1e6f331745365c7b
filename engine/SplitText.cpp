#include "engine/Module1.h"
#include "engine/SplitPosition.h"
#include "platform/runtime/RuntimeError.h"

namespace ferolan::Module1 {

void CheckSplitPosition(std::size_t position, bool beforeLast) {
  if (position > (beforeLast ? kLastPositionBeforeLast : kLastPositionAfterFirst)) {
    Raise(kErrOverflow);
  }
}

std::string SplitText(std::string_view text, std::string_view separator, bool beforeLast) {
  if (separator.empty()) return {};
  const std::size_t found = beforeLast ? text.rfind(separator) : text.find(separator);
  if (found == std::string_view::npos) return {};
  CheckSplitPosition(found + 1, beforeLast);
  // Only one character is skipped after the start of the match, whatever the separator's length.
  return std::string(beforeLast ? text.substr(0, found) : text.substr(found + 1));
}

}  // namespace ferolan::Module1
