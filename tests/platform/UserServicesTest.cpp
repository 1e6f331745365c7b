#include <gtest/gtest.h>

#include "platform/runtime/UserServices.h"
#include "platform/scripted/ScriptedServices.h"

namespace ferolan {
namespace {

TEST(UserServicesTest, BoxesWithoutTitleCarryTheProgramsTitle) {
  ScriptedServices services;
  services.messageAnswers = {vbNo};
  services.textAnswers = {"secret"};

  EXPECT_EQ(MsgBox("Question ?", vbYesNoCancel | vbExclamation, "Titre"), vbNo);
  EXPECT_EQ(MsgBox("Fini."), vbOK);
  EXPECT_EQ(InputBox("Mot de passe"), "secret");
  EXPECT_EQ(InputBox("Encore"), "");

  const std::vector<ScriptedServices::Message> expected = {{"Question ?", 51, "Titre"},
                                                           {"Fini.", 0, "Ferolan"}};
  EXPECT_EQ(services.messages, expected);
  ASSERT_EQ(services.textRequests.size(), 2u);
  EXPECT_EQ(services.textRequests[0].title, "Ferolan");
}

TEST(UserServicesTest, TheInnermostServicesAnswerAndTheOuterOnesComeBack) {
  ScriptedServices outer;
  {
    ScriptedServices inner;
    SetMousePointer(vbHourglass);
    EXPECT_EQ(inner.pointers, std::vector<int>{vbHourglass});
  }
  int rounds = 0;
  outer.onPendingEvents = [&] { ++rounds; };
  DoEvents();
  EXPECT_EQ(rounds, 1);
  EXPECT_EQ(outer.pendingEventRounds, 1);
  EXPECT_TRUE(outer.pointers.empty());
}

TEST(UserServicesTest, AReportTooLongForAMessageBoxIsCutSayingHowManyLinesWereLeftOut) {
  const auto lines = [](std::size_t count, const char* end) {
    std::string report;
    for (std::size_t i = 1; i <= count; ++i) report += "ligne " + std::to_string(i) + end;
    return report;
  };
  const struct {
    const char* what;
    std::string report;
    std::string shown;
  } table[] = {
      {"one line past the limit, kept whole", lines(kMostReportLines + 1, "\n"),
       lines(kMostReportLines + 1, "\n")},
      {"60,000 lines ending in LF", lines(60'000, "\n"),
       lines(kMostReportLines, "\n") + "… et 59960 lignes de plus, qui ne sont pas affichées."},
      {"CR LF and a last line without its end", lines(99, "\r\n") + "dernière",
       lines(kMostReportLines, "\r\n") + "… et 60 lignes de plus, qui ne sont pas affichées."},
  };
  for (const auto& row : table) {
    EXPECT_EQ(ReportForMessageBox(row.report), row.shown) << row.what;
  }
}

}  // namespace
}  // namespace ferolan
