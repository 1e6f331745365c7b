// Result files where teachers really write them: a FAT USB stick, and a folder where two
// conversions write the same results at once.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <string>

#include "platform/runtime/NameLock.h"
#include "platform/runtime/RuntimeError.h"
#include "tests/hostile/ConvertProcess.h"
#include "tests/hostile/FatMount.h"
#include "tests/support/ErrorNumber.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/TempDir.h"
#include "tests/zip/ArchiveMaker.h"

namespace ferolan::testing {
namespace {

namespace fs = std::filesystem;

constexpr unsigned kTeacher = 65534;  // a normal user, as a stick's owner

// Each name in the folder with its bytes, or only their count for a large file.
std::map<std::string, std::string> Contents(const std::string& folder) {
  std::map<std::string, std::string> contents;
  for (const auto& entry : fs::directory_iterator(folder)) {
    contents[entry.path().filename()] = entry.file_size() > 65536
                                            ? std::to_string(entry.file_size()) + " bytes"
                                            : ReadBytes(entry.path());
  }
  return contents;
}

// A normal user, with a copy of the program and a work root of the user's own (the build may
// lie where the user cannot reach it), converting on a stick that the user owns (vfat) or that
// shows every file as root's (fusefat).
class FatStickTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (stick_.Path().empty()) GTEST_SKIP() << "skipped: " << stick_.Why();
    std::cout << "FAT through " << stick_.Kind() << "\n";
    fs::permissions(home_.Path(), fs::perms(0755));
    fs::create_directory(home_ / "cache");
    ASSERT_EQ(::chown((home_ / "cache").c_str(), kTeacher, kTeacher), 0);
    const fs::path built = fs::path(FEROLAN_CONVERT).parent_path();
    fs::create_directory(home_ / "bin");
    for (const char* file : {"ferolan-convert", "libunzip32.so"}) {
      fs::copy_file(built / file, home_ / ("bin/" + std::string(file)));
    }
    jad_ = stick_.Path() + "/CE2.jad";
    PutExport(20);
  }

  // Made elsewhere and copied onto the stick, as a teacher brings an export.
  void PutExport(int pupils) {
    const std::string made = home_ / "CE2.jad";
    MakeArchive(made, {{.name = "CE2.xml", .data = ExportXml(pupils)}});
    WriteBytes(jad_, ReadBytes(made));
  }

  CommandRun Convert() { return RunConvert(jad_, kTeacher, home_ / "bin/ferolan-convert"); }

  FatMount stick_{8 << 20, kTeacher};
  TempDir home_;
  ScopedEnv cache_{"XDG_CACHE_HOME", home_ / "cache"};
  std::string jad_;
};

TEST_F(FatStickTest, ResultsAreReplacedRunAfterRunAndNothingElseIsLeft) {
  // A hidden temporary that a killed run left, as the system shows it to this user.
  WriteBytes(stick_.Path() + "/.CE21.c01.~ferolan-tmp-left", "killed run");
  for (int run = 1; run <= 3; ++run) {
    const CommandRun converted = Convert();
    EXPECT_EQ(converted.status, 0) << converted.output;
    EXPECT_EQ(converted.output, "Traitement terminé.\n");
  }
  std::set<std::string> names;
  for (const auto& [name, bytes] : Contents(stick_.Path())) names.insert(name);
  EXPECT_EQ(names, (std::set<std::string>{"CE2.jad", "CE21.c01", "CE22.c01"}));
}

TEST_F(FatStickTest, AFullStickKeepsTheEarlierResultsAndNothingElse) {
  ASSERT_EQ(Convert().status, 0);
  {
    std::ofstream filler(stick_.Path() + "/plein", std::ios::binary);
    const std::string block(1 << 16, 'x');
    while (filler.write(block.data(), static_cast<std::streamsize>(block.size()))) {
    }
  }
  const auto before = Contents(stick_.Path());
  const CommandRun converted = Convert();
  EXPECT_EQ(converted.status, 1) << converted.output;
  EXPECT_EQ(Contents(stick_.Path()), before);
}

// FAT ignores letter case: conversions of "e.jad" and "E.jad" write the same files, and take
// the same lock.
TEST_F(FatStickTest, NamesDifferingInCaseOnlyShareTheirLock) {
  const NameLock held(stick_.Path() + "/E1.c01", std::chrono::milliseconds(0));
  EXPECT_EQ(
      ErrorNumberOf([&] { NameLock(stick_.Path() + "/e1.c01", std::chrono::milliseconds(100)); }),
      kErrPermissionDenied);
}

// The same export twice (E.jad and its copy E.JAD, of other pupils), converted at once: each
// round leaves the two results of one of them, never one of each.
TEST(SameResultsTest, TwoConversionsWritingTheSameResultsNeverMixThem) {
  TempDir dir;
  const std::string lower = dir / "E.jad";
  const std::string upper = dir / "E.JAD";
  std::map<std::string, std::string> french;  // export -> its French result alone
  std::map<std::string, std::string> maths;
  for (const auto& [jad, surname] : {std::pair{lower, "ALPHA"}, std::pair{upper, "BETA"}}) {
    MakeArchive(jad, {{.name = "E.xml", .data = ExportXml(98, surname)}});
    ASSERT_EQ(RunConvert(jad).status, 0);
    french[jad] = ReadBytes(dir / "E1.c01");
    maths[jad] = ReadBytes(dir / "E2.c01");
  }
  for (int round = 0; round < 20; ++round) {
    const pid_t one = StartConvert(lower);
    const pid_t other = StartConvert(upper);
    EXPECT_EQ(WaitFor(one).status, 0);
    EXPECT_EQ(WaitFor(other).status, 0);
    const std::string frenchNow = ReadBytes(dir / "E1.c01");
    const std::string& from = frenchNow == french[lower] ? lower : upper;
    EXPECT_EQ(frenchNow, french[from]) << "round " << round;
    EXPECT_EQ(ReadBytes(dir / "E2.c01"), maths[from]) << "round " << round;
  }
  EXPECT_EQ(Contents(dir.Path()).size(), 4u) << "the exports and their results, nothing else";
}

}  // namespace
}  // namespace ferolan::testing
