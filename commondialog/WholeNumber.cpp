#include "commondialog/WholeNumber.h"

#include <cmath>
#include <limits>

#include "platform/runtime/RuntimeError.h"

namespace ferolan {

int32_t RoundToLong(double value) {
  // remainder() measures from the nearest integer, ties going to the even one.
  const double rounded = value - std::remainder(value, 1.0);
  if (!(rounded >= std::numeric_limits<int32_t>::min() &&
        rounded <= std::numeric_limits<int32_t>::max())) {
    Raise(kErrOverflow);
  }
  return static_cast<int32_t>(rounded);
}

}  // namespace ferolan
