#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "platform/runtime/FileSystem.h"
#include "tests/support/TempDir.h"

namespace ferolan {
namespace {

using testing::TempDir;
using testing::WriteBytes;

TEST(WindowsPathTest, FolderAndLeafKeepTheRoot) {
  const struct {
    const char* path;
    const char* folder;
    const char* leaf;
  } cases[] = {
      {"x.jad", ".", "x.jad"},
      {"a\\b\\x.jad", "a\\b", "x.jad"},
      {"a/b\\x.jad", "a/b", "x.jad"},
      {"C:\\x.jad", "C:\\", "x.jad"},
      {"C:/x.jad", "C:/", "x.jad"},
      {"C:x.jad", "C:", "x.jad"},
      {"\\x.jad", "\\", "x.jad"},
      {"\\\\server\\share\\x.jad", "\\\\server\\share\\", "x.jad"},
      {"\\\\server\\share\\a\\x.jad", "\\\\server\\share\\a", "x.jad"},
      {"\\\\?\\C:\\x.jad", "\\\\?\\C:\\", "x.jad"},
      {"C:\\", "C:\\", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FolderOf(c.path), c.folder) << c.path;
    EXPECT_EQ(LeafOf(c.path), c.leaf) << c.path;
  }
}

TEST(WindowsFileSystemTest, OnlyAFileOnADiskIsOpenable) {
  TempDir dir;
  WriteBytes(dir / "export.jad", "x");
  const struct {
    std::string path;
    bool openable;
  } cases[] = {
      {dir / "export.jad", true},
      {dir.Path().string(), false},
      {dir / "missing.jad", false},
      {"NUL", false},
      {"CON", false},
      {"COM1", false},
      {dir / "NUL", false},
      {"\\\\.\\NUL", false},
      {"\\\\?\\pipe\\x", false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsOpenableRegularFile(c.path), c.openable) << c.path;
}

TEST(WindowsFileSystemTest, AHiddenFileIsNotANormalFile) {
  TempDir dir;
  WriteBytes(dir / "export.jad", "x");
  const std::wstring wide = (dir.Path() / "export.jad").wstring();
  ASSERT_TRUE(::SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_HIDDEN));
  EXPECT_EQ(Dir(dir / "export.jad"), "");
}

}  // namespace
}  // namespace ferolan
