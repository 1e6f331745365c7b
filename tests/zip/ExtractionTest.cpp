#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/support/System.h"
#include "tests/zip/ZipFixture.h"

namespace ferolan::testing {
namespace {

using Kind = ArchiveEntry::Kind;
using Settings = mZipDLLProc::UnzipSettings;

constexpr Settings kAskBeforeOverwriting{.askBeforeOverwrite = 1, .keepFolders = 1};

bool PathExists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::exists(std::filesystem::symlink_status(path, ec));
}

class ExtractionTest : public ZipTest {
 protected:
  int32_t Decompress(const std::string& archive) {
    zip->Init(archive);
    return zip->Decompress(target, "");
  }
  std::shared_ptr<ccZip> zip = ccZip::Create();
};

TEST_F(ExtractionTest, TheOverwriteQuestionIsObeyed) {
  const struct {
    const char* title;
    std::vector<int> answers;
    const char* first;
    const char* second;
    std::size_t questions;
  } cases[] = {
      {"Yes to both", {vbYes, vbYes}, "new a", "new b", 2},
      {"No, then Yes", {vbNo, vbYes}, "old a", "new b", 2},
      {"Cancel replaces none", {vbCancel}, "old a", "old b", 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.title);
    ScriptedServices answering;
    answering.messageAnswers.assign(c.answers.begin(), c.answers.end());
    WriteBytes(target + "/a.txt", "old a");
    std::filesystem::create_directory(target + "/sub");
    WriteBytes(target + "/sub/b.txt", "old b");
    const std::string archive =
        Archive({{.name = "a.txt", .data = "new a"}, {.name = "sub/b.txt", .data = "new b"}});

    EXPECT_EQ(Unzip(archive, kAskBeforeOverwriting), 0);
    EXPECT_EQ(ReadBytes(target + "/a.txt"), c.first);
    EXPECT_EQ(ReadBytes(target + "/sub/b.txt"), c.second);
    ASSERT_EQ(answering.messages.size(), c.questions);
    EXPECT_EQ(answering.messages[0],
              (ScriptedServices::Message{"Overwrite a.txt?", vbYesNoCancel | vbExclamation,
                                         "UnZip - File Already Exists!"}));
    if (c.questions == 2) {
      EXPECT_EQ(answering.messages[1].text, "Overwrite sub/b.txt?");
    }
  }
}

TEST_F(ExtractionTest, WithoutAskingOrReplacingExistingFilesAreKept) {
  WriteBytes(target + "/a.txt", "old a");
  EXPECT_EQ(Unzip(Archive({{.name = "a.txt", .data = "new a"}}), Settings{.keepFolders = 1}), 0);
  EXPECT_EQ(ReadBytes(target + "/a.txt"), "old a");
  EXPECT_TRUE(services.messages.empty());
  EXPECT_EQ(mZipDLLProc::m_sZipLog, "conservé : a.txt\n");
}

TEST_F(ExtractionTest, EncryptedEntriesNeedTheirPassword) {
  const struct {
    const char* title;
    zip_uint16_t method;
    const char* answer;
    bool extracted;
  } cases[] = {
      {"traditional, right", ZIP_EM_TRAD_PKWARE, "sésame", true},
      {"traditional, wrong", ZIP_EM_TRAD_PKWARE, "wrong", false},
      {"AES, right", ZIP_EM_AES_256, "sésame", true},
      {"AES, wrong", ZIP_EM_AES_256, "wrong", false},
      {"AES, none given", ZIP_EM_AES_256, "", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.title);
    ScriptedServices answering;
    answering.textAnswers = {c.answer};
    std::filesystem::remove(target + "/secret.txt");
    const std::string archive = Archive({{.name = "plain.txt", .data = "plain"},
                                         {.name = "secret.txt",
                                          .data = "the pupils' results",
                                          .encryption = c.method,
                                          .password = "sésame"}});
    const int32_t result = Decompress(archive);
    EXPECT_EQ(ReadBytes(target + "/plain.txt"), "plain");
    ASSERT_EQ(answering.textRequests.size(), 1u);
    EXPECT_EQ(answering.textRequests[0],
              (ScriptedServices::TextRequest{"Please Enter The Password!", "Ferolan", ""}));
    if (c.extracted) {
      EXPECT_EQ(result, 0) << zip->GetZipInfo();
      EXPECT_EQ(ReadBytes(target + "/secret.txt"), "the pupils' results");
    } else {
      EXPECT_GE(result, 2);
      EXPECT_FALSE(PathExists(target + "/secret.txt"));
      EXPECT_NE(zip->GetZipInfo().find("erreur : secret.txt : "), std::string::npos);
      EXPECT_EQ(Listing(target), std::set<std::string>{"plain.txt"});
    }
  }
}

TEST_F(ExtractionTest, APasswordThatOpenedOneEntryIsTriedOnTheNext) {
  services.textAnswers = {"sésame"};
  const ArchiveEntry secret{.encryption = ZIP_EM_AES_128, .password = "sésame"};
  ArchiveEntry first = secret, second = secret;
  first.name = "one.txt", first.data = "1";
  second.name = "two.txt", second.data = "2";
  EXPECT_EQ(Decompress(Archive({first, second})), 0);
  EXPECT_EQ(services.textRequests.size(), 1u);
  EXPECT_EQ(ReadBytes(target + "/two.txt"), "2");
}

// Each archive holds one entry that must not be written, then a harmless one.
TEST_F(ExtractionTest, EntriesThatWouldLeaveTheTargetAreRefusedAndTheOthersExtracted) {
  const std::string outside = dir / "outside";
  struct Case {
    const char* title;
    std::vector<ArchiveEntry> hostile;
    const char* why;
  };
  std::vector<Case> cases = {
      {"parent folder", {{.name = "../evil.txt", .data = "x"}}, "« .. »"},
      {"parent deeper down", {{.name = "sub/../../evil.txt", .data = "x"}}, "« .. »"},
      {"parent with backslashes", {{.name = "..\\evil.txt", .data = "x"}}, "« .. »"},
      // Windows' absolute paths start with their drive.
      {"absolute path",
       {{.name = outside + "/evil.txt", .data = "x"}},
       outside.starts_with('/') ? "chemin absolu" : "lettre de lecteur"},
      {"drive letter", {{.name = "C:/evil.txt", .data = "x"}}, "lettre de lecteur"},
      {"drive-relative", {{.name = "c:evil.txt", .data = "x"}}, "lettre de lecteur"},
      {"symbolic link",
       {{.name = "link", .data = outside, .kind = Kind::kSymbolicLink},
        {.name = "link/evil.txt", .data = "x"}},
       "lien symbolique"},
  };
  // Names that Windows would take for another file than the one named.
  if (!kNamesAreBytes) {
    cases.push_back({"device", {{.name = "sub/com1.log", .data = "x"}}, "nom de périphérique"});
    cases.push_back({"trailing dot", {{.name = "evil.", .data = "x"}}, "finit par un point"});
    cases.push_back({"stream", {{.name = "good.txt:hidden", .data = "x"}}, "caractère interdit"});
  }
  for (const auto& c : cases) {
    SCOPED_TRACE(c.title);
    std::filesystem::remove_all(target);
    std::filesystem::create_directory(target);
    std::filesystem::create_directory(outside);
    std::vector<ArchiveEntry> entries = c.hostile;
    entries.push_back({.name = "good.txt", .data = "good"});

    EXPECT_GE(Decompress(Archive(entries)), 2);
    EXPECT_EQ(ReadBytes(target + "/good.txt"), "good");
    EXPECT_TRUE(Listing(outside).empty());
    EXPECT_EQ(Listing(dir.Path().string()),
              (std::set<std::string>{"archive.zip", "outside", "target"}));
    const std::string log = zip->GetZipInfo();
    EXPECT_NE(log.find("erreur : " + c.hostile[0].name + " : "), std::string::npos) << log;
    EXPECT_NE(log.find(c.why), std::string::npos) << log;
  }
}

TEST_F(ExtractionTest, ASymbolicLinkAlreadyInTheTargetIsNotFollowed) {
  const std::string outside = dir / "outside";
  std::filesystem::create_directory(outside);
  if (!MakeSymbolicLink(outside, target + "/sub")) {
    GTEST_SKIP() << "skipped: this system makes no symbolic link";
  }
  EXPECT_EQ(Decompress(Archive({{.name = "sub/evil.txt", .data = "x"}})), UNZIP32_ERR_UNSAFE);
  EXPECT_TRUE(Listing(outside).empty());
}

std::string Damaged(std::string bytes, const std::string& data) {
  bytes[bytes.find(data) + 3] ^= 0x20;
  return bytes;
}

TEST_F(ExtractionTest, DamagedArchivesFailWithoutLeavingPartialFiles) {
  const std::string data = "the content of the stored entry";
  MakeArchive(dir / "good.zip", {{.name = "a.txt", .data = data, .stored = true},
                                 {.name = "b.txt", .data = std::string(5000, 'b')}});
  const std::string good = ReadBytes(dir / "good.zip");
  const struct {
    const char* title;
    std::string bytes;
    int32_t result;
    const char* said;
  } cases[] = {
      {"not a zip archive", "<?xml version=\"1.0\"?><export/>", UNZIP32_ERR_ARCHIVE,
       "ce n'est pas une archive zip"},
      {"empty file", "", UNZIP32_ERR_ARCHIVE, "fichier vide, ce n'est pas une archive zip"},
      {"cut in half", good.substr(0, good.size() / 2), UNZIP32_ERR_ARCHIVE,
       "archive zip tronquée ou abîmée"},
      {"last bytes missing", good.substr(0, good.size() - 4), UNZIP32_ERR_ARCHIVE, "archive zip"},
      {"damaged data", Damaged(good, data), UNZIP32_ERR_ENTRY,
       "erreur : a.txt : données abîmées (somme de contrôle CRC fausse)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.title);
    WriteBytes(target + "/a.txt", "the earlier a.txt");
    const std::string archive = dir / "damaged.zip";
    WriteBytes(archive, c.bytes);
    EXPECT_EQ(Decompress(archive), c.result);
    EXPECT_NE(zip->GetZipInfo().find(c.said), std::string::npos) << zip->GetZipInfo();
    EXPECT_EQ(ReadBytes(target + "/a.txt"), "the earlier a.txt");
    const std::set<std::string> left = Listing(target);
    EXPECT_TRUE(left == std::set<std::string>{"a.txt"} ||
                left == (std::set<std::string>{"a.txt", "b.txt"}));
  }
}

TEST_F(ExtractionTest, AnArchiveWithoutEntriesIsAWarning) {
  const std::string archive = dir / "empty.zip";
  WriteBytes(archive, std::string("PK\x05\x06") + std::string(18, '\0'));
  EXPECT_EQ(Decompress(archive), UNZIP32_WARNING);
  EXPECT_NE(zip->GetZipInfo().find("avertissement : " + archive +
                                   " : l'archive ne contient aucune entrée"),
            std::string::npos)
      << zip->GetZipInfo();
  EXPECT_TRUE(Listing(target).empty());
}

TEST_F(ExtractionTest, AFileInTheWayOfAFolderFailsThatEntryOnly) {
  WriteBytes(target + "/sub", "a file");
  EXPECT_EQ(
      Decompress(Archive({{.name = "sub/a.txt", .data = "a"}, {.name = "b.txt", .data = "b"}})),
      UNZIP32_ERR_WRITE);
  EXPECT_EQ(ReadBytes(target + "/sub"), "a file");
  EXPECT_EQ(ReadBytes(target + "/b.txt"), "b");
}

// A folder that ignores letter case (Windows', FAT) cannot hold both: the first stays, and the
// second is said, never written over it.
TEST_F(ExtractionTest, EntriesDifferingOnlyInLetterCaseNeverReplaceEachOther) {
  WriteBytes(target + "/Casse", "");
  const bool foldsCase = PathExists(target + "/casse");
  std::filesystem::remove(target + "/Casse");
  const int32_t result = Decompress(
      Archive({{.name = "CE2-A.xml", .data = "first"}, {.name = "ce2-a.xml", .data = "second"}}));
  EXPECT_EQ(ReadBytes(target + "/CE2-A.xml"), "first");
  if (foldsCase) {
    EXPECT_EQ(result, UNZIP32_ERR_WRITE);
    EXPECT_NE(zip->GetZipInfo().find("ce2-a.xml : ne diffère de CE2-A.xml"), std::string::npos)
        << zip->GetZipInfo();
  } else {
    EXPECT_EQ(result, UNZIP32_OK);
    EXPECT_EQ(ReadBytes(target + "/ce2-a.xml"), "second");
  }
}

TEST_F(ExtractionTest, ADosFolderIsAFolderAndFilesKeepTheirModificationTime) {
  constexpr std::time_t kModified = 1'262'347'200;  // 2010-01-01 12:00:00 UTC
  EXPECT_EQ(Decompress(Archive({{.name = "dossier", .kind = Kind::kDosFolder},
                                {.name = "eleves.xml", .data = "<x/>", .modified = kModified}})),
            UNZIP32_OK);
  EXPECT_TRUE(std::filesystem::is_directory(target + "/dossier"));
  const auto modified =
      std::chrono::file_clock::to_sys(std::filesystem::last_write_time(target + "/eleves.xml"));
  // the archive keeps the time to two seconds
  EXPECT_NEAR(std::chrono::system_clock::to_time_t(modified), kModified, 2);
}

}  // namespace
}  // namespace ferolan::testing
