// The number of the run-time error that an action raises, for tests of failures.
#pragma once

#include <functional>

#include "platform/runtime/RuntimeError.h"

namespace ferolan::testing {

// 0 when the action raises nothing.
inline long ErrorNumberOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const RuntimeError& error) {
    return error.Number();
  }
  return 0;
}

}  // namespace ferolan::testing
