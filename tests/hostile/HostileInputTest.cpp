// Hostile exports given to ferolan-convert and to the conversion request. Each must end with a
// clear message and a failing status, crash nothing, write nothing outside the export's folder
// and the program's folder, and leave the earlier result files as they were.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>
#include <zip.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <sstream>

#include "app/request/ConversionRequest.h"
#include "platform/runtime/App.h"
#include "platform/scripted/ScriptedServices.h"
#include "tests/hostile/ConvertProcess.h"
#include "tests/hostile/HostileExports.h"
#include "tests/hostile/TmpfsMount.h"
#include "tests/hostile/ZipBomb.h"
#include "tests/support/TempDir.h"
#include "tests/support/WorkFolders.h"
#include "tests/zip/ArchiveMaker.h"
#include "zip/ccZip.h"

namespace ferolan::testing {
namespace {

namespace fs = std::filesystem;

constexpr std::uint64_t kGiB = 1024 * kMiB;
constexpr const char* kEarlierResult = "résultats précédents\r\n";

std::set<std::string> NamesIn(const std::string& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename());
  return names;
}

// One export's folder with the results of an earlier conversion in it.
class ExportFolder {
 public:
  ExportFolder(std::string folder, std::string base)
      : folder_(std::move(folder)), base_(std::move(base)) {}
  std::string Jad() const { return folder_ + "/" + base_ + ".jad"; }
  std::string Result(const char* ending) const { return folder_ + "/" + base_ + ending; }

  void PlaceEarlierResults() {
    for (const char* ending : kResults) {
      if (!fs::is_directory(Result(ending))) WriteBytes(Result(ending), kEarlierResult);
    }
    names_ = NamesIn(folder_);
  }

  // Nothing added, removed or changed in the folder, and no work folder left.
  void ExpectUntouched() const {
    EXPECT_EQ(NamesIn(folder_), names_);
    for (const char* ending : kResults) {
      if (fs::is_regular_file(Result(ending))) {
        EXPECT_EQ(ReadBytes(Result(ending)), kEarlierResult) << ending;
      }
    }
    EXPECT_TRUE(WorkFolders().empty());
  }

  static constexpr std::array<const char*, 2> kResults = {"1.c01", "2.c01"};

 private:
  std::string folder_;
  std::string base_;
  std::set<std::string> names_;
};

std::string AllMessages(const ScriptedServices& services) {
  std::string text;
  for (const auto& message : services.messages) text += message.text + "\n";
  return text;
}

// The command on the export, then the request in this process: both must fail, say `said`,
// and leave the folder as it was.
void ExpectRefused(ExportFolder& folder, const std::string& said) {
  const CommandRun run = RunConvert(folder.Jad());
  EXPECT_TRUE(run.exited) << "ended by a signal:\n" << run.output;
  EXPECT_EQ(run.status, 1) << run.output;
  EXPECT_NE(run.output.find(said), std::string::npos) << run.output;
  folder.ExpectUntouched();

  ScriptedServices services;
  ConversionRequest request{[] { return true; }};
  EXPECT_NE(request.ConvertChosenExport(folder.Jad()), RequestOutcome::kConverted);
  EXPECT_NE(AllMessages(services).find(said), std::string::npos) << AllMessages(services);
  request.RemoveWorkFolder();
  folder.ExpectUntouched();
}

class HostileInputTest : public ::testing::TestWithParam<HostileCase> {
 protected:
  TempDir dir;
};

TEST_P(HostileInputTest, EndsWithAClearMessageAndDamagesNothing) {
  const HostileCase& hostile = GetParam();
  const std::string base = "hostile-" + hostile.name;
  ExportFolder folder(dir.Path().string(), base);
  hostile.make(folder.Jad(), base);
  folder.PlaceEarlierResults();
  ExpectRefused(folder, hostile.said);
  if (hostile.aimedAt) {
    for (const std::string& path : hostile.aimedAt(base)) EXPECT_FALSE(Exists(path)) << path;
  }
}

INSTANTIATE_TEST_SUITE_P(Exports, HostileInputTest, ::testing::ValuesIn(HostileCases()),
                         [](const auto& info) { return info.param.name; });

// The folders the results go to: taken by a folder, read-only, full.
class HostileOutputTest : public ::testing::Test {
 protected:
  std::string MountedFolder(std::size_t bytes) {
    const std::string folder = dir / "mounted";
    fs::create_directory(folder);
    mount_ = std::make_unique<TmpfsMount>(folder, bytes);
    return folder;
  }
  bool Mounted() const { return mount_ && mount_->Mounted(); }

