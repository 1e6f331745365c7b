// Window and device-context handles as our records carry them: 32-bit numbers. The system's
// user and GDI handles have 32 significant bits on 64-bit Windows too, so the number is the
// handle, sign-extended back.
#pragma once

#include <windows.h>

#include <cstdint>

namespace ferolan::windows {

template <typename Handle>
int32_t NumberOf(Handle handle) {
  return static_cast<int32_t>(reinterpret_cast<intptr_t>(handle));
}

template <typename Handle>
Handle HandleOf(int32_t number) {
  return reinterpret_cast<Handle>(static_cast<intptr_t>(number));
}

}  // namespace ferolan::windows
