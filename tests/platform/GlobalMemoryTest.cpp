// Global memory blocks: handles apart from addresses, lock counts, sizes and failures.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <limits>

#include "platform/winapi/GlobalMemory.h"
#include "platform/winapi/LastError.h"

namespace ferolan {
namespace {

using namespace winapi;

TEST(GlobalMemoryTest, ZeroInitFillsTheBlockAndSizeIsWhatWasAsked) {
  const HGLOBAL block = GlobalAlloc(GMEM_ZEROINIT, 26);
  ASSERT_NE(block, 0);
  EXPECT_GE(GlobalSize(block), 26u);
  const auto* bytes = static_cast<const unsigned char*>(GlobalLock(block));
  ASSERT_NE(bytes, nullptr);
  for (int i = 0; i < 26; ++i) EXPECT_EQ(bytes[i], 0) << i;
  EXPECT_NE(reinterpret_cast<std::intptr_t>(bytes), block);
  EXPECT_EQ(GlobalFree(block), 0);
}

TEST(GlobalMemoryTest, MoveableBlocksCountTheirLocks) {
  const HGLOBAL block = GlobalAlloc(GHND, 8);
  ASSERT_NE(block, 0);
  void* first = GlobalLock(block);
  EXPECT_EQ(GlobalLock(block), first);  // the same address for every lock
  EXPECT_NE(GlobalUnlock(block), 0);    // still locked once
  SetLastError(ERROR_INVALID_PARAMETER);
  EXPECT_EQ(GlobalUnlock(block), 0);
  EXPECT_EQ(GetLastError(), NO_ERROR);
  EXPECT_EQ(GlobalUnlock(block), 0);
  EXPECT_EQ(GetLastError(), ERROR_NOT_LOCKED);
  EXPECT_EQ(GlobalFree(block), 0);
}

TEST(GlobalMemoryTest, FixedBlocksAreNeverCountedAsLocked) {
  const HGLOBAL block = GlobalAlloc(GMEM_FIXED, 4);
  ASSERT_NE(GlobalLock(block), nullptr);
  SetLastError(ERROR_INVALID_PARAMETER);
  EXPECT_EQ(GlobalUnlock(block), 0);
  EXPECT_EQ(GetLastError(), NO_ERROR);
  EXPECT_EQ(GlobalFree(block), 0);
}

TEST(GlobalMemoryTest, ALockedBlockIsFreedAndItsHandleThenNamesNothing) {
  const HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 16);
  std::memset(GlobalLock(block), 'x', 16);
  EXPECT_EQ(GlobalFree(block), 0);
  for (const HGLOBAL unknown : {block, HGLOBAL{0}, HGLOBAL{-1}}) {
    SetLastError(NO_ERROR);
    EXPECT_EQ(GlobalSize(unknown), 0u) << unknown;
    EXPECT_EQ(GlobalLock(unknown), nullptr) << unknown;
    EXPECT_EQ(GlobalUnlock(unknown), 0) << unknown;
    EXPECT_EQ(GlobalFree(unknown), unknown) << unknown;
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE) << unknown;
  }
}

TEST(GlobalMemoryTest, EmptyAndImpossibleBlocks) {
  const HGLOBAL empty = GlobalAlloc(GMEM_MOVEABLE, 0);
  ASSERT_NE(empty, 0);
  EXPECT_EQ(GlobalSize(empty), 0u);
  EXPECT_NE(GlobalLock(empty), nullptr);
  EXPECT_EQ(GlobalFree(empty), 0);

  SetLastError(NO_ERROR);
  EXPECT_EQ(GlobalAlloc(GMEM_FIXED, std::numeric_limits<SIZE_T>::max()), 0);
  EXPECT_EQ(GetLastError(), ERROR_NOT_ENOUGH_MEMORY);
}

TEST(GlobalMemoryTest, GlobalHandleFindsALiveBlockByItsAddressOnly) {
  const HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 8);
  auto* bytes = static_cast<char*>(GlobalLock(block));
  EXPECT_EQ(GlobalHandle(bytes), block);
  SetLastError(NO_ERROR);
  EXPECT_EQ(GlobalHandle(bytes + 1), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
  EXPECT_EQ(GlobalFree(block), 0);
  EXPECT_EQ(GlobalHandle(bytes), 0);
}

}  // namespace
}  // namespace ferolan
