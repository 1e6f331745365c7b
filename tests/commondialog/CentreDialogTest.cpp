// Placing a live dialog: centring over a window, the work area or the screen, measuring it,
// and the module that a custom template would come from.
#include <gtest/gtest.h>

#include "commondialog/cCommonDialog.h"
#include "platform/winapi/Kernel.h"
#include "tests/commondialog/DialogScript.h"
#include "tests/support/TempDir.h"

namespace ferolan {
namespace {

using namespace winapi;
using testing::kDialogWindow;
using testing::kHookWindow;

constexpr HWND kMainWindow = 10;

class Window : public WindowHandleOwner {
 public:
  explicit Window(int32_t handle) : handle_(handle) {}
  int32_t hwnd() const override { return handle_; }

 private:
  int32_t handle_;
};

enum class Target { kMainWindow, kNoObject, kNoHandle };

struct CentreCase {
  const char* name;
  RECT dialog;
  Target target;
  RECT window;
  std::optional<RECT> workArea;
  std::optional<std::pair<int, int>> position;  // none: the dialog stays where it is
};

void PrintTo(const CentreCase& c, std::ostream* os) { *os << c.name; }

class CentreDialogTest : public ::testing::TestWithParam<CentreCase> {};

TEST_P(CentreDialogTest, MovesTheDialogAroundTheHooksWindow) {
  const CentreCase& c = GetParam();
  ScriptedWin32 platform;
  platform.windows[kDialogWindow] = {c.dialog};
  platform.windows[kHookWindow] = {{0, 0, 0, 0}, kDialogWindow};
  platform.windows[kMainWindow] = {c.window};
  platform.workArea = c.workArea;
  cCommonDialog dialog;
  dialog.ShowOpen();  // cancelled; the file dialogs' hook window is a child of the dialog

  switch (c.target) {
    case Target::kMainWindow:
      dialog.CentreDialog(kHookWindow, Window(kMainWindow));
      break;
    case Target::kNoObject:
      dialog.CentreDialog(kHookWindow);
      break;
    case Target::kNoHandle:
      dialog.CentreDialog(kHookWindow, Window(0));
      break;
  }

  std::vector<ScriptedWin32::Move> expected;
  if (c.position) {
    expected.push_back({kDialogWindow, 0, c.position->first, c.position->second, 0, 0, 0x215});
  }
  EXPECT_EQ(platform.moves, expected);
}

INSTANTIATE_TEST_SUITE_P(Targets, CentreDialogTest,
                         ::testing::Values(CentreCase{"OverTheWindow",
                                                      {5, 5, 205, 105},
                                                      Target::kMainWindow,
                                                      {100, 100, 500, 400},
                                                      {},
                                                      std::pair{200, 200}},
                                           // The overhang is split evenly, the odd pixel dropped
                                           // toward zero (not toward -1).
                                           CentreCase{"LargerThanTheWindow",
                                                      {0, 0, 301, 201},
                                                      Target::kMainWindow,
                                                      {100, 100, 200, 200},
                                                      {},
                                                      std::pair{0, 50}},
                                           CentreCase{"WindowOffTheLeft",
                                                      {0, 0, 200, 100},
                                                      Target::kMainWindow,
                                                      {-500, 100, 0, 400},
                                                      {},
                                                      std::nullopt},
                                           CentreCase{"WindowOffTheTop",
                                                      {0, 0, 200, 100},
                                                      Target::kMainWindow,
                                                      {100, -400, 300, -10},
                                                      {},
                                                      std::nullopt},
                                           CentreCase{"PartlyOffTheTopLeft",
                                                      {0, 0, 200, 100},
                                                      Target::kMainWindow,
                                                      {-100, -50, 300, 250},
                                                      {},
                                                      std::pair{0, 50}},
                                           CentreCase{"NoObjectUsesTheWorkArea",
                                                      {0, 0, 200, 100},
                                                      Target::kNoObject,
                                                      {100, 100, 500, 400},
                                                      RECT{0, 30, 1280, 1000},
                                                      std::pair{540, 465}},
                                           CentreCase{"NoWorkAreaUsesTheScreen",
                                                      {0, 0, 200, 100},
                                                      Target::kNoObject,
                                                      {100, 100, 500, 400},
                                                      {},
                                                      std::pair{540, 462}},
                                           CentreCase{"AnObjectWithoutWindowMovesNothing",
                                                      {0, 0, 200, 100},
                                                      Target::kNoHandle,
                                                      {100, 100, 500, 400},
                                                      RECT{0, 30, 1280, 1000},
                                                      std::nullopt}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DialogGeometryTest, BeforeAnyFileDialogTheHandleGivenIsTheDialogItself) {
  ScriptedWin32 platform;
  platform.windows[kDialogWindow] = {{10, 20, 210, 120}};
  platform.windows[kHookWindow] = {{30, 40, 60, 50}, kDialogWindow};
  platform.windows[kMainWindow] = {{0, 0, 400, 300}};
  cCommonDialog dialog;
  int32_t lL = 0, lT = 0, lW = 0, lH = 0;
  dialog.GetDialogSize(kHookWindow, lL, lT, lW, lH);
  EXPECT_EQ((std::vector<int32_t>{lL, lT, lW, lH}), (std::vector<int32_t>{30, 40, 30, 10}));
  dialog.CentreDialog(kHookWindow, Window(kMainWindow));
  EXPECT_EQ(platform.moves.at(0).hWnd, kHookWindow);

  dialog.ShowSave();
  dialog.GetDialogSize(kHookWindow, lL, lT, lW, lH);
  EXPECT_EQ((std::vector<int32_t>{lL, lT, lW, lH}), (std::vector<int32_t>{10, 20, 200, 100}));
}

TEST(DialogLibraryTest, ALoadedModuleIsKeptInHInstanceAndFreedOnce) {
  cCommonDialog dialog;
  dialog.cdLoadLibrary(testing::FullPathOf(FEROLAN_SAMPLE_LIBRARY));
  const int32_t hInstance = dialog.hInstance();
  EXPECT_GE(hInstance, 1);
  dialog.cdFreeLibrary();
  EXPECT_EQ(dialog.hInstance(), hInstance);
  EXPECT_EQ(FreeLibrary(hInstance), 0);  // already freed

  dialog.cdLoadLibrary("no-such-module");
  EXPECT_EQ(dialog.hInstance(), 0);
  dialog.cdFreeLibrary();
}

TEST(DialogPropertiesTest, ANewObjectStartsAtFilterIndexOneAndEmptyOtherwise) {
  const cCommonDialog dialog;
  EXPECT_EQ(dialog.FilterIndex(), 1);
  EXPECT_EQ(dialog.flags(), 0);
  EXPECT_FALSE(dialog.CancelError());
  EXPECT_FALSE(dialog.HookDialog());
  EXPECT_EQ(dialog.hwnd(), 0);
  EXPECT_EQ(dialog.hInstance(), 0);
  EXPECT_EQ(dialog.Filename(), "");
  EXPECT_EQ(dialog.Filter(), "");
  EXPECT_EQ(dialog.InitDir(), "");
}

}  // namespace
}  // namespace ferolan
