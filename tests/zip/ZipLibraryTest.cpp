// The zip library's own choices, driven through the binding's records.
#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/System.h"
#include "tests/zip/ZipFixture.h"

namespace ferolan::testing {
namespace {

namespace fs = std::filesystem;
using mZipDLLProc::zipOptions;

class ZipLibraryTest : public ZipTest {
 protected:
  ZipLibraryTest() : archive(dir / "out.zip"), folder(dir / "in") {
    fs::create_directories(folder + "/sub");
    WriteBytes(folder + "/a.txt", "alpha");
    WriteBytes(folder + "/sub/a.txt", "another alpha");
    zipOptions.addToExisting = 1;
  }
  std::vector<std::string> StoredNames() const {
    std::vector<std::string> names;
    for (const StoredEntry& entry : ReadArchive(archive).entries) names.push_back(entry.name);
    return names;
  }
  const std::string archive;
  const std::string folder;
};

TEST_F(ZipLibraryTest, NamesThatWouldNotReadBackAsTheirPathAreRefused) {
  if (!kNamesAreBytes) GTEST_SKIP() << "skipped: this system's names cannot hold these bytes";
  WriteBytes(folder + "/win\\dows.txt", "w");
  WriteBytes(folder + "/C:drive.txt", "c");
  WriteBytes(folder + "/\xE9t\xE9.txt", "latin-1");
  const struct {
    const char* title;
    std::vector<std::string> paths;
    bool junk;
    bool recurse;
  } cases[] = {
      {"a \"..\" part", {folder + "/sub/../a.txt"}, false, false},
      {"a backslash", {folder + "/win\\dows.txt"}, false, false},
      {"a drive letter", {folder + "/C:drive.txt"}, true, false},
      {"not UTF-8", {folder + "/\xE9t\xE9.txt"}, true, false},
      {"two files under one name", {folder + "/a.txt", folder + "/sub/a.txt"}, true, false},
      {"two files under one name, recursing", {folder + "/sub", folder}, true, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.title);
    zipOptions.junkFolders = c.junk ? 1 : 0;
    zipOptions.recurse = c.recurse ? 1 : 0;
    EXPECT_EQ(Zip(archive, c.paths), ZIP32_ERR_NAME);
    EXPECT_FALSE(Exists(archive));
  }
}

TEST_F(ZipLibraryTest, TheSameFileListedTwiceIsStoredOnce) {
  zipOptions.junkFolders = 1;
  ASSERT_EQ(Zip(archive, {folder + "/a.txt", folder + "/./a.txt"}), 0);
  EXPECT_EQ(StoredNames(), std::vector<std::string>{"a.txt"});
}

TEST_F(ZipLibraryTest, RecursingStoresLinkedFilesButNeitherLinkedFoldersNorTheArchive) {
  if (!MakeSymbolicLink(folder + "/sub", folder + "/linked-folder") ||
      !MakeSymbolicLink(folder + "/a.txt", folder + "/linked.txt")) {
    GTEST_SKIP() << "skipped: this system makes no symbolic link";
  }
  MakeArchive(folder + "/inside.zip", {{.name = "x", .data = "x"}});
  zipOptions.recurse = 1;
  const std::string inside = folder + "/inside.zip";
  ASSERT_EQ(Zip(inside, {folder}), ZIP32_WARNING);
  std::vector<std::string> names;
  for (const StoredEntry& entry : ReadArchive(inside).entries) names.push_back(entry.name);
  const std::string top = folder.substr(1);
  EXPECT_EQ(names, (std::vector<std::string>{"x", top + "/", top + "/a.txt", top + "/linked.txt",
                                             top + "/sub/", top + "/sub/a.txt"}));
}

TEST_F(ZipLibraryTest, EncryptionAsksOnePasswordAndTheEntriesExtractWithIt) {
  zipOptions.encrypt = 1;
  services.textAnswers = {""};
  EXPECT_EQ(Zip(archive, {folder + "/a.txt"}), ZIP32_ERR_PASSWORD);
  EXPECT_FALSE(Exists(archive));

  services.textAnswers = {"sésame"};
  zipOptions.junkFolders = 1;
  ASSERT_EQ(Zip(archive, {folder + "/a.txt"}), 0);
  EXPECT_EQ(ReadArchive(archive).entries.at(0).encryption, ZIP_EM_AES_256);
  auto reader = ccZip::Create();
  reader->Init(archive);
  services.textAnswers = {"sésame"};
  ASSERT_EQ(reader->Decompress(target, ""), 0) << reader->GetZipInfo();
  EXPECT_EQ(ReadBytes(target + "/a.txt"), "alpha");
}

TEST_F(ZipLibraryTest, CallsItCannotServeChangeNothing) {
  const struct {
    const char* title;
    std::string archive;
    std::vector<std::string> paths;
    void (*set)(ZipOptions&);
    int32_t result;
  } cases[] = {
      {"an unsupported option",
       archive,
       {folder + "/a.txt"},
       [](ZipOptions& options) { options.reserved1[0] = 1; },
       ZIP32_ERR_ARGUMENTS},
      {"no folder for the archive",
       dir / "absent/out.zip",
       {folder + "/a.txt"},
       [](ZipOptions&) {},
       ZIP32_ERR_OPEN},
      {"a folder as the archive", folder, {folder + "/a.txt"}, [](ZipOptions&) {}, ZIP32_ERR_OPEN},
      {"nothing listed", archive, {}, [](ZipOptions&) {}, ZIP32_WARNING},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.title);
    const ZipOptions saved = zipOptions;
    c.set(zipOptions);
    EXPECT_EQ(Zip(c.archive, c.paths), c.result);
    zipOptions = saved;
    EXPECT_FALSE(Exists(archive));
  }
}

}  // namespace
}  // namespace ferolan::testing
