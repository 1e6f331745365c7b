#include <cstring>
#include <stdexcept>
#include <string>

#include "tests/zip/ZipFixture.h"

namespace ferolan::testing {
namespace {

using namespace mZipDLLProc;

class ZipCallbacksTest : public ZipTest {
 protected:
  ZipCallbacksTest() {
    BindArchive(zip);
    zip->Init(dir / "absent.zip");  // an empty list, without calling the library
  }
  std::shared_ptr<ccZip> zip = ccZip::Create();
};

TEST_F(ZipCallbacksTest, PrintedTextOnlyLetsEventsRun) {
  services.onPendingEvents = [] { throw std::runtime_error("from an event handler"); };
  EXPECT_EQ(OnZipText("adding: a.txt\n", 14), 0);
  EXPECT_EQ(services.pendingEventRounds, 1);
  EXPECT_EQ(m_sZipLog, "");
}

TEST_F(ZipCallbacksTest, TheCommentIsWrittenUpTo4096BytesWithANul) {
  const struct {
    const char* title;
    std::string comment;
    std::string written;
  } cases[] = {
      {"short", "Classe de CE2", "Classe de CE2"},
      {"cut", std::string(5000, 'c'), std::string(4096, 'c')},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.title);
    zip->Comm(c.comment);
    std::string buffer(5000, 'z');
    EXPECT_EQ(OnZipComment(buffer.data()), 1);
    EXPECT_EQ(buffer.substr(0, c.written.size()), c.written);
    EXPECT_EQ(buffer[c.written.size()], '\0');
  }
  zip->Comm("");
  char untouched[4] = "zzz";
  EXPECT_EQ(OnZipComment(untouched), 1);
  EXPECT_STREQ(untouched, "zzz");
}

TEST_F(ZipCallbacksTest, APasswordIsCutAt4096Bytes) {
  services.textAnswers = {std::string(5000, 'p'), ""};
  std::string buffer(5000, 'z');
  EXPECT_EQ(OnZipPassword(buffer.data(), 5000, "prompt", "archive.zip"), 0);
  EXPECT_EQ(buffer.substr(0, 4097), std::string(4096, 'p') + '\0');
  EXPECT_EQ(buffer[4097], 'z');
  EXPECT_EQ(services.textRequests.at(0).prompt, "Please Enter The Password!");
  EXPECT_EQ(OnZipPassword(buffer.data(), 5000, "prompt", "archive.zip"), 1);
}

TEST_F(ZipCallbacksTest, ANameIsListedOnceWhateverItsCaseAndLoggedEachTime) {
  m_bCollect = true;
  const std::string longName(5000, 'n');
  EXPECT_EQ(OnZipEntry("Classe/Eleves.txt", 10), 0);
  EXPECT_EQ(OnZipEntry("CLASSE/eleves.TXT", 10), 0);
  EXPECT_EQ(OnZipEntry(longName.c_str(), 10), 0);
  ASSERT_EQ(zip->count(), 2);
  EXPECT_EQ(zip->GetFile(1), "Classe/Eleves.txt");
  EXPECT_EQ(zip->GetFile(2), longName.substr(0, 4097));
  EXPECT_EQ(m_sZipLog, "Classe/Eleves.txtCLASSE/eleves.TXT" + longName.substr(0, 4097));

  m_bCollect = false;
  EXPECT_EQ(OnZipEntry("later.txt", 10), 0);
  EXPECT_EQ(zip->count(), 2);
  EXPECT_EQ(services.pendingEventRounds, 4);
}

TEST_F(ZipCallbacksTest, ARemovedEntryGivesBackItsKey) {
  EntryList list;
  EXPECT_TRUE(list.Add("a.txt", "a.txt"));
  list.Add("A.TXT");  // without a key, beside a keyed one
  EXPECT_FALSE(list.Add("other", "A.Txt"));
  list.Remove(1);
  EXPECT_TRUE(list.Add("again", "a.TXT"));
  ASSERT_EQ(list.Count(), 2);
  EXPECT_EQ(list.Item(1), "A.TXT");
  EXPECT_EQ(list.Item(2), "again");
}

}  // namespace
}  // namespace ferolan::testing
