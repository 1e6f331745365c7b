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

}  // namespace
}  // namespace ferolan
