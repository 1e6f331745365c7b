// The work area under attack and under load: exports that carry the program's own files,
// conversions run side by side, runs killed half-way, exports that are no files at all.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <thread>

#include "app/request/ConversionRequest.h"
#include "platform/posix/UniqueFd.h"
#include "platform/runtime/App.h"
#include "platform/runtime/WorkFolder.h"
#include "platform/scripted/ScriptedServices.h"
#include "tests/hostile/ConvertProcess.h"
#include "tests/hostile/TmpfsMount.h"
#include "tests/hostile/ZipBomb.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/TempDir.h"
#include "tests/support/WorkFolders.h"
#include "tests/zip/ArchiveMaker.h"

namespace ferolan::testing {
namespace {

namespace fs = std::filesystem;

struct FileState {
  std::uintmax_t size;
  ino_t inode;
  std::int64_t modified;
  bool operator==(const FileState&) const = default;
};

std::map<std::string, FileState> StateOf(const std::string& folder) {
  std::map<std::string, FileState> state;
  for (const auto& entry : fs::directory_iterator(folder)) {
    struct stat info {};
    ::lstat(entry.path().c_str(), &info);
    state[entry.path().filename()] = {static_cast<std::uintmax_t>(info.st_size), info.st_ino,
                                      info.st_mtim.tv_sec * 1'000'000'000 + info.st_mtim.tv_nsec};
  }
  return state;
}

std::vector<std::string> NamesIn(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

TEST(WorkAreaTest, AnExportCarryingTheProgramsFilesLeavesTheProgramsFolderAsItWas) {
  TempDir dir;
  const std::string programFolder = App::Path();
  const auto before = StateOf(programFolder);
  std::map<std::string, std::string> programFiles;
  for (const char* name : {"libunzip32.so", "ferolan-convert"}) {
    programFiles[name] = ReadBytes(programFolder + "/" + name);
  }
  const std::string jad = dir / "CE2.jad";
  MakeArchive(jad, {{.name = "libunzip32.so", .data = "#!/bin/sh\necho piégé\n"},
                    {.name = "ferolan-convert", .data = "#!/bin/sh\necho piégé\n"},
                    {.name = "ferolan", .data = "#!/bin/sh\necho piégé\n"},
                    {.name = "CE2.xml", .data = ExportXml(4)}});
  for (int run = 1; run <= 2; ++run) {
    const CommandRun converted = RunConvert(jad);
    EXPECT_EQ(converted.status, 0) << converted.output;
    EXPECT_EQ(converted.output, "Traitement terminé.\n");
  }
  EXPECT_EQ(StateOf(programFolder), before);
  for (const auto& [name, bytes] : programFiles) {
    EXPECT_EQ(ReadBytes(programFolder + "/" + name), bytes) << name;
  }
  EXPECT_TRUE(WorkFolders().empty());
}

// Two classes' exports of one name in two folders, and one export twice, converted side by
// side: each result file holds its own class, whole.
TEST(WorkAreaTest, ConversionsSideBySideKeepToTheirOwnFiles) {
  TempDir dir;
  const std::map<std::string, std::string> classes = {{"classe-A", "ALPHA"}, {"classe-B", "BETA"}};
  std::map<std::string, std::string> expected;  // result path -> bytes of a conversion alone
  for (const auto& [folder, surname] : classes) {
    fs::create_directory(dir / folder);
    const std::string jad = dir / (folder + "/CE2.jad");
    // Long enough that the runs overlap in every step.
    MakeArchive(jad, {{.name = "CE2.xml", .data = ExportXml(98, surname)}});
    ASSERT_EQ(RunConvert(jad).status, 0);
    for (const char* ending : {"1.c01", "2.c01"}) {
      const std::string result = dir / (folder + "/CE2" + ending);
      expected[result] = ReadBytes(result);
      ASSERT_NE(expected[result].find(surname + "1 "), std::string::npos);
      fs::remove(result);
    }
  }
  const std::string a = dir / "classe-A/CE2.jad";
  const std::string b = dir / "classe-B/CE2.jad";
  for (const auto& [first, second] : {std::pair{a, b}, std::pair{a, a}}) {
    for (int round = 0; round < 8; ++round) {
      const pid_t one = StartConvert(first);
      const pid_t other = StartConvert(second);
      EXPECT_EQ(WaitFor(one).status, 0);
      EXPECT_EQ(WaitFor(other).status, 0);
      for (const auto& [result, bytes] : expected) {
        if (!fs::exists(result)) continue;  // not written by the pair of the same export
        EXPECT_EQ(ReadBytes(result), bytes) << result << " round " << round;
      }
    }
  }
  EXPECT_TRUE(WorkFolders().empty());
}

// Waits until `caught` says the started run is where the test wants it; false when the run
// ended first.
bool WaitUntil(pid_t child, const std::function<bool(pid_t)>& caught) {
  for (;;) {
    if (caught(child)) return true;
    int status = 0;
    if (::waitpid(child, &status, WNOHANG) == child) return false;
    std::this_thread::sleep_for(std::chrono::microseconds(200));
  }
}

// Starts the command on `jad` and kills it where `caught` says; false when the run ended first.
bool KillWhen(const std::string& jad, const std::function<bool(pid_t)>& caught) {
  const pid_t child = StartConvert(jad);
  if (!WaitUntil(child, caught)) return false;
  ::kill(child, SIGKILL);
  WaitFor(child);
  return true;
}

// Whether an entry is being extracted, with more than `written` bytes written already.
bool ExtractionUnderWay(std::uintmax_t written = 0) {
  for (const std::string& folder : WorkFolders()) {
    std::error_code ec;
    for (const auto& entry : fs::recursive_directory_iterator(folder, ec)) {
      if (!entry.path().filename().string().ends_with(".part")) continue;
      if (written == 0 || entry.file_size(ec) > written) return true;
    }
  }
  return false;
}

// Pass 2 writes the result files, which have no name yet, beside the export.
bool ResultsUnderWay(pid_t child, const std::string& jad) {
  const std::string exportFolder = fs::path(jad).parent_path().string() + "/";
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator("/proc/" + std::to_string(child) + "/fd", ec)) {
    const std::string target = fs::read_symlink(entry.path(), ec).string();
    if (target.starts_with(exportFolder) && target != jad) return true;
  }
  return false;
}

TEST(WorkAreaTest, ARunKilledHalfWayLeavesNothingOnceRunAgain) {
  TempDir dir;
  const std::string jad = dir / "CE2.jad";
  {
    const std::string xml = dir / "source.xml";
    std::ofstream out(xml, std::ios::binary);
    WriteExportXml(out, 60000, 256 * kMiB);
    out.close();
    MakeStoredArchive(jad, "CE2.xml", xml);
    fs::remove(xml);
  }
  const std::string folder = dir.Path().string();
  EXPECT_TRUE(KillWhen(jad, [](pid_t) { return ExtractionUnderWay(); }))
      << "the run ended before it could be killed";
  EXPECT_TRUE(KillWhen(jad, [&](pid_t child) { return ResultsUnderWay(child, jad); }))
      << "the run ended before it could be killed";
  // The results' lock file stays for the next conversion of the export to take over.
  EXPECT_EQ(NamesIn(folder), (std::vector<std::string>{".ce21.c01.~ferolan-lock", "CE2.jad"}));

  const CommandRun again = RunConvert(jad);
  EXPECT_EQ(again.status, 0) << again.output;
  EXPECT_EQ(NamesIn(folder), (std::vector<std::string>{"CE2.jad", "CE21.c01", "CE22.c01"}));
  EXPECT_TRUE(WorkFolders().empty());
}

// An entry named as the lock of its request's folder is a file like any other: a conversion
// started while it lies there, its own run stopped, leaves that folder to its request.
TEST(WorkAreaTest, AnEntryNamedLockIsExtractedLikeAnyOther) {
  TempDir dir;
  const std::string first = dir / "CE2.jad";
  {
    std::ostringstream xml;
    WriteExportXml(xml, 4, 32 * kMiB);
    MakeArchive(first, {{.name = ".lock"}, {.name = "CE2.xml", .data = xml.str(), .stored = true}});
  }
  const std::string second = dir / "CM1.jad";
  MakeArchive(second, {{.name = "CM1.xml", .data = ExportXml(4)}});
  const pid_t child = StartConvert(first);
  // The empty ".lock" is in place once the export's bytes are being written.
  ASSERT_TRUE(WaitUntil(child, [](pid_t) { return ExtractionUnderWay(1); }))
      << "the run ended before it could be stopped";
  ::kill(child, SIGSTOP);
  const CommandRun meanwhile = RunConvert(second);
  ::kill(child, SIGCONT);
  EXPECT_EQ(WaitFor(child).status, 0);
  EXPECT_EQ(meanwhile.status, 0) << meanwhile.output;
  for (const char* result : {"CE21.c01", "CM11.c01"}) EXPECT_TRUE(Exists(dir / result)) << result;
  EXPECT_TRUE(WorkFolders().empty());
}

TEST(WorkAreaTest, AnExportThatIsAFifoEndsTheRequestAtOnce) {
  TempDir dir;
  const std::string fifo = dir / "x.jad";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const CommandRun run = RunConvert(fifo);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.output, "Error: impossible d'ouvrir le fichier " + fifo + "\n");

  ScriptedServices services;
  ConversionRequest request([] { return true; });
  EXPECT_EQ(request.ConvertChosenExport(fifo), RequestOutcome::kCannotOpen);
}

// A work root on a 64 MiB tmpfs of its own, for as long as the object lives.
struct TmpfsWorkRoot {
  static std::string Made(const TempDir& dir) {
    fs::create_directory(dir / "cache");
    return dir / "cache";
  }
  TempDir dir;
  std::string cache = Made(dir);
  TmpfsMount mount{cache, 64 * kMiB};
  ScopedEnv workRoot{"XDG_CACHE_HOME", cache};
};

// Entries that share their data on a small disk: each fits, together they do not.
TEST(WorkAreaTest, OverlappingEntriesStopBeforeTheWorkRootsDiskIsFull) {
  const TmpfsWorkRoot root;
  if (!root.mount.Mounted()) GTEST_SKIP() << "skipped: this machine lets the tests mount no tmpfs";
  const TempDir& dir = root.dir;

  const std::string jad = dir / "CE2.jad";
  std::vector<std::string> copies;
  for (int i = 1; i <= 300; ++i) copies.push_back("copie" + std::to_string(i) + ".xml");
  MakeSharedDataArchive(jad, {{copies, 8 * kMiB, 8 * kMiB}});
  const CommandRun run = RunConvert(jad);
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.output.find("libres sur le disque ; extraction arrêtée"), std::string::npos)
      << run.output;
  EXPECT_TRUE(WorkFolders().empty());
}

// An entry thousands of folders deep, left by a run that was killed: the next request's sweep
// removes it on a small stack and within a small open-files limit (in a process of its own). On a
// tmpfs, as removing 32,000 folders from some disks takes minutes.
TEST(WorkAreaTest, AFolderThirtyTwoThousandLevelsDeepIsSweptOnASmallStack) {
  const TmpfsWorkRoot root;
  if (!root.mount.Mounted()) GTEST_SKIP() << "skipped: this machine lets the tests mount no tmpfs";
  const std::string abandoned = WorkRootPath() + "/conversion-abandonne";
  fs::create_directories(abandoned);
  {
    UniqueFd level(::open(abandoned.c_str(), O_RDONLY | O_DIRECTORY));
    for (int depth = 0; depth < 32000; ++depth) {
      ASSERT_EQ(::mkdirat(level.Get(), "d", 0700), 0) << depth;
      level = UniqueFd(::openat(level.Get(), "d", O_RDONLY | O_DIRECTORY));
    }
  }
  const pid_t request = ::fork();
  if (request == 0) {
    const rlimit stack{256 * 1024, 256 * 1024};
    const rlimit files{256, 256};
    ::setrlimit(RLIMIT_STACK, &stack);
    ::setrlimit(RLIMIT_NOFILE, &files);
    WorkFolder::Create();
    ::_exit(0);
  }
  int status = -1;
  ASSERT_EQ(::waitpid(request, &status, 0), request);
  EXPECT_EQ(status, 0);
  EXPECT_TRUE(WorkFolders().empty());
}

}  // namespace
}  // namespace ferolan::testing
