// The CHOOSECOLORA record that ShowColor builds, its custom colours and what comes back,
// against a scripted platform dialog.
#include <gtest/gtest.h>

#include "commondialog/cCommonDialog.h"
#include "commondialog/mDialogHook.h"
#include "platform/winapi/SystemColors.h"
#include "tests/commondialog/DialogScript.h"
#include "tests/support/ErrorNumber.h"

namespace ferolan {
namespace {

using namespace winapi;
using testing::ErrorNumberOf;
using testing::kHookWindow;
using testing::RecordingOwner;
using testing::SendToHook;

ScriptedWin32::ColorDialogAnswer Choose(COLORREF color) {
  return [color](CHOOSECOLORA& cc) {
    cc.rgbResult = color;
    return 1;
  };
}

struct ColorFlagsCase {
  const char* name;
  int32_t flags;
  bool hook;
  DWORD recordFlags;
};

void PrintTo(const ColorFlagsCase& c, std::ostream* os) { *os << c.name; }

class ColorFlagsTest : public ::testing::TestWithParam<ColorFlagsCase> {};

TEST_P(ColorFlagsTest, OnlyTheThreeColourBitsOfFlagsReachTheDialog) {
  const ColorFlagsCase& c = GetParam();
  ScriptedWin32 platform;
  cCommonDialog dialog;
  dialog.flags(c.flags);
  dialog.HookDialog(c.hook);
  dialog.ShowColor();

  ASSERT_EQ(platform.colorRequests.size(), 1u);
  const CHOOSECOLORA& record = platform.colorRequests[0].record;
  EXPECT_EQ(record.Flags, c.recordFlags);
  EXPECT_EQ(record.lpfnHook, c.hook ? mDialogHook::HookProc5 : nullptr);
  EXPECT_EQ(dialog.flags(), c.flags);
}

INSTANTIATE_TEST_SUITE_P(
    Flags, ColorFlagsTest,
    ::testing::Values(
        ColorFlagsCase{"None", 0, false, CC_SOLIDCOLOR | CC_RGBINIT},
        ColorFlagsCase{"AnyColor", 0x100, false, CC_ANYCOLOR | CC_RGBINIT},
        ColorFlagsCase{"FullOpen", 0x2, false, CC_SOLIDCOLOR | CC_RGBINIT | CC_FULLOPEN},
        ColorFlagsCase{"PreventFullOpen", 0x4, false,
                       CC_SOLIDCOLOR | CC_RGBINIT | CC_PREVENTFULLOPEN},
        ColorFlagsCase{"AllThree", 0x106, false,
                       CC_ANYCOLOR | CC_RGBINIT | CC_FULLOPEN | CC_PREVENTFULLOPEN},
        ColorFlagsCase{"OtherBitsStayOut", 0x7FFF0E38, false, CC_SOLIDCOLOR | CC_RGBINIT},
        ColorFlagsCase{"HookBitOnlyFromHookDialog", 0x10, true,
                       CC_SOLIDCOLOR | CC_RGBINIT | CC_ENABLEHOOK}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ColorDialogTest, TheRecordStartsAtTheColourWithTheOwnerAndTheCustomColours) {
  ScriptedWin32 platform;
  platform.colorDialogAnswers = {Choose(0x00336699)};
  cCommonDialog dialog;
  dialog.hwnd(7);
  dialog.Color(0x00102030);
  dialog.ShowColor();

  const ScriptedWin32::ColorRequest& request = platform.colorRequests.at(0);
  EXPECT_EQ(request.record.lStructSize, 36u);
  EXPECT_EQ(request.record.hwndOwner, 7);
  EXPECT_EQ(request.record.rgbResult, 0x00102030u);
  EXPECT_EQ(request.record.hInstance, 0);
  EXPECT_EQ(request.record.lpTemplateName, nullptr);
  for (int k = 0; k < 16; ++k) {
    EXPECT_EQ(request.customColors[k], ScriptedWin32::SystemColor(k)) << k;
  }
  EXPECT_EQ(dialog.Color(), 0x00336699);
}

TEST(ColorDialogTest, ASystemColourStartsAsItsColourAndStaysAfterACancel) {
  ScriptedWin32 platform;
  cCommonDialog dialog;
  dialog.Color(static_cast<int32_t>(0x80000000 | COLOR_HIGHLIGHT));
  dialog.ShowColor();
  EXPECT_EQ(platform.colorRequests.at(0).record.rgbResult,
            ScriptedWin32::SystemColor(COLOR_HIGHLIGHT));
  EXPECT_EQ(dialog.Color(), static_cast<int32_t>(0x80000000 | COLOR_HIGHLIGHT));

  dialog.CancelError(true);
  EXPECT_EQ(ErrorNumberOf([&] { dialog.ShowColor(); }), kErrCancel);
  EXPECT_EQ(dialog.Color(), static_cast<int32_t>(0x80000000 | COLOR_HIGHLIGHT));
}

TEST(ColorDialogTest, AColourThatCannotBeTranslatedStartsAtMinusOne) {
  ScriptedWin32 platform;
  cCommonDialog dialog;
  for (const int32_t color : {0x01000010, static_cast<int32_t>(0x80000040)}) {
    dialog.Color(color);
    dialog.ShowColor();
    EXPECT_EQ(platform.colorRequests.back().record.rgbResult, 0xFFFFFFFFu) << color;
  }
}

TEST(ColorDialogTest, CustomColoursChangedInTheDialogReachTheNextOne) {
  ScriptedWin32 platform;
  platform.colorDialogAnswers = {[](CHOOSECOLORA& cc) {
    cc.lpCustColors[3] = 0x00ABCDEF;
    return 0;
  }};
  cCommonDialog dialog;
  dialog.ShowColor();
  dialog.CustomColor(15, 0x00010203);
  dialog.ShowColor();

  const auto& second = platform.colorRequests.at(1).customColors;
  EXPECT_EQ(second[3], 0x00ABCDEFu);
  EXPECT_EQ(second[15], 0x00010203u);
  EXPECT_EQ(second[4], ScriptedWin32::SystemColor(4));
  EXPECT_EQ(dialog.CustomColor(3), 0x00ABCDEF);
}

TEST(ColorDialogTest, CustomColoursAreSystemColoursBeforeAnyDialogAndOnlySixteen) {
  ScriptedWin32 platform;
  cCommonDialog dialog;
  EXPECT_EQ(dialog.CustomColor(0), static_cast<int32_t>(ScriptedWin32::SystemColor(0)));
  EXPECT_EQ(dialog.CustomColor(15), static_cast<int32_t>(ScriptedWin32::SystemColor(15)));
  for (const int16_t outside : {-1, 16, 300}) {
    dialog.CustomColor(outside, 0x00112233);
    EXPECT_EQ(dialog.CustomColor(outside), -1) << outside;
  }
  // A first write initialises the others too.
  cCommonDialog other;
  other.CustomColor(2, 0x00445566);
  EXPECT_EQ(other.CustomColor(1), static_cast<int32_t>(ScriptedWin32::SystemColor(1)));
}

TEST(ColorDialogTest, AFailingDialogRaisesItsExtendedErrorAndKeepsTheColour) {
  ScriptedWin32 platform;
  platform.extendedError = CDERR_STRUCTSIZE;
  platform.colorDialogAnswers = {[](CHOOSECOLORA&) { return 2; }};
  cCommonDialog dialog;
  dialog.Color(0x00445566);
  EXPECT_EQ(ErrorNumberOf([&] { dialog.ShowColor(); }), 13450 | CDERR_STRUCTSIZE);
  EXPECT_EQ(dialog.Color(), 0x00445566);
}

TEST(ColorDialogTest, TheHookRaisesTheEventsAndTheDialogIsMeasuredItself) {
  ScriptedWin32 platform;
  platform.windows[kHookWindow] = {{10, 20, 310, 220}, 40};
  platform.windows[40] = {{0, 0, 900, 700}, 0};
  RecordingOwner owner;
  cCommonDialog dialog(owner);
  int32_t width = 0;
  owner.onInitDialog = [&](int32_t hDlg) {
    int32_t left, top, height;
    dialog.GetDialogSize(hDlg, left, top, width, height);
  };
  platform.colorDialogAnswers = {SendToHook(WM_INITDIALOG, 0, 0), SendToHook(WM_DESTROY, 0, 0, 1)};
  dialog.HookDialog(true);
  dialog.ShowOpen();  // the file dialog measures the parent
  dialog.ShowColor();
  dialog.ShowColor();
  EXPECT_EQ(owner.events, (std::vector<std::string>{"InitDialog 41", "DialogClose"}));
  EXPECT_EQ(width, 300);
  EXPECT_EQ(mDialogHook::GetHookTarget(), nullptr);
}

}  // namespace
}  // namespace ferolan
