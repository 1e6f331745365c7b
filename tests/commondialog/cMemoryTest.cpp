// The memory block's states: empty, held, locked; and what it frees or gives away.
#include <gtest/gtest.h>

#include "commondialog/cMemory.h"
#include "platform/winapi/GlobalMemory.h"
#include "platform/winapi/LastError.h"

namespace ferolan {
namespace {

using namespace winapi;

// Whether the block is still locked, read by unlocking it once more: a moveable block locked
// once is unlocked by one GlobalUnlock, after which a second one reports ERROR_NOT_LOCKED.
bool LockedOnceAndNoMore(HGLOBAL hMem) {
  if (GlobalUnlock(hMem) != 0 || GetLastError() != NO_ERROR) return false;
  GlobalUnlock(hMem);
  const bool unlocked = GetLastError() == ERROR_NOT_LOCKED;
  GlobalLock(hMem);  // as it was
  return unlocked;
}

TEST(cMemoryTest, AnEmptyObjectHasNothingAndDoesNothing) {
  cMemory cMem;
  EXPECT_EQ(cMem.Handle(), 0);
  EXPECT_EQ(cMem.Pointer(), nullptr);
  EXPECT_EQ(cMem.Size(), 0);
  EXPECT_FALSE(cMem.LockMemory());
  cMem.UnlockMemory();
  cMem.FreeMemory();
  cMem.ReleaseDontFreeMemory();
  EXPECT_EQ(cMem.Handle(), 0);
}

TEST(cMemoryTest, PointerLocksOnceAndGivesTheSameAddress) {
  cMemory cMem;
  ASSERT_TRUE(cMem.AllocateMemory(26, GHND));
  EXPECT_GE(cMem.Size(), 26);
  void* address = cMem.Pointer();
  ASSERT_NE(address, nullptr);
  EXPECT_EQ(cMem.Pointer(), address);
  EXPECT_FALSE(cMem.LockMemory());  // already locked: the block is not touched
  EXPECT_TRUE(LockedOnceAndNoMore(cMem.Handle()));

  cMem.UnlockMemory();
  EXPECT_TRUE(cMem.LockMemory());
  EXPECT_EQ(cMem.Pointer(), GlobalLock(cMem.Handle()));
}

TEST(cMemoryTest, AllocatingAgainOrSettingTheHandleFreesTheHeldBlock) {
  cMemory cMem;
  ASSERT_TRUE(cMem.AllocateMemory(4, GMEM_MOVEABLE));
  const HGLOBAL first = cMem.Handle();
  cMem.Pointer();
  ASSERT_TRUE(cMem.AllocateMemory(8, GMEM_MOVEABLE));
  EXPECT_EQ(GlobalSize(first), 0u);
  EXPECT_NE(cMem.Handle(), first);

  const HGLOBAL made = GlobalAlloc(GMEM_FIXED, 12);
  const HGLOBAL second = cMem.Handle();
  cMem.Handle(made);
  EXPECT_EQ(GlobalSize(second), 0u);
  EXPECT_EQ(cMem.Handle(), made);
  EXPECT_EQ(cMem.Size(), 12);
  cMem.FreeMemory();
  EXPECT_EQ(cMem.Handle(), 0);
  EXPECT_EQ(GlobalSize(made), 0u);
}

TEST(cMemoryTest, AFailedAllocationLeavesItEmpty) {
  cMemory cMem;
  ASSERT_TRUE(cMem.AllocateMemory(4, GMEM_FIXED));
  const HGLOBAL held = cMem.Handle();
  EXPECT_FALSE(cMem.AllocateMemory(-1, GMEM_FIXED));
  EXPECT_EQ(cMem.Handle(), 0);
  EXPECT_EQ(cMem.Pointer(), nullptr);
  EXPECT_EQ(GlobalSize(held), 0u);
}

TEST(cMemoryTest, EndingFreesTheBlockUnlessItWasGivenAway) {
  HGLOBAL freed = 0;
  HGLOBAL given = 0;
  {
    cMemory owner;
    ASSERT_TRUE(owner.AllocateMemory(26, GMEM_ZEROINIT));
    EXPECT_GE(owner.Size(), 26);
    owner.Pointer();
    freed = owner.Handle();
  }
  EXPECT_EQ(GlobalSize(freed), 0u);
  {
    cMemory owner;
    ASSERT_TRUE(owner.AllocateMemory(26, GHND));
    owner.Pointer();
    given = owner.Handle();
    owner.ReleaseDontFreeMemory();
    EXPECT_EQ(owner.Handle(), 0);
    EXPECT_EQ(owner.Pointer(), nullptr);
  }
  EXPECT_GE(GlobalSize(given), 26u);
  SetLastError(NO_ERROR);
  EXPECT_EQ(GlobalUnlock(given), 0);  // it was unlocked before it was given away
  EXPECT_EQ(GetLastError(), ERROR_NOT_LOCKED);
  EXPECT_EQ(GlobalFree(given), 0);
}

}  // namespace
}  // namespace ferolan
