#include "platform/runtime/ResultPair.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <iostream>
#include <map>
#include <optional>
#include <string>

#include "platform/posix/FileLock.h"
#include "platform/posix/UniqueFd.h"
#include "platform/runtime/RuntimeError.h"
#include "tests/platform/SystemCallFaults.h"
#include "tests/support/ErrorNumber.h"
#include "tests/support/TempDir.h"

namespace ferolan {
namespace {

using testing::ErrorNumberOf;
using testing::Exists;
using testing::Failure;
using testing::ReadBytes;
using testing::SystemCall;
using testing::SystemCallFault;
using testing::TempDir;
using testing::WriteBytes;

namespace fs = std::filesystem;

std::size_t CountEntries(const std::string& folder) {
  return static_cast<std::size_t>(
      std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

// Each name in the folder with what it holds; without the hidden ones, if asked.
std::map<std::string, std::string> Contents(const fs::path& folder, bool hidden = true) {
  std::map<std::string, std::string> contents;
  for (const auto& entry : fs::directory_iterator(folder)) {
    if (!hidden && entry.path().filename().string().starts_with('.')) continue;
    contents[entry.path().filename()] =
        entry.is_regular_file() ? ReadBytes(entry.path()) : std::string("(folder)");
  }
  return contents;
}

// Replaces `path` and a companion file beside it together, as the two results are.
void Replace(const std::string& path, const std::string& bytes) {
  ResultPair pair(path, path + ".other");
  pair.French().Write(bytes);
  EXPECT_FALSE(Exists(path) && ReadBytes(path) == bytes) << "nothing is in place before asked";
  pair.Commit();
}

TEST(ResultPairTest, TheOldFileStaysUntilCommittedAndKeepsItsPermissionsButNoSpecialBit) {
  TempDir dir;
  WriteBytes(dir / "result", "old");
  fs::permissions(dir / "result", fs::perms(04750));
  Replace(dir / "result", "new");
  EXPECT_EQ(ReadBytes(dir / "result"), "new");
  EXPECT_EQ(fs::status(dir / "result").permissions(), fs::perms(0750));
  EXPECT_EQ(CountEntries(dir.Path()), 2u);
}

TEST(ResultPairTest, WithoutCommitNothingIsLeftBehind) {
  TempDir dir;
  WriteBytes(dir / "result", "old");
  {
    ResultPair pair(dir / "result", dir / "other");
    pair.French().Write(std::string(OutputFile::kBufferSize * 2, 'n'));
  }
  EXPECT_EQ(ReadBytes(dir / "result"), "old");
  EXPECT_EQ(CountEntries(dir.Path()), 1u);
}

TEST(ResultPairTest, ALinkKeepsPointingAtTheReplacedFile) {
  TempDir dir;
  fs::create_directory(dir / "elsewhere");
  WriteBytes(dir / "elsewhere/result", "old");
  fs::create_symlink("elsewhere/result", dir / "result");
  Replace(dir / "result", "new");
  EXPECT_TRUE(fs::is_symlink(dir / "result"));
  EXPECT_EQ(ReadBytes(dir / "elsewhere/result"), "new");
}

TEST(ResultPairTest, ATemporaryLeftByAnEndedRunGoesOneInUseAndAKeptResultStay) {
  TempDir dir;
  WriteBytes(dir / ".result.~ferolan-tmp-left", "ended run");
  WriteBytes(dir / ".result.~ferolan-tmp-busy", "running");
  WriteBytes(dir / ".result.~ferolan-kept-earlier", "an earlier result, kept");
  UniqueFd busy(::open((dir / ".result.~ferolan-tmp-busy").c_str(), O_RDONLY));
  ASSERT_TRUE(TryLockExclusive(busy.Get()));
  Replace(dir / "result", "new");
  EXPECT_FALSE(Exists(dir / ".result.~ferolan-tmp-left"));
  EXPECT_TRUE(Exists(dir / ".result.~ferolan-tmp-busy"));
  EXPECT_TRUE(Exists(dir / ".result.~ferolan-kept-earlier"));
}

TEST(ResultPairTest, ASecondConversionOfTheSameResultsWaitsThenIsRefused) {
  TempDir dir;
  {
    ResultPair first(dir / "result", dir / "other");
    first.French().Write("first");
    EXPECT_EQ(ErrorNumberOf([&] {
                ResultPair second(dir / "result", dir / "other", std::chrono::milliseconds(100));
              }),
              kErrPermissionDenied);
    first.Commit();
  }
  EXPECT_EQ(ReadBytes(dir / "result"), "first");
  EXPECT_EQ(CountEntries(dir.Path()), 2u);
}

// A colleague can put anything under the lock's name in a shared folder: it is named at once,
// never waited for, and left as it was.
TEST(ResultPairTest, WhatCannotBeALockUnderItsNameIsRefusedAtOnce) {
  const struct {
    const char* what;
    std::function<void(const std::string& lock, const std::string& elsewhere)> plant;
    long number;
  } table[] = {
      {"a link to another file",
       [](auto& lock, auto& elsewhere) { fs::create_symlink(elsewhere, lock); },
       kErrPathFileAccess},
      {"a folder", [](auto& lock, auto&) { fs::create_directory(lock); }, kErrPathFileAccess},
      {"a FIFO", [](auto& lock, auto&) { ::mkfifo(lock.c_str(), 0600); }, kErrPathFileAccess},
  };
  for (const auto& row : table) {
    SCOPED_TRACE(row.what);
    TempDir dir;
    WriteBytes(dir / "notes.txt", "the teacher's own notes");
    row.plant(dir / ".result.~ferolan-lock", dir / "notes.txt");
    const auto before = Contents(dir.Path());
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(ErrorNumberOf([&] { ResultPair pair(dir / "result", dir / "other"); }), row.number);
    EXPECT_LT(std::chrono::steady_clock::now() - start, ResultPair::kLockWait / 2);
    EXPECT_EQ(Contents(dir.Path()), before);
  }
}

TEST(ResultPairTest, AWriteErrorAtCommitIsReportedAndReplacesNothing) {
  TempDir dir;
  WriteBytes(dir / "result", "old");
  ResultPair pair(dir / "result", dir / "other");
  pair.French().Write(std::string(100, 'n'));  // still buffered
  // A file-size limit makes the write that the commit flushes fail.
  struct rlimit saved {};
  ::getrlimit(RLIMIT_FSIZE, &saved);
  const auto previous = ::signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = saved;
  small.rlim_cur = 10;
  ::setrlimit(RLIMIT_FSIZE, &small);
  const long error = ErrorNumberOf([&] { pair.Commit(); });
  ::setrlimit(RLIMIT_FSIZE, &saved);
  ::signal(SIGXFSZ, previous);
  EXPECT_NE(error, 0);
  EXPECT_EQ(ReadBytes(dir / "result"), "old");
}

TEST(ResultPairTest, AFileThatCannotBeReplacedIsRefusedBeforeWriting) {
  TempDir dir;
  WriteBytes(dir / "plain", "x");
  fs::create_directory(dir / "folder");
  ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
  EXPECT_EQ(ErrorNumberOf([&] { ResultPair r(dir / "plain/result", dir / "plain/other"); }),
            kErrPathNotFound);
  EXPECT_EQ(ErrorNumberOf([&] { ResultPair r(dir / "folder", dir / "other"); }),
            kErrPathFileAccess);
  EXPECT_EQ(ErrorNumberOf([&] { ResultPair r(dir / "other", dir / "fifo"); }), kErrPathFileAccess);
  EXPECT_EQ(CountEntries(dir / "folder"), 0u);
  EXPECT_EQ(CountEntries(dir.Path()), 3u);
}

// Makes the maths result refuse to be replaced in a way that no check before the commit sees;
// false when this machine cannot (the row is skipped). `undo` is set to what takes it back.
using Refusal = std::function<bool(const std::string& maths, std::function<void()>& undo)>;

bool AppendOnly(const std::string& maths, std::function<void()>& undo) {
  const UniqueFd fd(::open(maths.c_str(), O_RDONLY));
  int flags = 0;
  if (::ioctl(fd.Get(), FS_IOC_GETFLAGS, &flags) != 0) return false;
  flags |= FS_APPEND_FL;
  if (::ioctl(fd.Get(), FS_IOC_SETFLAGS, &flags) != 0) return false;
  undo = [maths, flags] {
    const UniqueFd again(::open(maths.c_str(), O_RDONLY));
    const int plain = flags & ~FS_APPEND_FL;
    ::ioctl(again.Get(), FS_IOC_SETFLAGS, &plain);
  };
  return true;
}

bool MountPoint(const std::string& maths, std::function<void()>& undo) {
  if (::mount(maths.c_str(), maths.c_str(), nullptr, MS_BIND, nullptr) != 0) return false;
  undo = [maths] { ::umount2(maths.c_str(), MNT_DETACH); };
  return true;
}

TEST(ResultPairTest, WhenTheSecondFileCannotBePutInPlaceTheEarlierResultsStay) {
  const struct {
    const char* name;
    bool frenchExisted;
    Refusal refuse;
    bool signalsRefused = false;
  } table[] = {
      {"the second result made append-only", true, AppendOnly},
      {"the second result a mount point", true, MountPoint},
      {"a folder appearing under the second name", true,
       [](auto& maths, auto&) { return fs::remove(maths) && fs::create_directory(maths); }},
      {"the signals cannot be held", true, nullptr, true},
  };
  for (const auto& row : table) {
    SCOPED_TRACE(row.name);
    TempDir dir;
    if (row.frenchExisted) WriteBytes(dir / "french", "old french");
    WriteBytes(dir / "maths", "old maths");
    std::optional<ResultPair> pair(std::in_place, dir / "french", dir / "maths");
    pair->French().Write("new french");
    pair->Maths().Write("new maths");
    std::function<void()> undo = [] {};
    if (row.refuse && !row.refuse(dir / "maths", undo)) {
      std::cout << "[ SKIPPED  ] " << row.name << ": not on this machine\n";
      continue;
    }
    const auto refused = Contents(dir.Path(), false);
    std::optional<SystemCallFault> fault;
    if (row.signalsRefused) fault.emplace(SystemCall::kSigaction, 1, Failure::kRefused);
    EXPECT_NE(ErrorNumberOf([&] { pair->Commit(); }), 0);
    fault.reset();
    pair.reset();
    EXPECT_EQ(Contents(dir.Path()), refused) << "both earlier results, and nothing else";
    undo();
  }
}

TEST(ResultPairTest, AFolderThatCannotBeFlushedAfterTheRenamesIsNoFailure) {
  TempDir dir;
  WriteBytes(dir / "french", "old french");
  {
    ResultPair pair(dir / "french", dir / "maths");
    pair.French().Write("new french");
    pair.Maths().Write("new maths");
    // The first flush is the record's, before the renames; every one after them fails.
    const SystemCallFault fault(SystemCall::kFsyncFolder, 2, Failure::kIo, true);
    EXPECT_EQ(ErrorNumberOf([&] { pair.Commit(); }), 0);
  }
  // Its record stays, for the next conversion to end the commit once the disk has them.
  EXPECT_EQ(Contents(dir.Path(), false),
            (std::map<std::string, std::string>{{"french", "new french"}, {"maths", "new maths"}}));
  ResultPair::Recover(dir / "french");
  EXPECT_EQ(Contents(dir.Path()),
            (std::map<std::string, std::string>{{"french", "new french"}, {"maths", "new maths"}}));
}

// In a child process: a signal sent between the two renames ends the program only once both
// files are in place (the pair's lock file is then left for the next conversion to remove).
TEST(ResultPairTest, ASignalBetweenTheRenamesWaitsUntilBothAreInPlace) {
  // Which signals are held is HeldSignalsTest's table; this is that the commit holds them.
  TempDir dir;
  WriteBytes(dir / "french", "old french");
  WriteBytes(dir / "maths", "old maths");
  const pid_t child = ::fork();
  if (child == 0) {
    ResultPair pair(dir / "french", dir / "maths");
    pair.French().Write("new french");
    pair.Maths().Write("new maths");
    // After the French result's exchange, the third name change: both staged names come first.
    const SystemCallFault fault(SystemCall::kNameChange, 3, Failure::kSignal, false, SIGUSR1);
    pair.Commit();
    ::_exit(0);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGUSR1) << status;
  EXPECT_EQ(Contents(dir.Path(), false),
            (std::map<std::string, std::string>{{"french", "new french"}, {"maths", "new maths"}}));
}

}  // namespace
}  // namespace ferolan
