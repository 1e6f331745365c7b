// One block of global memory, owned by the object and given out as its handle or as its locked
// address, for platform functions that want memory the caller allocated.
#pragma once

#include <cstdint>

namespace ferolan {

class cMemory {
 public:
  cMemory() = default;
  // Frees the block it still holds.
  ~cMemory();
  cMemory(const cMemory&) = delete;
  cMemory& operator=(const cMemory&) = delete;

  // The held block's handle; 0 for none. Setting frees the held block first and owns the new.
  int32_t Handle() const { return m_hMem; }
  void Handle(int32_t hMem);
  // The block's address, locking it on first use; null when no block is held or locking fails.
  void* Pointer();
  // The block's size in bytes; 0 when none is held.
  int32_t Size() const;

  // Frees the held block and allocates another with the platform's GMEM_* flags.
  bool AllocateMemory(int32_t lSize, int32_t dwFlags);
  // False when no block is held, it is already locked, or it cannot be locked.
  bool LockMemory();
  void UnlockMemory();
  void FreeMemory();
  // Unlocks the block and forgets it without freeing it: whoever took the handle owns it now.
  void ReleaseDontFreeMemory();

 private:
  int32_t m_hMem = 0;
  void* m_lPtr = nullptr;
};

}  // namespace ferolan
