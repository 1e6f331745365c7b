// A printer's blocks carried to the system's layout and back.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/win32/PrintDialogs.h"

#include <windows.h>

#include "platform/windows/window/PrinterBlocks.h"

namespace ferolan::windows {
namespace {

template <class Record>
Record Read(win32::HGLOBAL block, std::string* texts = nullptr) {
  Record record{};
  const auto* bytes = static_cast<const char*>(win32::GlobalLock(block));
  std::memcpy(&record, bytes, sizeof record);
  if (texts != nullptr) texts->assign(bytes, win32::GlobalSize(block));
  win32::GlobalUnlock(block);
  return record;
}

template <class Record>
win32::HGLOBAL Block(const Record& record, const std::string& after = {}) {
  const win32::HGLOBAL block = win32::GlobalAlloc(GHND, sizeof record + after.size());
  auto* bytes = static_cast<char*>(win32::GlobalLock(block));
  std::memcpy(bytes, &record, sizeof record);
  std::memcpy(bytes + sizeof record, after.data(), after.size());
  win32::GlobalUnlock(block);
  return block;
}

TEST(PrinterBlocksTest, DeviceModeComesBackWithItsNamesAndDriverBytes) {
  win32::DEVMODEA mode{};
  std::strcpy(mode.dmDeviceName, "Imprimante \xC3\xA9tage");
  std::strcpy(mode.dmFormName, "A4");
  mode.dmSize = sizeof mode;
  mode.dmDriverExtra = 3;
  mode.dmFields = 0x103;
  mode.dmOrientation = 2;
  mode.dmCopies = 4;
  mode.dmDisplayFrequency = 60;
  const win32::HGLOBAL ours = Block(mode, "abc");
  const ::HGLOBAL system = SystemDevMode(ours);
  ASSERT_NE(system, nullptr);
  std::string bytes;
  const win32::HGLOBAL back = OurDevMode(system);
  const auto result = Read<win32::DEVMODEA>(back, &bytes);
  EXPECT_EQ(std::memcmp(&result, &mode, sizeof mode), 0);
  EXPECT_EQ(bytes.substr(sizeof mode), "abc");
  ::GlobalFree(system);
  win32::GlobalFree(ours);
  win32::GlobalFree(back);
}

TEST(PrinterBlocksTest, DeviceNamesComeBackAtTheirOffsets) {
  constexpr char kTexts[] = "winspool\0Imprimante \xC3\xA9tage\0LPT1:";
  const std::string texts(kTexts, sizeof kTexts);
  win32::DEVNAMES names{8, 17, 35, DN_DEFAULTPRN};
  const win32::HGLOBAL ours = Block(names, texts);
  const ::HGLOBAL system = SystemDevNames(ours);
  ASSERT_NE(system, nullptr);
  std::string bytes;
  const win32::HGLOBAL back = OurDevNames(system);
  const auto result = Read<win32::DEVNAMES>(back, &bytes);
  EXPECT_EQ(result.wDefault, DN_DEFAULTPRN);
  EXPECT_STREQ(bytes.c_str() + result.wDriverOffset, "winspool");
  EXPECT_STREQ(bytes.c_str() + result.wDeviceOffset, "Imprimante \xC3\xA9tage");
  EXPECT_STREQ(bytes.c_str() + result.wOutputOffset, "LPT1:");
  ::GlobalFree(system);
  win32::GlobalFree(ours);
  win32::GlobalFree(back);
}

TEST(PrinterBlocksTest, NoBlockOrTooSmallOneGivesNone) {
  EXPECT_EQ(SystemDevMode(0), nullptr);
  const win32::HGLOBAL small = win32::GlobalAlloc(GHND, 4);
  EXPECT_EQ(SystemDevNames(small), nullptr);
  win32::GlobalFree(small);
}

}  // namespace
}  // namespace ferolan::windows
