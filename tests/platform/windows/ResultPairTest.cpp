// What differs on Windows: the results refused up front, the undo of a rename that fails for a
// file another program holds, and console events held during the renames.
#include "platform/runtime/ResultPair.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <map>
#include <string>
#include <thread>

#include "platform/runtime/HeldSignals.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/windows/UniqueHandle.h"
#include "tests/support/ErrorNumber.h"
#include "tests/support/TempDir.h"

namespace ferolan {
namespace {

using testing::ErrorNumberOf;
using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

namespace fs = std::filesystem;

// Each name in the folder with what it holds.
std::map<std::string, std::string> Contents(const fs::path& folder) {
  std::map<std::string, std::string> contents;
  for (const auto& entry : fs::directory_iterator(folder)) {
    contents[entry.path().filename().string()] =
        entry.is_regular_file() ? ReadBytes(entry.path().string()) : std::string("(folder)");
  }
  return contents;
}

// `make` puts what cannot be replaced under `path`; false when this system cannot make it.
void ExpectRefusedWithNothingWritten(bool (*make)(const std::string& path), long number) {
  const TempDir dir;
  if (!make(dir / "result")) GTEST_SKIP() << "this system makes no symbolic link";
  WriteBytes(dir / "other", "old other");
  const auto before = Contents(dir.Path());
  EXPECT_EQ(ErrorNumberOf([&] { ResultPair pair(dir / "other", dir / "result"); }), number);
  EXPECT_EQ(Contents(dir.Path()), before);
  ::SetFileAttributesA((dir / "result").c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(WindowsResultPairTest, AResultThatCannotBeReplacedIsRefusedWithNothingWritten) {
  SCOPED_TRACE("read-only");
  ExpectRefusedWithNothingWritten(
      [](const std::string& path) {
        WriteBytes(path, "old");
        return ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY) != 0;
      },
      kErrPermissionDenied);
  SCOPED_TRACE("folder");
  ExpectRefusedWithNothingWritten(
      [](const std::string& path) { return fs::create_directory(path); }, kErrPathFileAccess);
}

// Wine (8 and 10 alike) says it made one, and makes none.
TEST(WindowsResultPairTest, ALinkUnderAResultsNameIsRefusedWithNothingWritten) {
  ExpectRefusedWithNothingWritten(
      [](const std::string& path) {
        WriteBytes(path + ".target", "old");
        ::CreateSymbolicLinkA(path.c_str(), (path + ".target").c_str(),
                              SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE);
        return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
      },
      kErrPathFileAccess);
}

TEST(WindowsResultPairTest, TwoNamesOfOneFileAreRefused) {
  const TempDir dir;
  const struct {
    const char* what;
    bool exists;
  } cases[] = {{"existing", true}, {"new", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    if (c.exists) WriteBytes(dir / "Result.txt", "old");
    EXPECT_EQ(ErrorNumberOf([&] { ResultPair pair(dir / "Result.txt", dir / "rESULT.TXT"); }),
              kErrPathFileAccess);
  }
}

TEST(WindowsResultPairTest, ASecondRenameThatFailsLeavesBothEarlierResults) {
  const TempDir dir;
  WriteBytes(dir / "french", "old french");
  WriteBytes(dir / "maths", "old maths");
  const auto before = Contents(dir.Path());
  {
    ResultPair pair(dir / "french", dir / "maths");
    pair.French().Write("new french");
    pair.Maths().Write("new maths");
    // Another program opens the maths results without letting anyone replace them.
    const UniqueHandle reader(::CreateFileA((dir / "maths").c_str(), GENERIC_READ,
                                            FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                            OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(reader.Valid());
    EXPECT_EQ(ErrorNumberOf([&] { pair.Commit(); }), kErrPermissionDenied);
  }
  EXPECT_EQ(Contents(dir.Path()), before);
}

TEST(WindowsResultPairTest, AnotherConversionOfTheSameResultsWaitsForTheFirst) {
  const TempDir dir;
  {
    const ResultPair first(dir / "french", dir / "maths");
    EXPECT_EQ(ErrorNumberOf([&] {
                ResultPair second(dir / "FRENCH", dir / "maths", std::chrono::milliseconds(100));
              }),
              kErrPermissionDenied);
  }
  // Let go with its holder, and removed.
  ResultPair(dir / "french", dir / "maths", std::chrono::milliseconds(0)).Commit();
  EXPECT_EQ(Contents(dir.Path()),
            (std::map<std::string, std::string>{{"french", ""}, {"maths", ""}}));
}

std::atomic<bool> interrupted{false};

BOOL WINAPI RecordInterrupt(DWORD) {
  interrupted = true;
  return TRUE;
}

TEST(WindowsResultPairTest, AConsoleInterruptWaitsForTheHoldToEnd) {
  // A console of its own, whose events reach no other program (and Wine gives a program started
  // without a terminal a console that takes none).
  ::FreeConsole();
  ::AllocConsole();
  ::SetConsoleCtrlHandler(nullptr, FALSE);
  ASSERT_NE(::SetConsoleCtrlHandler(RecordInterrupt, TRUE), 0);
  {
    const HeldSignals held;
    std::thread([] { ::GenerateConsoleCtrlEvent(CTRL_C_EVENT, 0); }).join();
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_FALSE(interrupted);
  }
  for (int i = 0; i < 100 && !interrupted; ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  EXPECT_TRUE(interrupted);
  ::SetConsoleCtrlHandler(RecordInterrupt, FALSE);
}

}  // namespace
}  // namespace ferolan
