#include <cstring>

#include "engine/Module1.h"
#include "engine/SplitText.h"
#include "platform/runtime/LastByte.h"
#include "platform/runtime/RuntimeError.h"

namespace ferolan::Module1 {

namespace {

// Offset of the last occurrence of a non-empty `separator`, or npos.
std::size_t FindLast(std::string_view text, std::string_view separator) {
  if (separator.size() > text.size()) return std::string_view::npos;
  std::size_t starts = text.size() - separator.size() + 1;  // where an occurrence may start
  while (starts > 0) {
    const char* hit = LastByte(text.data(), separator[0], starts);
    if (hit == nullptr) break;
    const auto at = static_cast<std::size_t>(hit - text.data());
    if (std::memcmp(text.data() + at + 1, separator.data() + 1, separator.size() - 1) == 0) {
      return at;
    }
    starts = at;
  }
  return std::string_view::npos;
}

}  // namespace

void CheckSplitPosition(std::size_t position, bool beforeLast) {
  if (position > (beforeLast ? kLastPositionBeforeLast : kLastPositionAfterFirst)) {
    Raise(kErrOverflow);
  }
}

std::string_view SplitView(std::string_view text, std::string_view separator, bool beforeLast) {
  if (separator.empty()) return {};
  const std::size_t found = beforeLast ? FindLast(text, separator) : text.find(separator);
  if (found == std::string_view::npos) return {};
  CheckSplitPosition(found + 1, beforeLast);
  // Only one character is skipped after the start of the match, whatever the separator's length.
  return beforeLast ? text.substr(0, found) : text.substr(found + 1);
}

std::string SplitText(std::string_view text, std::string_view separator, bool beforeLast) {
  return std::string(SplitView(text, separator, beforeLast));
}

}  // namespace ferolan::Module1
