#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <functional>
#include <string>

#include "platform/runtime/NativeFile.h"
#include "platform/runtime/RuntimeError.h"
#include "tests/support/ErrorNumber.h"
#include "tests/support/TempDir.h"

namespace ferolan {
namespace {

using testing::ErrorNumberOf;
using testing::TempDir;
using testing::WriteBytes;

// Windows says "access denied" of a folder and of a read-only file alike; the program tells
// them apart as it does on POSIX.
TEST(WindowsNativeFileTest, FailuresHaveThePosixNumbers) {
  TempDir dir;
  WriteBytes(dir / "result.txt", "kept");
  const std::wstring readOnly = (dir.Path() / "result.txt").wstring();
  ASSERT_TRUE(::SetFileAttributesW(readOnly.c_str(), FILE_ATTRIBUTE_READONLY));
  const std::string folder = dir.Path().string();
  const struct {
    const char* what;
    std::function<void()> action;
    long number;
  } cases[] = {
      {"read-only result", [&] { NativeFile::CreateOrEmpty(dir / "result.txt"); }, 70},
      {"folder read", [&] { NativeFile::OpenForReading(folder); }, 75},
      {"folder written", [&] { NativeFile::CreateOrEmpty(folder); }, 75},
      {"missing file", [&] { NativeFile::OpenForReading(dir / "missing.jad"); }, 53},
      {"missing folder", [&] { NativeFile::OpenForReading(dir / "no\\missing.jad"); }, 76},
  };
  for (const auto& c : cases) EXPECT_EQ(ErrorNumberOf(c.action), c.number) << c.what;
  ::SetFileAttributesW(readOnly.c_str(), FILE_ATTRIBUTE_NORMAL);
}

// Under Wine the ANSI code page follows LANG: fr_FR.UTF-8 gives 1252.
TEST(WindowsNativeFileTest, ANameTheCodePageCannotHoldIsRefusedAndNothingIsMade) {
  if (::GetACP() != 1252) GTEST_SKIP() << "code page " << ::GetACP();
  TempDir dir;
  const struct {
    std::string within;  // the path below the test's folder
    std::string named;   // the part the message names
  } cases[] = {
      {"\xCE\xA9\xCE\xBC\xCE\xAD\xCE\xB3\xCE\xB1.txt",
       "\xCE\xA9\xCE\xBC\xCE\xAD\xCE\xB3\xCE\xB1.txt"},
      {"\xE4\xB8\xAD\\\xC3\xA9t\xC3\xA9.jad", "\xE4\xB8\xAD"},  // a folder, then a name it holds
  };
  for (const auto& c : cases) {
    const std::string path = dir / "" + c.within;
    try {
      NativeFile::CreateOrEmpty(path);
      ADD_FAILURE() << c.within;
    } catch (const RuntimeError& error) {
      EXPECT_EQ(error.Number(), 76);
      EXPECT_TRUE(error.Description().starts_with("Le nom « " + c.named + " » contient"))
          << error.Description();
    }
  }
  EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
}

}  // namespace
}  // namespace ferolan
