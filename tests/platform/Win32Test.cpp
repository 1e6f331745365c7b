// The Windows functions that need no window system.
#include <gtest/gtest.h>

#include <cstring>

#include "platform/winapi/CommonDialogs.h"
#include "platform/winapi/Kernel.h"
#include "tests/support/TempDir.h"

namespace ferolan {
namespace {

using namespace winapi;

TEST(Win32Test, GetFileTitleGivesTheNameOrTheSizeItNeeds) {
  const struct {
    const char* path;
    WORD size;
    short result;
    const char* title;
  } cases[] = {
      {"/home/prof/ce2.jad", 260, 0, "ce2.jad"},
      {"ce2.jad", 8, 0, "ce2.jad"},
      {"/home/prof/ce2.jad", 7, 8, ""},  // no room for the NUL
      {"/home/prof/", 260, -1, ""},
      {"", 260, -1, ""},
  };
  for (const auto& c : cases) {
    char buffer[260] = {};
    EXPECT_EQ(GetFileTitleA(c.path, buffer, c.size), c.result) << c.path;
    EXPECT_STREQ(buffer, c.title) << c.path;
  }
  EXPECT_EQ(GetFileTitleA(nullptr, nullptr, 0), -1);
}

TEST(Win32Test, StringLengthAndMemoryMoves) {
  EXPECT_EQ(lstrlenA("ab\0cd"), 2);
  EXPECT_EQ(lstrlenA(nullptr), 0);
  char text[] = "abcdef";
  RtlMoveMemory(text + 2, text, 3);  // overlapping, as memmove
  EXPECT_STREQ(text, "ababcf");
}

TEST(Win32Test, EveryLoadGivesAHandleOfItsOwnToFreeOnce) {
  const std::string sample = testing::FullPathOf(FEROLAN_SAMPLE_LIBRARY);
  const HMODULE first = LoadLibraryA(sample.c_str());
  const HMODULE second = LoadLibraryA(sample.c_str());
  EXPECT_GE(first, 1);
  EXPECT_GE(second, 1);
  EXPECT_NE(first, second);
  EXPECT_EQ(FreeLibrary(first), 1);
  EXPECT_EQ(FreeLibrary(first), 0);
  EXPECT_EQ(FreeLibrary(second), 1);
  EXPECT_EQ(LoadLibraryA("no-such-module"), 0);
  EXPECT_EQ(LoadLibraryA(nullptr), 0);
  EXPECT_EQ(FreeLibrary(0), 0);
}

}  // namespace
}  // namespace ferolan
