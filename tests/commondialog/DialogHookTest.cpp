// The hook of a file dialog: every message and notification the platform sends it, as events
// of the owner of the cCommonDialog that showed the dialog.
#include <gtest/gtest.h>

#include "commondialog/GCommonDialog.h"
#include "commondialog/cCommonDialog.h"
#include "commondialog/mDialogHook.h"
#include "platform/runtime/RuntimeError.h"
#include "tests/commondialog/DialogScript.h"

namespace ferolan {
namespace {

using namespace winapi;
using testing::kHookWindow;
using testing::Notification;
using testing::Pick;
using testing::RecordingOwner;

struct MessageCase {
  const char* name;
  UINT msg;
  UINT code;  // for WM_NOTIFY
  bool cancelConfirm;
  UINT_PTR answer;
  std::vector<std::string> events;
  std::optional<LONG> messageResult;  // what the hook left in DWL_MSGRESULT
};

void PrintTo(const MessageCase& c, std::ostream* os) { *os << c.name; }

class HookMessageTest : public ::testing::TestWithParam<MessageCase> {};

TEST_P(HookMessageTest, EachMessageBecomesItsEvent) {
  const MessageCase& c = GetParam();
  ScriptedWin32 platform;
  RecordingOwner owner;
  owner.cancelConfirm = c.cancelConfirm;
  UINT_PTR answer = 99;
  platform.fileDialogAnswers = {[&](OPENFILENAMEA& ofn) {
    OFNOTIFYA notify = Notification(c.code);
    notify.lpOFN = &ofn;
    const LPARAM lParam = c.msg == WM_NOTIFY ? reinterpret_cast<LPARAM>(&notify) : 0x22;
    answer = ofn.lpfnHook(kHookWindow, c.msg, 0x11, lParam);
    return 0;
  }};
  cCommonDialog dialog(owner);
  dialog.HookDialog(true);
  dialog.ShowOpen();

  EXPECT_EQ(answer, c.answer);
  EXPECT_EQ(owner.events, c.events);
  const auto result = platform.messageResults.find(kHookWindow);
  EXPECT_EQ(
      result == platform.messageResults.end() ? std::nullopt : std::optional<LONG>(result->second),
      c.messageResult);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, HookMessageTest,
    ::testing::Values(
        MessageCase{"InitDialog", WM_INITDIALOG, 0, false, 0, {"InitDialog 41"}, {}},
        MessageCase{"SelChange", WM_NOTIFY, CDN_SELCHANGE, false, 0, {"FileChange 41"}, {}},
        MessageCase{"FolderChange", WM_NOTIFY, CDN_FOLDERCHANGE, false, 0, {"FolderChange 41"}, {}},
        MessageCase{"TypeChange", WM_NOTIFY, CDN_TYPECHANGE, false, 0, {"TypeChange 41"}, {}},
        MessageCase{"FileOkAccepted", WM_NOTIFY, CDN_FILEOK, false, 0, {"ConfirmOK"}, 0},
        MessageCase{"FileOkVetoed", WM_NOTIFY, CDN_FILEOK, true, 1, {"ConfirmOK"}, 1},
        MessageCase{"InitDone", WM_NOTIFY, CDN_INITDONE, false, 0, {}, {}},
        MessageCase{"ShareViolation", WM_NOTIFY, CDN_SHAREVIOLATION, false, 0, {}, {}},
        MessageCase{"Help", WM_NOTIFY, CDN_HELP, false, 0, {}, {}},
        MessageCase{"UnknownCode", WM_NOTIFY, CDN_FIRST - 50, false, 0, {}, {}},
        MessageCase{"Destroy", WM_DESTROY, 0, false, 0, {"DialogClose"}, {}},
        MessageCase{"Command", WM_COMMAND, 0, false, 0, {"WMCommand 41 17 34"}, {}},
        MessageCase{"OtherMessage", 0x0005, 0, false, 0, {}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DialogHookTest, EveryEntryPointReachesTheOpenDialogAndNoneOnceItHasClosed) {
  ScriptedWin32 platform;
  RecordingOwner owner;
  const mDialogHook::HookProcedure entries[] = {mDialogHook::HookProc1, mDialogHook::HookProc2,
                                                mDialogHook::HookProc3, mDialogHook::HookProc4,
                                                mDialogHook::HookProc5, mDialogHook::HookProc6};
  platform.fileDialogAnswers = {[&](OPENFILENAMEA&) {
    for (int i = 0; i < 6; ++i) entries[i](i, WM_INITDIALOG, 0, 0);
    return 0;
  }};
  cCommonDialog dialog(owner);
  dialog.HookDialog(true);
  dialog.ShowOpen();
  EXPECT_EQ(owner.events,
            (std::vector<std::string>{"InitDialog 0", "InitDialog 1", "InitDialog 2",
                                      "InitDialog 3", "InitDialog 4", "InitDialog 5"}));

  EXPECT_EQ(mDialogHook::GetHookTarget(), nullptr);
  OFNOTIFYA notify = Notification(CDN_FILEOK);
  for (const auto entry : entries) {
    EXPECT_EQ(entry(kHookWindow, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&notify)), 0u);
  }
  EXPECT_EQ(owner.events.size(), 6u);
  EXPECT_TRUE(platform.messageResults.empty());
}

TEST(DialogHookTest, AWorkerWithoutEventSinkAnswersEveryMessageWithZero) {
  ScriptedWin32 platform;
  GCommonDialog worker;
  OFNOTIFYA notify = Notification(CDN_FILEOK);
  mDialogHook::SetHookTarget(&worker);
  for (const UINT msg : {WM_INITDIALOG, WM_NOTIFY, WM_COMMAND, WM_DESTROY}) {
    EXPECT_EQ(mDialogHook::HookProc1(kHookWindow, msg, 0, reinterpret_cast<LPARAM>(&notify)), 0u);
  }
  mDialogHook::ClearHookTarget();
  EXPECT_TRUE(platform.messageResults.empty());
}

TEST(DialogHookTest, AnUnhookedDialogGetsNoHookAndLeavesTheSlotEmpty) {
  ScriptedWin32 platform;
  cCommonDialog dialog;
  platform.fileDialogAnswers = {[](OPENFILENAMEA& ofn) {
    EXPECT_EQ(mDialogHook::GetHookTarget(), nullptr);
    return Pick("/e/x.jad")(ofn);
  }};
  dialog.ShowOpen();
  EXPECT_EQ(platform.openRequests.at(0).record.lpfnHook, nullptr);
  EXPECT_EQ(dialog.Filename(), "/e/x.jad");
}

TEST(DialogHookTest, AnErrorOfAHandlerIsRaisedOnceTheDialogHasClosed) {
  ScriptedWin32 platform;
  RecordingOwner owner;
  owner.onInitDialog = [](int32_t) { throw RuntimeError(91, "frmDeb", "Variable objet"); };
  std::vector<UINT_PTR> answers;
  platform.fileDialogAnswers = {[&](OPENFILENAMEA& ofn) {
    answers.push_back(ofn.lpfnHook(kHookWindow, WM_INITDIALOG, 0, 0));
    answers.push_back(ofn.lpfnHook(kHookWindow, WM_DESTROY, 0, 0));
    return Pick("/e/x.jad")(ofn);
  }};
  cCommonDialog dialog(owner);
  dialog.HookDialog(true);
  dialog.Filename("avant");
  try {
    dialog.ShowOpen();
    FAIL() << "no error raised";
  } catch (const RuntimeError& error) {
    EXPECT_EQ(error.Number(), 91);
    EXPECT_EQ(error.Source(), "frmDeb");
  }
  EXPECT_EQ(answers, (std::vector<UINT_PTR>{0, 0}));
  EXPECT_EQ(owner.events, (std::vector<std::string>{"InitDialog 41", "DialogClose"}));
  EXPECT_EQ(dialog.Filename(), "avant");
  EXPECT_EQ(mDialogHook::GetHookTarget(), nullptr);
}

TEST(DialogHookTest, EventHandlersSeeThePropertiesAsTheyWereAtTheCall) {
  ScriptedWin32 platform;
  RecordingOwner owner;
  cCommonDialog dialog(owner);
  std::string seen;
  owner.onInitDialog = [&](int32_t) { seen = dialog.Filename(); };
  platform.fileDialogAnswers = {[](OPENFILENAMEA& ofn) {
    Pick("/e/nouveau.jad")(ofn);
    ofn.lpfnHook(kHookWindow, WM_INITDIALOG, 0, 0);
    return 1;
  }};
  dialog.HookDialog(true);
  dialog.Filename("/e/ancien.jad");
  dialog.ShowOpen();
  EXPECT_EQ(seen, "/e/ancien.jad");
  EXPECT_EQ(dialog.Filename(), "/e/nouveau.jad");
}

}  // namespace
}  // namespace ferolan