  TempDir dir;
  std::unique_ptr<TmpfsMount> mount_;
};

TEST_F(HostileOutputTest, AResultNameTakenByAFolder) {
  ExportFolder folder(dir.Path().string(), "hostile-ResultNameTaken");
  MakeXmlEntry(folder.Jad(), "hostile-ResultNameTaken.xml", ExportXml(4));
  fs::create_directory(folder.Result("1.c01"));
  folder.PlaceEarlierResults();  // beside the folder, the earlier maths results
  ExpectRefused(folder, "Error: ");
  EXPECT_TRUE(fs::is_directory(folder.Result("1.c01")));
  EXPECT_TRUE(fs::is_empty(folder.Result("1.c01")));
}

TEST_F(HostileOutputTest, AnOutputFolderThatCannotBeWritten) {
  const std::string mounted = MountedFolder(1 << 20);
  if (!Mounted()) GTEST_SKIP() << "skipped: this machine lets the tests mount no tmpfs";
  ExportFolder folder(mounted, "hostile-ReadOnly");
  MakeXmlEntry(folder.Jad(), "hostile-ReadOnly.xml", ExportXml(4));
  folder.PlaceEarlierResults();
  ASSERT_TRUE(mount_->MakeReadOnly());
  ExpectRefused(folder, "Error: ");
}

TEST_F(HostileOutputTest, AFullOutputFolder) {
  const std::string mounted = MountedFolder(1 << 20);
  if (!Mounted()) GTEST_SKIP() << "skipped: this machine lets the tests mount no tmpfs";
  ExportFolder folder(mounted, "hostile-Full");
  MakeXmlEntry(folder.Jad(), "hostile-Full.xml", ExportXml(4000));
  folder.PlaceEarlierResults();
  ASSERT_TRUE(mount_->Fill(16 * 1024));
  folder.PlaceEarlierResults();  // the filler is part of what must stay
  ExpectRefused(folder, "Error: Disque plein");
}

// Not hostile in itself, but large: the export streams through extraction and conversion.
TEST(LargeExportTest, AGigabyteOfFillerIsConverted) {
  TempDir dir;
  const std::string base = "hostile-GigabyteOfFiller";
  ExportFolder folder(dir.Path().string(), base);
  const std::string xml = dir / "source.xml";
  {
    std::ofstream out(xml, std::ios::binary);
    WriteExportXml(out, 10, kGiB);
  }
  MakeStoredArchive(folder.Jad(), base + ".xml", xml);
  fs::remove(xml);

  const CommandRun run = RunConvert(folder.Jad());
  EXPECT_TRUE(run.exited);
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_EQ(run.output, "Traitement terminé.\n");
  for (const char* ending : ExportFolder::kResults) {
    const std::string results = ReadBytes(folder.Result(ending));
    EXPECT_EQ(std::count(results.begin(), results.end(), '\n'), 10) << ending;
  }
  EXPECT_TRUE(WorkFolders().empty());
}

// The declared sizes add up across entries: 1 MiB extracted, then an entry declaring the rest of
// the total (its data inflates to 1 MiB only, so the row that passes the limit costs little).
TEST(ArchiveLimitTest, OneArchiveGivesAtMostTwoGibibytesLessOneByte) {
  const struct {
    std::uint64_t total;
    bool refused;
  } table[] = {{2 * kGiB - 1, false}, {2 * kGiB, true}};
  for (const auto& row : table) {
    TempDir dir;
    const std::string jad = dir / "limite.jad";
    MakeSharedDataArchive(jad, {{{"a.xml"}, kMiB, kMiB}, {{"b.xml"}, row.total - kMiB, kMiB}});
    fs::create_directory(dir / "cible");
    ScriptedServices services;
    const auto archive = ccZip::Create();
    archive->Init(jad);
    archive->Decompress(dir / "cible", "");
    const std::string log = archive->GetZipInfo();
    EXPECT_EQ(log.find("qu'une archive peut contenir") != std::string::npos, row.refused)
        << row.total << "\n"
        << log;
  }
}

}  // namespace
}  // namespace ferolan::testing
