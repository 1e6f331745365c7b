// The Windows base types, with this machine's pointer width, and the two small records that
// window calls exchange. Window and module handles are 32-bit numbers kept in tables.
#pragma once

#include <cstdint>

namespace ferolan::winapi {

using BOOL = int32_t;
using WORD = uint16_t;
using DWORD = uint32_t;
using UINT = uint32_t;
using LONG = int32_t;
using UINT_PTR = uintptr_t;
using LONG_PTR = intptr_t;
using WPARAM = UINT_PTR;
using LPARAM = LONG_PTR;
using LPSTR = char*;
using LPCSTR = const char*;
using LPVOID = void*;

using HWND = int32_t;
using HINSTANCE = int32_t;
using HMODULE = HINSTANCE;

struct RECT {
  LONG left;
  LONG top;
  LONG right;
  LONG bottom;
  bool operator==(const RECT&) const = default;
};

// The header of every WM_NOTIFY message.
struct NMHDR {
  HWND hwndFrom;
  UINT_PTR idFrom;
  UINT code;
};

static_assert(sizeof(void*) != 4 || sizeof(NMHDR) == 12, "the 32-bit layout");

// A point, and a device context: like windows, device contexts are 32-bit handle numbers.
struct POINT {
  LONG x;
  LONG y;
  bool operator==(const POINT&) const = default;
};
using HDC = int32_t;

}  // namespace ferolan::winapi
