// Global memory blocks, handed to platform functions that want memory the caller allocated.
// A block is named by a 32-bit handle of its own, never by its address; its address is had by
// locking it. Failures answer 0 (or the handle, for GlobalFree) and set the last error.
#pragma once

#include <cstddef>

#include "platform/winapi/Types.h"

namespace ferolan::winapi {

using HGLOBAL = int32_t;
using SIZE_T = std::size_t;

inline constexpr UINT GMEM_FIXED = 0x0000;
inline constexpr UINT GMEM_MOVEABLE = 0x0002;
inline constexpr UINT GMEM_ZEROINIT = 0x0040;
inline constexpr UINT GHND = GMEM_MOVEABLE | GMEM_ZEROINIT;
inline constexpr UINT GPTR = GMEM_FIXED | GMEM_ZEROINIT;

// A block of at least dwBytes bytes, zero-filled with GMEM_ZEROINIT; 0 when memory runs out or
// dwBytes is beyond 2 GiB - 1.
HGLOBAL GlobalAlloc(UINT uFlags, SIZE_T dwBytes);
// The block's address. A moveable block counts its locks; a fixed one is never counted.
LPVOID GlobalLock(HGLOBAL hMem);
// Non-zero while a moveable block stays locked; 0 once unlocked (last error NO_ERROR), or when
// it was not locked (ERROR_NOT_LOCKED) or the handle is unknown (ERROR_INVALID_HANDLE).
BOOL GlobalUnlock(HGLOBAL hMem);
// Frees the block, locked or not: 0 on success, the handle itself when it names no block.
HGLOBAL GlobalFree(HGLOBAL hMem);
// The block's size in bytes; 0 when the handle names no block.
SIZE_T GlobalSize(HGLOBAL hMem);
// The handle of the block at the address GlobalLock gave; 0 (ERROR_INVALID_HANDLE) for an
// address that starts no live block.
HGLOBAL GlobalHandle(const void* pMem);

}  // namespace ferolan::winapi
