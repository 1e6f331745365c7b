// ShowHelp and SetHelpPosition against a scripted help viewer: what reaches it, and how its
// failures come back as errors.
#include <gtest/gtest.h>

#include <cstring>

#include "commondialog/cCommonDialog.h"
#include "platform/runtime/App.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/scripted/ScriptedWin32.h"
#include "platform/winapi/GlobalMemory.h"
#include "platform/winapi/LastError.h"

namespace ferolan {
namespace {

using namespace winapi;

constexpr HWND kOwner = 10;

RuntimeError ErrorOf(cCommonDialog& dialog) {
  try {
    dialog.ShowHelp();
  } catch (const RuntimeError& error) {
    return error;
  }
  ADD_FAILURE() << "ShowHelp raised nothing";
  return RuntimeError(0, "", "");
}

void SetUpHelp(cCommonDialog& dialog, UINT command) {
  dialog.hwnd(kOwner);
  dialog.HelpFile("/aide/ferolan.html");
  dialog.HelpCommand(static_cast<int32_t>(command));
  dialog.HelpContext("12");
  dialog.HelpKey("casimir");
}

TEST(ShowHelpTest, SendsTheCommandForTheFileWithNoData) {
  for (const UINT command : {HELP_CONTENTS, HELP_CONTEXT, HELP_KEY, HELP_QUIT}) {
    ScriptedWin32 platform;
    cCommonDialog dialog;
    SetUpHelp(dialog, command);
    dialog.ShowHelp();
    ASSERT_EQ(platform.helpCalls.size(), 1u) << command;
    const auto& call = platform.helpCalls[0];
    EXPECT_EQ(call.hWnd, kOwner);
    EXPECT_EQ(call.file, "/aide/ferolan.html");
    EXPECT_EQ(call.command, command);
    EXPECT_EQ(call.data, 0u) << command;
  }
}

TEST(ShowHelpTest, RefusesMultiKeyAndSetWinPosWithoutCallingTheViewer) {
  for (const UINT command : {HELP_MULTIKEY, HELP_SETWINPOS}) {
    ScriptedWin32 platform;
    cCommonDialog dialog;
    SetUpHelp(dialog, command);
    const RuntimeError error = ErrorOf(dialog);
    EXPECT_EQ(error.Number(), 13705) << command;
    EXPECT_EQ(error.Source(), App::EXEName() + ".cCommonDialog");
    EXPECT_EQ(error.Description(), "Invalid WinHelp Command Passed to ShowHelp function.");
    EXPECT_TRUE(platform.helpCalls.empty()) << command;
  }
}

TEST(ShowHelpTest, AFailingViewerRaisesTheSystemCodeWithItsText) {
  const struct {
    DWORD code;
    const char* description;
  } cases[] = {
      {ERROR_FILE_NOT_FOUND, "Le fichier spécifié est introuvable."},
      {ERROR_INVALID_WINDOW_HANDLE, "Handle de fenêtre non valide."},
      {4242, ""},  // a code the system has no text for
  };
  for (const auto& c : cases) {
    ScriptedWin32 platform;
    platform.helpAnswers = {{0, c.code}};
    cCommonDialog dialog;
    SetUpHelp(dialog, HELP_CONTENTS);
    const RuntimeError error = ErrorOf(dialog);
    EXPECT_EQ(error.Number(), static_cast<long>(c.code));
    EXPECT_EQ(error.Source(), App::EXEName() + ".cCommonDialog");
    EXPECT_EQ(error.Description(), c.description);
  }
}

TEST(ShowHelpTest, AFailureWithoutASystemCodeRaisesAnErrorOfItsOwn) {
  ScriptedWin32 platform;
  platform.helpAnswers = {{0, ERROR_SUCCESS}};
  cCommonDialog dialog;
  SetUpHelp(dialog, HELP_CONTENTS);
  const RuntimeError error = ErrorOf(dialog);
  EXPECT_EQ(error.Number(), 13706);
  EXPECT_EQ(error.Source(), App::EXEName() + ".cCommonDialog");
  EXPECT_EQ(error.Description(), "L'aide n'a pas pu être affichée.");
}

TEST(ShowHelpTest, ClearsTheParentWindowFlag) {
  ScriptedWin32 platform;
  platform.windows[41] = {{1, 2, 31, 42}, 40};
  platform.windows[40] = {{0, 0, 500, 400}};
  cCommonDialog dialog;
  SetUpHelp(dialog, HELP_CONTENTS);
  dialog.ShowOpen();  // cancelled; it measures the parent from here on
  dialog.ShowHelp();
  int32_t lL = 0, lT = 0, lW = 0, lH = 0;
  dialog.GetDialogSize(41, lL, lT, lW, lH);
  EXPECT_EQ(lW, 30);
  EXPECT_EQ(lH, 40);
}

// Notes, while the record is with the viewer, the size of the block it came in.
class BlockWatchingWin32 : public ScriptedWin32 {
 public:
  BOOL WinHelpA(HWND hWndMain, LPCSTR lpszHelp, UINT uCommand, ULONG_PTR dwData) override {
    const HGLOBAL block = GlobalHandle(reinterpret_cast<const void*>(dwData));
    blocks.push_back(block);
    blockSizes.push_back(GlobalSize(block));
    return ScriptedWin32::WinHelpA(hWndMain, lpszHelp, uCommand, dwData);
  }
  std::vector<HGLOBAL> blocks;
  std::vector<SIZE_T> blockSizes;
};

TEST(SetHelpPositionTest, SendsTheRecordInAFreshBlockFreedAfterEachCall) {
  BlockWatchingWin32 platform;
  platform.helpAnswers = {{0, ERROR_FILE_NOT_FOUND}};  // not reported
  cCommonDialog dialog;
  SetUpHelp(dialog, HELP_CONTENTS);
  dialog.SetHelpPosition(10, 20, 300, 400, 3);
  dialog.SetHelpPosition(-5, 0, 0, 0, 1);

  ASSERT_EQ(platform.helpCalls.size(), 2u);
  const HELPWININFOA expected[] = {{26, 10, 20, 300, 400, 3, {0, 0}}, {26, -5, 0, 0, 0, 1, {0, 0}}};
  for (int i = 0; i < 2; ++i) {
    const auto& call = platform.helpCalls[i];
    EXPECT_EQ(call.hWnd, kOwner);
    EXPECT_EQ(call.file, "/aide/ferolan.html");
    EXPECT_EQ(call.command, HELP_SETWINPOS);
    EXPECT_TRUE(call.position == expected[i]) << i;
    EXPECT_NE(platform.blocks[i], 0) << i;
    EXPECT_EQ(platform.blockSizes[i], 26u) << i;
    EXPECT_EQ(GlobalSize(platform.blocks[i]), 0u) << i;  // freed on return
    EXPECT_EQ(GlobalHandle(reinterpret_cast<const void*>(call.data)), 0) << i;
  }
  EXPECT_NE(platform.blocks[0], platform.blocks[1]);
  EXPECT_EQ(dialog.HelpCommand(), static_cast<int32_t>(HELP_CONTENTS));
}

}  // namespace
}  // namespace ferolan
