#include <cstring>
#include <stdexcept>
#include <string>

#include "tests/zip/ZipFixture.h"

namespace ferolan::testing {
namespace {

using namespace mZipDLLProc;

class UnzipCallbacksTest : public ZipTest {
 protected:
  UnzipCallbacksTest() {
    BindArchive(zip);
    zip->Init(dir / "absent.zip");  // an empty list, without calling the library
  }
  static void Report(const char* name) { OnUnzipEntry(0, 0, 0, 0, 0, 0, 0, 0, 0, name, 0, 0, 0); }
  std::shared_ptr<ccZip> zip = ccZip::Create();
};

TEST_F(UnzipCallbacksTest, PrintedTextIsLoggedUpToANulOrItsBound) {
  EXPECT_EQ(OnUnzipText("ab\0cd", 5), 0);
  EXPECT_EQ(m_sZipLog, "ab");
  const std::string longText(40000, 'x');
  OnUnzipText(longText.data(), static_cast<uint32_t>(longText.size()));
  EXPECT_EQ(m_sZipLog.size(), 2u + 32801u);
}

TEST_F(UnzipCallbacksTest, TheFirstPrintedTextAfterTheCommentFlagBecomesComm) {
  zip->Comm("old");
  m_sZipLog = "log";
  m_bComment = true;
  OnUnzipText("", 0);
  EXPECT_EQ(zip->Comm(), "");
  EXPECT_FALSE(m_bComment);
  EXPECT_EQ(m_sZipLog, "log");
  OnUnzipText("later", 5);
  EXPECT_EQ(zip->Comm(), "");
}

TEST_F(UnzipCallbacksTest, CollectedNamesAreCutAt256BytesAndLoggedEndToEnd) {
  m_bCollect = true;
  const std::string longName(300, 'n');
  Report("first.xml");
  Report(longName.c_str());
  Report("first.xml");
  ASSERT_EQ(zip->count(), 3);
  EXPECT_EQ(zip->GetFile(2), longName.substr(0, 256));
  EXPECT_EQ(zip->GetFile(3), "first.xml");
  EXPECT_EQ(m_sZipLog, "first.xml" + longName.substr(0, 256) + "first.xml");
  EXPECT_EQ(services.pendingEventRounds, 0);
}

TEST_F(UnzipCallbacksTest, ReportsOutsideCollectionOnlyLetEventsRunAndSwallowTheirFailures) {
  services.onPendingEvents = [] { throw std::runtime_error("from an event handler"); };
  Report("ignored.xml");
  EXPECT_EQ(services.pendingEventRounds, 1);
  EXPECT_EQ(zip->count(), 0);
  EXPECT_EQ(m_sZipLog, "");
}

TEST_F(UnzipCallbacksTest, TheOverwriteAnswerFollowsTheButton) {
  const struct {
    int button;
    int32_t answer;
  } cases[] = {{vbYes, 102}, {vbNo, 100}, {vbCancel, 104}};
  const std::string longName = std::string(250, 'd') + "/file.xml";
  for (const auto& c : cases) {
    services.messageAnswers = {c.button};
    EXPECT_EQ(OnUnzipOverwrite(longName.c_str()), c.answer) << c.button;
  }
  ASSERT_EQ(services.messages.size(), 3u);
  EXPECT_EQ(services.messages[0].text, "Overwrite " + longName.substr(0, 256) + "?");
}

TEST_F(UnzipCallbacksTest, APasswordIsCutAndAlwaysEndsInANul) {
  const struct {
    const char* title;
    std::string answer;
    uint32_t size;
    std::string written;
  } cases[] = {
      {"fits", "sesame", 257, "sesame"},
      {"cut to the buffer", "sesame", 4, "ses"},
      {"cut to 256", std::string(300, 'p'), 400, std::string(256, 'p')},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.title);
    services.textAnswers = {c.answer};
    char buffer[400];
    std::memset(buffer, 'z', sizeof buffer);
    EXPECT_EQ(OnUnzipPassword(buffer, c.size, "prompt", "entry"), 0);
    EXPECT_EQ(std::string(buffer), c.written);
    // The bytes up to the buffer's size or 257 are cleared; none beyond is touched.
    const std::size_t cleared = std::min<std::size_t>(c.size, 257);
    EXPECT_EQ(std::string(buffer + c.written.size(), buffer + cleared),
              std::string(cleared - c.written.size(), '\0'));
    EXPECT_EQ(std::string(buffer + cleared, buffer + sizeof buffer),
              std::string(sizeof buffer - cleared, 'z'));
  }
}

TEST_F(UnzipCallbacksTest, NoPasswordAnswersOneAndLeavesTheBuffer) {
  char buffer[8] = "zzzzzzz";
  services.textAnswers = {""};
  EXPECT_EQ(OnUnzipPassword(buffer, sizeof buffer, "prompt", "entry"), 1);
  services.textAnswers = {"sesame"};
  EXPECT_EQ(OnUnzipPassword(buffer, 0, "prompt", "entry"), 1);
  EXPECT_STREQ(buffer, "zzzzzzz");
  EXPECT_EQ(services.textRequests.size(), 2u);
  EXPECT_EQ(OnUnzipProgress("entry", 10), 0);
}

}  // namespace
}  // namespace ferolan::testing
