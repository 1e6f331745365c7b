#include <algorithm>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/System.h"
#include "tests/zip/ZipFixture.h"

namespace ferolan::testing {
namespace {

namespace fs = std::filesystem;

// The name a path is stored under with its folders: the path without its root ("/", or a
// drive and "\\" on Windows), with "/" between its parts.
std::string Stored(const std::string& path) {
  const std::size_t root = kNamesAreBytes ? 0 : path.find(':') + 1;  // after the drive, if any
  std::string stored = path.substr(path.find_first_not_of("/\\", root));
  if (!kNamesAreBytes) std::replace(stored.begin(), stored.end(), '\\', '/');
  return stored;
}

std::vector<std::string> StoredNames(const std::string& archive) {
  std::vector<std::string> names;
  for (const StoredEntry& entry : ReadArchive(archive).entries) names.push_back(entry.name);
  return names;
}

class AddFileTest : public ZipTest {
 protected:
  AddFileTest() : archive(dir / "classe.zip"), folder(dir / "classe") {
    fs::create_directories(folder + "/sub");
    fs::create_directory(folder + "/empty");
    WriteBytes(folder + "/a.txt", "alpha");
    WriteBytes(folder + "/sub/b.txt", "beta");
    zip->Init(archive);
  }
  // What a fresh archive object reads from the archive through the unzip library.
  std::shared_ptr<ccZip> Reopened() {
    auto reader = ccZip::Create();
    reader->Init(archive);
    return reader;
  }

