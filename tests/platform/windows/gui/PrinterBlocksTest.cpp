// A printer's blocks carried between our layout and the system's.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>

#include "platform/winapi/PrintDialogs.h"

#include <windows.h>

#include "platform/windows/gui/PrinterBlocks.h"

namespace ferolan::windows {
namespace {

// A block's bytes, ours or the system's.
std::string BytesOf(::HGLOBAL block) {
  std::string copy(static_cast<const char*>(::GlobalLock(block)), ::GlobalSize(block));
  ::GlobalUnlock(block);
  return copy;
}

std::string BytesOf(winapi::HGLOBAL block) {
  std::string copy(static_cast<const char*>(winapi::GlobalLock(block)), winapi::GlobalSize(block));
  winapi::GlobalUnlock(block);
  return copy;
}

template <class Record>
std::string Bytes(const Record& record, std::string_view after) {
  return std::string(reinterpret_cast<const char*>(&record), sizeof record).append(after);
}

winapi::HGLOBAL OurBlock(const std::string& bytes) {
  const winapi::HGLOBAL block = winapi::GlobalAlloc(GHND, bytes.size());
  std::memcpy(winapi::GlobalLock(block), bytes.data(), bytes.size());
  winapi::GlobalUnlock(block);
  return block;
}

::HGLOBAL SystemBlock(const std::string& bytes) {
  const ::HGLOBAL block = ::GlobalAlloc(GHND, bytes.size());
  std::memcpy(::GlobalLock(block), bytes.data(), bytes.size());
  ::GlobalUnlock(block);
  return block;
}

template <class Record>
Record RecordOf(const std::string& bytes) {
  Record record{};
  std::memcpy(&record, bytes.data(), std::min(bytes.size(), sizeof record));
  return record;
}

// The UTF-16 text `characters` into the block, up to its NUL.
std::wstring_view WideAt(const std::string& bytes, std::size_t characters) {
  return reinterpret_cast<const wchar_t*>(bytes.data()) + characters;
}

// Each side is read in its own layout, the system's through its own headers, so that a field
// carried to the wrong place, in either direction, shows.
TEST(PrinterBlocksTest, DeviceModeIsCarriedFieldByFieldIntoEachLayout) {
  winapi::DEVMODEA ours{};
  std::strcpy(ours.dmDeviceName, "Imprimante \xC3\xA9tage");
  std::strcpy(ours.dmFormName, "A4");
  ours.dmSize = sizeof ours;
  ours.dmDriverExtra = 3;
  ours.dmFields = DM_ORIENTATION | DM_COPIES | DM_DISPLAYFREQUENCY;
  ours.dmOrientation = DMORIENT_LANDSCAPE;
  ours.dmCopies = 4;
  ours.dmPaperWidth = 2100;
  ours.dmLogPixels = 96;
  ours.dmDisplayFrequency = 60;
  const winapi::HGLOBAL ourBlock = OurBlock(Bytes(ours, "abc"));
  const ::HGLOBAL systemBlock = SystemDevMode(ourBlock);
  ASSERT_NE(systemBlock, nullptr);
  const std::string system = BytesOf(systemBlock);
  const auto mode = RecordOf<::DEVMODEW>(system);
  EXPECT_EQ(std::wstring_view(mode.dmDeviceName), L"Imprimante \u00E9tage");
  EXPECT_EQ(std::wstring_view(mode.dmFormName), L"A4");
  EXPECT_EQ(mode.dmSize, sizeof(::DEVMODEW));
  EXPECT_EQ(mode.dmFields, ours.dmFields);
  EXPECT_EQ(mode.dmOrientation, DMORIENT_LANDSCAPE);
  EXPECT_EQ(mode.dmCopies, 4);
  EXPECT_EQ(mode.dmPaperWidth, 2100);
  EXPECT_EQ(mode.dmLogPixels, 96);
  EXPECT_EQ(mode.dmDisplayFrequency, 60u);
  EXPECT_EQ(mode.dmDriverExtra, 3);
  EXPECT_EQ(system.substr(mode.dmSize), "abc");

  // The system's own, with fields ours has no room for, comes back in our layout.
  ::DEVMODEW theirs = mode;
  theirs.dmFields |= DM_ICMMETHOD;
  theirs.dmCopies = 2;
  theirs.dmPelsHeight = 768;
  const ::HGLOBAL theirBlock = SystemBlock(Bytes(theirs, "xyz"));
  const winapi::HGLOBAL backBlock = OurDevMode(theirBlock);
  const std::string back = BytesOf(backBlock);
  const auto ourMode = RecordOf<winapi::DEVMODEA>(back);
  EXPECT_STREQ(ourMode.dmDeviceName, "Imprimante \xC3\xA9tage");
  EXPECT_STREQ(ourMode.dmFormName, "A4");
  EXPECT_EQ(ourMode.dmSize, sizeof(winapi::DEVMODEA));
  EXPECT_EQ(ourMode.dmFields, ours.dmFields);
  EXPECT_EQ(ourMode.dmOrientation, DMORIENT_LANDSCAPE);
  EXPECT_EQ(ourMode.dmCopies, 2);
  EXPECT_EQ(ourMode.dmPelsHeight, 768u);
  EXPECT_EQ(back.substr(ourMode.dmSize), "xyz");
  for (const ::HGLOBAL block : {systemBlock, theirBlock}) ::GlobalFree(block);
  for (const winapi::HGLOBAL block : {ourBlock, backBlock}) winapi::GlobalFree(block);
}

TEST(PrinterBlocksTest, DeviceNamesAreCarriedIntoEachLayout) {
  // Ours: byte offsets into UTF-8 texts.
  constexpr char kTexts[] = "winspool\0Imprimante \xC3\xA9tage\0LPT1:";
  const winapi::DEVNAMES ours{8, 17, 35, DN_DEFAULTPRN};
  const winapi::HGLOBAL ourBlock = OurBlock(Bytes(ours, std::string_view(kTexts, sizeof kTexts)));
  const ::HGLOBAL systemBlock = SystemDevNames(ourBlock);
  ASSERT_NE(systemBlock, nullptr);
  const std::string system = BytesOf(systemBlock);
  // The system's: offsets in characters from the block's start, UTF-16 texts.
  const auto names = RecordOf<::DEVNAMES>(system);
  EXPECT_EQ(names.wDefault, DN_DEFAULTPRN);
  EXPECT_EQ(WideAt(system, names.wDriverOffset), L"winspool");
  EXPECT_EQ(WideAt(system, names.wDeviceOffset), L"Imprimante \u00E9tage");
  EXPECT_EQ(WideAt(system, names.wOutputOffset), L"LPT1:");

  constexpr wchar_t kWide[] = L"winspool\0HP \u00E9tage\0USB1:";
  const ::DEVNAMES theirs{4, 13, 22, 0};
  const ::HGLOBAL theirBlock = SystemBlock(
      Bytes(theirs, std::string_view(reinterpret_cast<const char*>(kWide), sizeof kWide)));
  const winapi::HGLOBAL backBlock = OurDevNames(theirBlock);
  const std::string back = BytesOf(backBlock);
  const auto ourNames = RecordOf<winapi::DEVNAMES>(back);
  EXPECT_EQ(ourNames.wDefault, 0);
  EXPECT_STREQ(back.c_str() + ourNames.wDriverOffset, "winspool");
  EXPECT_STREQ(back.c_str() + ourNames.wDeviceOffset, "HP \xC3\xA9tage");
  EXPECT_STREQ(back.c_str() + ourNames.wOutputOffset, "USB1:");
  for (const ::HGLOBAL block : {systemBlock, theirBlock}) ::GlobalFree(block);
  for (const winapi::HGLOBAL block : {ourBlock, backBlock}) winapi::GlobalFree(block);
}

TEST(PrinterBlocksTest, NoBlockOrTooSmallOneGivesNone) {
  EXPECT_EQ(SystemDevMode(0), nullptr);
  const winapi::HGLOBAL small = winapi::GlobalAlloc(GHND, 4);
  EXPECT_EQ(SystemDevNames(small), nullptr);
  winapi::GlobalFree(small);
}

}  // namespace
}  // namespace ferolan::windows
