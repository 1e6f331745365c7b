#include <memory>
#include <string>
#include <vector>

#include "tests/zip/ZipFixture.h"

namespace ferolan::testing {
namespace {

using Kind = ArchiveEntry::Kind;

std::vector<std::string> Names(const ccZip& zip) {
  std::vector<std::string> names;
  for (int32_t i = 1; i <= zip.count(); ++i) names.push_back(zip.GetFile(i));
  return names;
}

class ccZipTest : public ZipTest {
 protected:
  std::string Sample(const std::string& comment = {}) {
    return Archive({{.name = "classe.xml", .data = "<export/>"},
                    {.name = "images", .kind = Kind::kFolder},
                    {.name = "images/logo.png", .data = "png"}},
                   comment);
  }
  std::shared_ptr<ccZip> zip = ccZip::Create();
};

TEST_F(ccZipTest, InitCollectsTheNamesOfBothPassesInOrder) {
  const std::string path = Sample();
  zip->Init(path);
  const std::vector<std::string> once = {"classe.xml", "images/", "images/logo.png"};
  std::vector<std::string> twice = once;
  twice.insert(twice.end(), once.begin(), once.end());
  EXPECT_EQ(Names(*zip), twice);
  EXPECT_EQ(zip->Name(), path);
  EXPECT_EQ(zip->Level(), 5);
  EXPECT_FALSE(mZipDLLProc::m_bCollect);
  // The log holds what the last pass reported, end to end.
  EXPECT_EQ(zip->GetZipInfo(), "classe.xmlimages/images/logo.png");
  EXPECT_TRUE(services.messages.empty());
}

TEST_F(ccZipTest, TheCommentPassMakesTheArchiveCommentComm) {
  zip->Init(Sample("Classe de CE2\nÉcole Jules Ferry"));
  EXPECT_EQ(zip->Comm(), "Classe de CE2\nÉcole Jules Ferry");
  EXPECT_FALSE(mZipDLLProc::m_bComment);
}

TEST_F(ccZipTest, WithoutACommentTheNextPrintedTextBecomesComm) {
  zip->Comm("earlier comment");
  zip->Init(Sample());
  EXPECT_EQ(zip->Comm(), "earlier comment");
  EXPECT_TRUE(mZipDLLProc::m_bComment);

  ASSERT_EQ(zip->Decompress(target, ""), 0);
  EXPECT_EQ(zip->Comm(), "extrait : classe.xml\n");
  EXPECT_FALSE(mZipDLLProc::m_bComment);
}

TEST_F(ccZipTest, GetFileGivesEntriesOnlyWithinTheList) {
  EXPECT_EQ(zip->Col(), nullptr);
  EXPECT_EQ(zip->count(), 0);
  EXPECT_EQ(zip->GetFile(1), "");

  zip->Init(Sample());
  ASSERT_EQ(zip->count(), 6);
  const struct {
    int32_t index;
    const char* name;
  } cases[] = {{-1, ""}, {0, ""}, {1, "classe.xml"}, {6, "images/logo.png"}, {7, ""}};
  for (const auto& c : cases) EXPECT_EQ(zip->GetFile(c.index), c.name) << c.index;
}

TEST_F(ccZipTest, DecompressWithoutATargetDoesNothing) {
  zip->Init(Sample());
  const std::string log = zip->GetZipInfo();
  auto other = ccZip::Create();
  EXPECT_EQ(other->Decompress("", ""), 1);
  EXPECT_EQ(other->GetZipInfo(), log);
  EXPECT_EQ(mZipDLLProc::m_oArchive, zip);
}

TEST_F(ccZipTest, InitOnAMissingFileCallsNothing) {
  zip->Comm("kept");
  const std::string missing = dir / "absent.jad";
  zip->Init(missing);
  ASSERT_NE(zip->Col(), nullptr);
  EXPECT_EQ(zip->count(), 0);
  EXPECT_EQ(zip->Name(), missing);
  EXPECT_EQ(zip->Comm(), "kept");
  EXPECT_EQ(zip->Level(), 5);
  EXPECT_EQ(mZipDLLProc::m_oArchive, nullptr);
}

TEST_F(ccZipTest, ASecondInitAndTheEndOfLifeEmptyTheListForItsHolders) {
  zip->Init(Sample());
  const std::shared_ptr<EntryList> first = zip->Col();
  MakeArchive(dir / "other.zip", {{.name = "other.xml", .data = "x"}});
  zip->Init(dir / "other.zip");
  EXPECT_EQ(first->Count(), 0);
  EXPECT_EQ(Names(*zip), (std::vector<std::string>{"other.xml", "other.xml"}));

  // The binding keeps the last archive alive until another one replaces it.
  const std::shared_ptr<EntryList> second = zip->Col();
  const std::weak_ptr<ccZip> watch = zip;
  zip.reset();
  ASSERT_FALSE(watch.expired());
  EXPECT_EQ(second->Count(), 2);
  mZipDLLProc::BindArchive(ccZip::Create());
  EXPECT_TRUE(watch.expired());
  EXPECT_EQ(second->Count(), 0);
}

TEST_F(ccZipTest, DecompressExtractsEveryEntryWithItsFolders) {
  zip->Init(Archive({{.name = "classe.xml", .data = "<export/>"},
                     {.name = "a/b/deep.txt", .data = "deep"},
                     {.name = "empty", .kind = Kind::kFolder},
                     {.name = "windows\\style.txt", .data = "backslash"}}));
  ASSERT_EQ(zip->Decompress(target, ""), 0) << zip->GetZipInfo();
  EXPECT_EQ(ReadBytes(target + "/classe.xml"), "<export/>");
  EXPECT_EQ(ReadBytes(target + "/a/b/deep.txt"), "deep");
  EXPECT_EQ(ReadBytes(target + "/windows/style.txt"), "backslash");
  EXPECT_TRUE(std::filesystem::is_directory(target + "/empty"));
  EXPECT_EQ(zip->GetZipInfo(),
            "extrait : classe.xml\nextrait : a/b/deep.txt\ncréé : empty/\n"
            "extrait : windows/style.txt\n");
}

TEST_F(ccZipTest, DecompressReplacesExistingFilesWithoutAsking) {
  WriteBytes(target + "/classe.xml", "an older and longer export");
  zip->Init(Sample());
  ASSERT_EQ(zip->Decompress(target, ""), 0);
  EXPECT_EQ(ReadBytes(target + "/classe.xml"), "<export/>");
  EXPECT_TRUE(services.messages.empty());
  EXPECT_EQ(Listing(target), (std::set<std::string>{"classe.xml", "images"}));
}

TEST_F(ccZipTest, AFileSpecExtractsOnlyTheEntriesItMatches) {
  zip->Init(Sample());
  ASSERT_EQ(zip->Decompress(target, "*.xml"), 0);
  EXPECT_EQ(Listing(target), std::set<std::string>{"classe.xml"});
  EXPECT_EQ(zip->Decompress(target, "nothing*"), 1);
}

}  // namespace
}  // namespace ferolan::testing