  const std::string archive;
  const std::string folder;
  std::shared_ptr<ccZip> zip = ccZip::Create();
};

TEST_F(AddFileTest, AFileIsStoredUnderItsPathAndExtractsBack) {
  const std::string file = folder + "/a.txt";
  ASSERT_EQ(zip->AddFile(file, false, false), 0);
  EXPECT_EQ(zip->count(), 1);
  EXPECT_EQ(zip->GetFile(1), Stored(file));
  EXPECT_EQ(zip->GetZipInfo(), Stored(file));
  EXPECT_FALSE(mZipDLLProc::m_bCollect);

  auto reader = Reopened();
  EXPECT_EQ(reader->GetFile(1), Stored(file));
  ASSERT_EQ(reader->Decompress(target, ""), 0) << reader->GetZipInfo();
  EXPECT_EQ(ReadBytes(target + "/" + Stored(file)), "alpha");
  // Written through a temporary file that is gone once the archive is in place.
  EXPECT_EQ(Listing(dir.Path().string()),
            (std::set<std::string>{"classe", "classe.zip", "target"}));
}

TEST_F(AddFileTest, FoldersAreStoredAsTheOptionsSay) {
  const std::string top = Stored(folder);
  const struct {
    const char* title;
    bool recurse;
    bool junk;
    std::vector<std::string> names;
  } cases[] = {
      {"the folder alone", false, false, {top + "/"}},
      {"recursing",
       true,
       false,
       {top + "/", top + "/a.txt", top + "/empty/", top + "/sub/", top + "/sub/b.txt"}},
      {"recursing without folders", true, true, {"a.txt", "b.txt"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.title);
    fs::remove(archive);
    ASSERT_EQ(zip->AddFile(folder, c.recurse, c.junk), 0);
    EXPECT_EQ(StoredNames(archive), c.names);
  }
  fs::remove(archive);
  // Without folders and without recursing, a folder has nothing to give.
  EXPECT_EQ(zip->AddFile(folder, false, true), 1);
  EXPECT_FALSE(Exists(archive));
}

TEST_F(AddFileTest, AddingToAnArchiveKeepsItsEntriesAndReplacesTheSameName) {
  ASSERT_EQ(zip->AddFile(folder + "/a.txt", false, true), 0);
  WriteBytes(folder + "/a.txt", "alpha, second version");
  ASSERT_EQ(zip->AddFile(folder + "/a.txt", false, true), 0);
  ASSERT_EQ(zip->AddFile(folder + "/sub/b.txt", false, true), 0);
  EXPECT_EQ(StoredNames(archive), (std::vector<std::string>{"a.txt", "b.txt"}));
  ASSERT_EQ(Reopened()->Decompress(target, ""), 0);
  EXPECT_EQ(ReadBytes(target + "/a.txt"), "alpha, second version");
}

TEST_F(AddFileTest, TheCommentIsWrittenAndKeptByALaterAddFileWithoutOne) {
  zip->Comm("Classe de CE2\nÉcole Jules Ferry");
  ASSERT_EQ(zip->AddFile(folder + "/a.txt", false, true), 0);
  EXPECT_EQ(Reopened()->Comm(), "Classe de CE2\nÉcole Jules Ferry");

  auto later = ccZip::Create();
  later->Init(archive);
  later->Comm("");
  ASSERT_EQ(later->AddFile(folder + "/sub/b.txt", false, true), 0);
  EXPECT_EQ(mZipDLLProc::zipOptions.comment, 1);
  const StoredArchive stored = ReadArchive(archive);
  EXPECT_EQ(stored.comment, "Classe de CE2\nÉcole Jules Ferry");
  EXPECT_EQ(stored.entries.size(), 2u);
}

TEST_F(AddFileTest, TheLevelGivesItsFirstDigitOrSignToTheLibrary) {
  std::string text;
  for (int i = 0; i < 20000; ++i) text += "eleve " + std::to_string(i * 7919 % 1000) + ";";
  WriteBytes(folder + "/a.txt", text);
  const struct {
    int32_t level;
    char byte;
    zip_uint16_t method;
  } cases[] = {{5, '5', ZIP_CM_DEFLATE},
               {10, '1', ZIP_CM_DEFLATE},
               {-3, '-', ZIP_CM_DEFLATE},
               {9, '9', ZIP_CM_DEFLATE},
               {0, '0', ZIP_CM_STORE}};
  std::map<int32_t, zip_uint64_t> sizes;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.level);
    fs::remove(archive);
    zip->Level(c.level);
    ASSERT_EQ(zip->AddFile(folder + "/a.txt", false, true), 0);
    EXPECT_EQ(mZipDLLProc::zipOptions.level, c.byte);
    const StoredEntry entry = ReadArchive(archive).entries.at(0);
    EXPECT_EQ(entry.method, c.method);
    sizes[c.level] = entry.compressedSize;
  }
  EXPECT_GT(sizes[10], sizes[5]);  // '1' is the fastest level
  EXPECT_EQ(sizes[-3], sizes[9]);  // '-' is the default level, the smallest
}

TEST_F(AddFileTest, AFileAddedTwiceIsListedOnceAndLoggedTwice) {
  const std::string file = folder + "/a.txt";
  ASSERT_EQ(zip->AddFile(file, false, false), 0);
  ASSERT_EQ(zip->AddFile(file, false, false), 0);
  EXPECT_EQ(zip->count(), 1);
  EXPECT_EQ(zip->GetZipInfo(), Stored(file) + Stored(file));
}

TEST_F(AddFileTest, AFailureLeavesTheArchiveAsItWas) {
  struct Case {
    const char* title;
    std::string path;
    int32_t result;
    bool removeWhileAdding;
  };
  std::vector<Case> cases = {
      {"a missing file", folder + "/absent.txt", ZIP32_ERR_MISSING, false},
      {"a file gone before the archive is written", folder + "/a.txt", ZIP32_ERR_WRITE, true},
  };
  // Where "\\" separates folders, no file name holds one.
  if (kNamesAreBytes) {
    WriteBytes(folder + "/back\\slash.txt", "b");
    cases.push_back(
        {"a name that reads back as folders", folder + "/back\\slash.txt", ZIP32_ERR_NAME, false});
  }
  for (const auto& c : cases) {
    SCOPED_TRACE(c.title);
    MakeArchive(archive, {{.name = "classe.xml", .data = "<export/>"}}, "comment");
    const std::string before = ReadBytes(archive);
    const std::set<std::string> files = Listing(dir.Path().string());
    ScriptedServices removing;
    if (c.removeWhileAdding) removing.onPendingEvents = [&] { fs::remove(c.path); };

    EXPECT_EQ(zip->AddFile(c.path, true, false), c.result);
    EXPECT_EQ(ReadBytes(archive), before);
    EXPECT_EQ(Listing(dir.Path().string()), files);
  }
}

TEST_F(AddFileTest, AFileThatIsNotAnArchiveIsNotReplaced) {
  WriteBytes(archive, "not a zip archive");
  EXPECT_EQ(zip->AddFile(folder + "/a.txt", false, false), ZIP32_ERR_ARCHIVE);
  EXPECT_EQ(ReadBytes(archive), "not a zip archive");
}

}  // namespace
}  // namespace ferolan::testing
