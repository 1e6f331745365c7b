// The running count written in front of each record and each result line.
#pragma once

#include <string>

namespace ferolan::Module1 {

// The count's decimal digits, with one "0" in front while it is below 10.
inline std::string RecordNumber(long count) {
  return (count < 10 ? "0" : "") + std::to_string(count);
}

}  // namespace ferolan::Module1
