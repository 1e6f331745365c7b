#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/runtime/FileSystem.h"
#include "platform/runtime/InputFile.h"
#include "platform/runtime/OutputFile.h"
#include "platform/runtime/RuntimeError.h"
#include "tests/support/ErrorNumber.h"
#include "tests/support/TempDir.h"

namespace ferolan {
namespace {

using testing::ErrorNumberOf;
using testing::Exists;
using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

std::string ReadAllLines(InputFile& in) {
  std::string seen;
  while (!in.AtEnd()) {
    seen += '[';
    in.ReadLine([&](std::string_view piece) { seen.append(piece); });
    seen += ']';
  }
  return seen;
}

TEST(InputFileTest, LinesEndAtCrOrCrLfButNotAtLfAlone) {
  TempDir dir;
  WriteBytes(dir / "f", "a\r\nb\rc\nd\r\r\ne");
  InputFile in(dir / "f");
  EXPECT_EQ(ReadAllLines(in), "[a][b][c\nd][][e]");
}

TEST(InputFileTest, CrLfSplitAcrossTheBufferIsOneLineEnd) {
  TempDir dir;
  const std::string first(InputFile::kBufferSize - 1, 'x');
  WriteBytes(dir / "f", first + "\r\nnext");
  InputFile in(dir / "f");
  EXPECT_EQ(ReadAllLines(in), "[" + first + "][next]");
}

TEST(InputFileTest, ComparisonAcrossTheBufferUsesUpExactlyItsLength) {
  TempDir dir;
  const std::string filler(InputFile::kBufferSize - 4, '.');
  WriteBytes(dir / "f", filler + "<MELEVE_MID>rest");
  InputFile in(dir / "f");
  ASSERT_TRUE(in.SkipPast('<'));
  EXPECT_TRUE(in.ReadMatches("MELEVE_MID>"));
  EXPECT_EQ(in.ReadChar(), 'r');
}

TEST(InputFileTest, ReadingPastTheEndRaisesInputPastEnd) {
  TempDir dir;
  WriteBytes(dir / "f", "<MELE");
  InputFile in(dir / "f");
  ASSERT_TRUE(in.SkipPast('<'));
  EXPECT_EQ(ErrorNumberOf([&] { in.ReadMatches("MELEVE_MID>"); }), kErrInputPastEnd);

  InputFile again(dir / "f");
  std::string value;
  EXPECT_EQ(ErrorNumberOf([&] {
              again.ReadUntil('>', [&](std::string_view piece) { value.append(piece); });
            }),
            kErrInputPastEnd);
  EXPECT_FALSE(again.SkipPast('<'));
  EXPECT_TRUE(again.AtEnd());
}

TEST(InputFileTest, OpeningFailuresRaiseTheMatchingFileError) {
  TempDir dir;
  WriteBytes(dir / "plain", "x");
  EXPECT_EQ(ErrorNumberOf([&] { InputFile in(dir / "missing"); }), kErrFileNotFound);
  EXPECT_EQ(ErrorNumberOf([&] { InputFile in(dir / "nofolder/missing"); }), kErrPathNotFound);
  EXPECT_EQ(ErrorNumberOf([&] { InputFile in(dir / "plain/below"); }), kErrPathNotFound);
  EXPECT_EQ(ErrorNumberOf([&] { InputFile in(dir.Path().string()); }), kErrPathFileAccess);
}

TEST(OutputFileTest, TruncateTakesBackBufferedAndWrittenBytes) {
  TempDir dir;
  OutputFile out(dir / "f");
  out.Write("keep");
  const auto mark = out.Offset();
  out.Write("drop");
  out.TruncateTo(mark);
  out.Write(std::string(OutputFile::kBufferSize + 10, 'y'));  // forces a flush
  out.TruncateTo(mark + 2);
  out.WriteLine("end");
  out.Close();
  EXPECT_EQ(ReadBytes(dir / "f"), "keepyyend\r\n");
}

TEST(FileSystemTest, DirFindsOnlyNormalFiles) {
  TempDir dir;
  WriteBytes(dir / "export.jad", "x");
  WriteBytes(dir / ".hidden.jad", "x");
  std::filesystem::create_directory(dir / "folder.jad");
  EXPECT_EQ(Dir(dir / "export.jad"), "export.jad");
  EXPECT_EQ(Dir(dir / ".hidden.jad"), "");
  EXPECT_EQ(Dir(dir / "folder.jad"), "");
  EXPECT_EQ(Dir(dir / "missing.jad"), "");
  EXPECT_EQ(Dir(""), "");
}

TEST(FileSystemTest, KillDeletesAFileAndRaisesForWhatIsNotOne) {
  TempDir dir;
  WriteBytes(dir / "work.xml", "x");
  Kill(dir / "work.xml");
  EXPECT_FALSE(Exists(dir / "work.xml"));
  EXPECT_EQ(ErrorNumberOf([&] { Kill(dir / "work.xml"); }), kErrFileNotFound);
  EXPECT_EQ(ErrorNumberOf([&] { Kill(dir.Path().string()); }), kErrFileNotFound);
}

}  // namespace
}  // namespace ferolan
