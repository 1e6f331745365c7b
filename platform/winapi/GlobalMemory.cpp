#include "platform/winapi/GlobalMemory.h"

#include <cstdlib>
#include <map>
#include <memory>
#include <mutex>

#include "platform/winapi/HandleTable.h"
#include "platform/winapi/LastError.h"

namespace ferolan::winapi {

namespace {

constexpr SIZE_T kLargestBlock = 0x7FFFFFFF;

struct FreeBytes {
  void operator()(void* bytes) const { std::free(bytes); }
};

struct Block {
  std::unique_ptr<void, FreeBytes> bytes;
  SIZE_T size = 0;
  bool moveable = false;
  unsigned locks = 0;
};

struct Blocks {
  std::mutex mutex;
  HandleTable<Block> table;
  std::map<const void*, HGLOBAL> byAddress;
};

Blocks& AllBlocks() {
  static Blocks blocks;
  return blocks;
}

// The block under hMem with the table locked, or null with ERROR_INVALID_HANDLE set.
template <class Action>
auto WithBlock(HGLOBAL hMem, auto failed, Action action) {
  Blocks& blocks = AllBlocks();
  const std::scoped_lock lock(blocks.mutex);
  Block* block = blocks.table.Find(hMem);
  if (block == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return failed;
  }
  return action(*block, blocks);
}

}  // namespace

HGLOBAL GlobalAlloc(UINT uFlags, SIZE_T dwBytes) {
  // Callers count sizes in 32-bit signed numbers; anything larger can only be a wrong size.
  if (dwBytes > kLargestBlock) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return 0;
  }
  // One byte at least, so that even an empty block has an address of its own.
  const SIZE_T allocated = dwBytes == 0 ? 1 : dwBytes;
  void* bytes = (uFlags & GMEM_ZEROINIT) != 0 ? std::calloc(allocated, 1) : std::malloc(allocated);
  if (bytes == nullptr) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return 0;
  }
  Block block{std::unique_ptr<void, FreeBytes>(bytes), dwBytes, (uFlags & GMEM_MOVEABLE) != 0, 0};
  Blocks& blocks = AllBlocks();
  const std::scoped_lock lock(blocks.mutex);
  const HGLOBAL hMem = blocks.table.Add(std::move(block));
  blocks.byAddress.emplace(bytes, hMem);
  return hMem;
}

LPVOID GlobalLock(HGLOBAL hMem) {
  return WithBlock(hMem, LPVOID{nullptr}, [](Block& block, auto&) {
    if (block.moveable) ++block.locks;
    return block.bytes.get();
  });
}

BOOL GlobalUnlock(HGLOBAL hMem) {
  return WithBlock(hMem, BOOL{0}, [](Block& block, auto&) {
    if (block.locks == 0) {
      SetLastError(block.moveable ? ERROR_NOT_LOCKED : NO_ERROR);
      return BOOL{0};
    }
    --block.locks;
    if (block.locks == 0) SetLastError(NO_ERROR);
    return BOOL{block.locks != 0};
  });
}

HGLOBAL GlobalFree(HGLOBAL hMem) {
  return WithBlock(hMem, hMem, [hMem](Block& block, Blocks& blocks) {
    blocks.byAddress.erase(block.bytes.get());
    blocks.table.Remove(hMem);
    return HGLOBAL{0};
  });
}

SIZE_T GlobalSize(HGLOBAL hMem) {
  return WithBlock(hMem, SIZE_T{0}, [](Block& block, auto&) { return block.size; });
}

HGLOBAL GlobalHandle(const void* pMem) {
  Blocks& blocks = AllBlocks();
  const std::scoped_lock lock(blocks.mutex);
  const auto found = blocks.byAddress.find(pMem);
  if (found == blocks.byAddress.end()) {
    SetLastError(ERROR_INVALID_HANDLE);
    return 0;
  }
  return found->second;
}

}  // namespace ferolan::winapi
