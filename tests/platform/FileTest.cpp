#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <filesystem>
#include <string>

#include "platform/runtime/FileLock.h"
#include "platform/runtime/FileSystem.h"
#include "platform/runtime/InputFile.h"
#include "platform/runtime/OutputFile.h"
#include "platform/runtime/ReplacementFile.h"
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

std::size_t CountEntries(const std::string& folder) {
  return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder),
                                                std::filesystem::directory_iterator()));
}

// Replaces `path` and a companion file beside it together, as the two results are.
void Replace(const std::string& path, const std::string& bytes) {
  ReplacementFile replacement(path);
  ReplacementFile companion(path + ".other");
  replacement.File().Write(bytes);
  replacement.Complete();
  companion.Complete();
  EXPECT_FALSE(Exists(path) && ReadBytes(path) == bytes) << "nothing is in place before asked";
  ReplacementFile::PutInPlaceTogether(replacement, companion);
}

TEST(ReplacementFileTest, TheOldFileStaysUntilPutInPlaceAndKeepsItsPermissionsButNoSpecialBit) {
  TempDir dir;
  WriteBytes(dir / "result", "old");
  std::filesystem::permissions(dir / "result", std::filesystem::perms(04750));
  Replace(dir / "result", "new");
  EXPECT_EQ(ReadBytes(dir / "result"), "new");
  EXPECT_EQ(std::filesystem::status(dir / "result").permissions(), std::filesystem::perms(0750));
  EXPECT_EQ(CountEntries(dir.Path()), 2u);
}

TEST(ReplacementFileTest, WithoutPutInPlaceNothingIsLeftBehind) {
  TempDir dir;
  WriteBytes(dir / "result", "old");
  {
    ReplacementFile replacement(dir / "result");
    replacement.File().Write(std::string(OutputFile::kBufferSize * 2, 'n'));
  }
  EXPECT_EQ(ReadBytes(dir / "result"), "old");
  EXPECT_EQ(CountEntries(dir.Path()), 1u);
}

TEST(ReplacementFileTest, ALinkKeepsPointingAtTheReplacedFile) {
  TempDir dir;
  std::filesystem::create_directory(dir / "elsewhere");
  WriteBytes(dir / "elsewhere/result", "old");
  std::filesystem::create_symlink("elsewhere/result", dir / "result");
  Replace(dir / "result", "new");
  EXPECT_TRUE(std::filesystem::is_symlink(dir / "result"));
  EXPECT_EQ(ReadBytes(dir / "elsewhere/result"), "new");
}

TEST(ReplacementFileTest, ATemporaryLeftByAnEndedRunGoesOneInUseStays) {
  TempDir dir;
  WriteBytes(dir / ".result.~ferolan-left", "ended run");
  WriteBytes(dir / ".result.~ferolan-busy", "running");
  UniqueFd busy(::open((dir / ".result.~ferolan-busy").c_str(), O_RDONLY));
  ASSERT_TRUE(TryLockExclusive(busy.Get()));
  Replace(dir / "result", "new");
  EXPECT_FALSE(Exists(dir / ".result.~ferolan-left"));
  EXPECT_TRUE(Exists(dir / ".result.~ferolan-busy"));
}

TEST(ReplacementFileTest, ACompletedFileWaitingForItsRenameSurvivesAnotherRunsSweep) {
  TempDir dir;
  ReplacementFile first(dir / "result");
  ReplacementFile second(dir / "other");
  first.File().Write("first");
  first.Complete();
  second.Complete();
  { ReplacementFile sweeping(dir / "result"); }
  ReplacementFile::PutInPlaceTogether(first, second);
  EXPECT_EQ(ReadBytes(dir / "result"), "first");
}

TEST(ReplacementFileTest, AWriteErrorAtCompletionIsReportedAndReplacesNothing) {
  TempDir dir;
  WriteBytes(dir / "result", "old");
  ReplacementFile replacement(dir / "result");
  replacement.File().Write(std::string(100, 'n'));  // still buffered
  // A file-size limit makes the write that completion flushes fail.
  struct rlimit saved {};
  ::getrlimit(RLIMIT_FSIZE, &saved);
  const auto previous = ::signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = saved;
  small.rlim_cur = 10;
  ::setrlimit(RLIMIT_FSIZE, &small);
  const long error = ErrorNumberOf([&] { replacement.Complete(); });
  ::setrlimit(RLIMIT_FSIZE, &saved);
  ::signal(SIGXFSZ, previous);
  EXPECT_NE(error, 0);
  EXPECT_EQ(ReadBytes(dir / "result"), "old");
}

TEST(ReplacementFileTest, AFileThatCannotBeReplacedIsRefusedBeforeWriting) {
  TempDir dir;
  WriteBytes(dir / "plain", "x");
  std::filesystem::create_directory(dir / "folder");
  ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
  EXPECT_EQ(ErrorNumberOf([&] { ReplacementFile r(dir / "plain/result"); }), kErrPathNotFound);
  EXPECT_EQ(ErrorNumberOf([&] { ReplacementFile r(dir / "folder"); }), kErrPathFileAccess);
  EXPECT_EQ(ErrorNumberOf([&] { ReplacementFile r(dir / "fifo"); }), kErrPathFileAccess);
  EXPECT_EQ(CountEntries(dir / "folder"), 0u);
  EXPECT_EQ(CountEntries(dir.Path()), 3u);
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
