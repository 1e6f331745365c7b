// What differs on Windows: the results refused up front, the undo of a rename that fails for a
// file another program holds, and console events held during the renames.
#include "platform/runtime/ResultPair.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <iostream>
#include <map>
#include <string>
#include <thread>

#include "platform/runtime/RuntimeError.h"
#include "platform/runtime/HeldSignals.h"
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

TEST(WindowsResultPairTest, AResultThatCannotBeReplacedIsRefusedWithNothingWritten) {
  struct Case {
    const char* what;
    void (*make)(const std::string& path);
    long number;
  };
  const Case cases[] = {
      {"read-only",
       [](const std::string& path) {
         WriteBytes(path, "old");
         ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
       },
       kErrPermissionDenied},
      {"folder", [](const std::string& path) { fs::create_directory(path); }, kErrPathFileAccess},
      {"link",
       [](const std::string& path) {
         WriteBytes(path + ".target", "old");
         // Wine 8 says it made one, and makes none: the case is then skipped.
         ::CreateSymbolicLinkA(path.c_str(), (path + ".target").c_str(),
                               SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE);
       },
       kErrPathFileAccess},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const TempDir dir;
    c.make(dir / "result");
    const DWORD attributes = ::GetFileAttributesA((dir / "result").c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
      std::cout << "skipped: this system makes no symbolic link\n";
      continue;
    }
    WriteBytes(dir / "other", "old other");
    const auto before = Contents(dir.Path());
    EXPECT_EQ(ErrorNumberOf([&] { ResultPair pair(dir / "other", dir / "result"); }), c.number);
    EXPECT_EQ(Contents(dir.Path()), before);
    ::SetFileAttributesA((dir / "result").c_str(), FILE_ATTRIBUTE_NORMAL);
  }
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
