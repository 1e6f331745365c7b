#include "platform/qt/FileResult.h"

#include <gtest/gtest.h>

#include <cstring>

namespace ferolan::qt {
namespace {

using namespace std::string_literals;
using namespace winapi;

struct Buffers {
  explicit Buffers(DWORD fileSize, DWORD titleSize = 260, DWORD flags = 0)
      : file(fileSize, 'x'), title(titleSize, 'x') {
    ofn.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = fileSize;
    ofn.lpstrFileTitle = title.data();
    ofn.nMaxFileTitle = titleSize;
    ofn.Flags = flags;
  }
  std::string file;
  std::string title;
  OPENFILENAMEA ofn{};
};

TEST(FileResultTest, OneFileIsItsPathAndItsNameWithNothingLeftOfThePreset) {
  Buffers buffers(32);
  EXPECT_EQ(WriteFileResult(buffers.ofn, {"/e/ce2.jad"}), 0u);
  EXPECT_EQ(buffers.file, "/e/ce2.jad" + std::string(22, '\0'));
  EXPECT_EQ(buffers.title, "ce2.jad" + std::string(253, '\0'));
  EXPECT_EQ(buffers.ofn.nFileOffset, 3);
  EXPECT_EQ(buffers.ofn.nFileExtension, 7);
}

TEST(FileResultTest, SeveralFilesAreTheirFolderAndTheirNames) {
  Buffers buffers(32, 260, OFN_ALLOWMULTISELECT | OFN_EXPLORER);
  EXPECT_EQ(WriteFileResult(buffers.ofn, {"/e/a.jad", "/e/b.jad", "/e/sous/c.jad"}), 0u);
  EXPECT_EQ(buffers.file, "/e\0a.jad\0b.jad\0sous/c.jad\0\0"s + std::string(5, '\0'));
  EXPECT_EQ(buffers.ofn.nFileOffset, 3);

  Buffers root(16, 260, OFN_ALLOWMULTISELECT);
  EXPECT_EQ(WriteFileResult(root.ofn, {"/a", "/b"}), 0u);
  EXPECT_EQ(root.file, "/\0a\0b\0\0"s + std::string(9, '\0'));
}

TEST(FileResultTest, OneFileOfAMultiSelectDialogIsItsPath) {
  Buffers buffers(16, 260, OFN_ALLOWMULTISELECT);
  EXPECT_EQ(WriteFileResult(buffers.ofn, {"/e/a.jad"}), 0u);
  EXPECT_EQ(buffers.file, "/e/a.jad"s + std::string(8, '\0'));
}

TEST(FileResultTest, AResultThatDoesNotFitGivesTheSizeItNeeds) {
  Buffers exact(11);
  EXPECT_EQ(WriteFileResult(exact.ofn, {"/e/ce2.jad"}), 0u);

  Buffers tooSmall(10);
  EXPECT_EQ(WriteFileResult(tooSmall.ofn, {"/e/ce2.jad"}), FNERR_BUFFERTOOSMALL);
  WORD needed = 0;
  std::memcpy(&needed, tooSmall.file.data(), sizeof needed);
  EXPECT_EQ(needed, 11);
  EXPECT_EQ(tooSmall.title, std::string(260, 'x'));

  Buffers titleTooSmall(64, 7);
  EXPECT_EQ(WriteFileResult(titleTooSmall.ofn, {"/e/ce2.jad"}), FNERR_BUFFERTOOSMALL);
}

}  // namespace
}  // namespace ferolan::qt
