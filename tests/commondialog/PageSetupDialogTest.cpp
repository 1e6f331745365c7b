// The page-setup workers: the PAGESETUPDLGA record they build, the margins in either unit and
// their rounding, the settings they return and what they free.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "commondialog/GCommonDialog.h"
#include "commondialog/mDialogHook.h"
#include "platform/runtime/RuntimeError.h"
#include "tests/commondialog/DialogScript.h"
#include "tests/support/ErrorNumber.h"

namespace ferolan {
namespace {

using namespace winapi;
using testing::BlockOf;
using testing::ErrorNumberOf;

// The single-precision settings of one call, with no owner and no printer object.
struct PageSettings {
  bool VBPageSetupDlg2(GCommonDialog& worker, int32_t Units, bool Hook = false) {
    return worker.VBPageSetupDlg2(0, DisableMargins, false, DisablePaper, false, margins[0],
                                  margins[1], margins[2], margins[3], margins[4], margins[5],
                                  margins[6], margins[7], PaperSize, Orientation, PrintQuality,
                                  Units, nullptr, Hook, nullptr);
  }

  bool DisableMargins = false, DisablePaper = false;
  // Left, minimum left, right, minimum right, top, minimum top, bottom, minimum bottom.
  float margins[8] = {};
  int32_t PaperSize = 0, Orientation = 0, PrintQuality = 0;
};

// The dialog confirmed with these margins in the record's units and an A4 landscape device mode.
ScriptedWin32::PageSetupAnswer Confirm(RECT margin, RECT minMargin = {}) {
  return [=](PAGESETUPDLGA& psd) {
    psd.rtMargin = margin;
    psd.rtMinMargin = minMargin;
    DEVMODEA devMode{};
    devMode.dmOrientation = DMORIENT_LANDSCAPE;
    devMode.dmPaperSize = DMPAPER_A4;
    devMode.dmCopies = 2;
    devMode.dmPrintQuality = 300;
    psd.hDevMode = BlockOf(devMode);
    psd.hDevNames = BlockOf(DEVNAMES{8, 9, 10, 0});
    return 1;
  };
}

TEST(PageSetupDialogTest, InchesGoToTheRecordInThousandthsAndComeBackDivided) {
  ScriptedWin32 platform;
  platform.pageSetupAnswers = {Confirm({1000, 250, 1500, 750}, {125, 0, 0, 0})};
  PageSettings settings;
  settings.margins[4] = 0.5F;    // top
  settings.margins[1] = 0.125F;  // minimum left
  settings.DisableMargins = true;
  GCommonDialog worker;
  ASSERT_TRUE(settings.VBPageSetupDlg2(worker, 0));

  const PAGESETUPDLGA& record = platform.pageSetupRequests.at(0);
  EXPECT_EQ(record.lStructSize, 84u);
  EXPECT_EQ(record.Flags, PSD_DISABLEMARGINS | PSD_INTHOUSANDTHSOFINCHES);
  EXPECT_EQ(record.rtMargin, (RECT{0, 500, 0, 0}));
  EXPECT_EQ(record.rtMinMargin, (RECT{125, 0, 0, 0}));
  EXPECT_EQ(record.lpfnPageSetupHook, nullptr);
  EXPECT_EQ(std::vector<float>(settings.margins, settings.margins + 8),
            (std::vector<float>{1.0F, 0.125F, 1.5F, 0, 0.25F, 0, 0.75F, 0}));
  EXPECT_EQ(settings.PaperSize, DMPAPER_A4);
  EXPECT_EQ(settings.Orientation, DMORIENT_LANDSCAPE);
  EXPECT_EQ(settings.PrintQuality, 300);
}

TEST(PageSetupDialogTest, MillimetresGoToTheRecordInHundredthsAndTheHookIsInstalled) {
  ScriptedWin32 platform;
  platform.pageSetupAnswers = {Confirm({2540, 0, 0, 0})};
  PageSettings settings;
  settings.margins[0] = 12.5F;
  settings.margins[6] = 0.004F;  // 0.4 hundredths: rounded to nothing
  settings.DisablePaper = true;
  GCommonDialog worker;
  ASSERT_TRUE(settings.VBPageSetupDlg2(worker, 1, true));

  const PAGESETUPDLGA& record = platform.pageSetupRequests.at(0);
  EXPECT_EQ(record.Flags,
            PSD_DISABLEPAPER | PSD_INHUNDREDTHSOFMILLIMETERS | PSD_ENABLEPAGESETUPHOOK);
  EXPECT_EQ(record.rtMargin, (RECT{1250, 0, 0, 0}));
  EXPECT_EQ(record.lpfnPageSetupHook, mDialogHook::HookProc4);
  EXPECT_FLOAT_EQ(settings.margins[0], 25.4F);
}

TEST(PageSetupDialogTest, ACancelLeavesTheSettingsAndMarginsTooLargeOverflow) {
  ScriptedWin32 platform;
  PageSettings settings;
  settings.margins[2] = 1.5F;
  settings.PaperSize = 5;
  GCommonDialog worker;
  EXPECT_FALSE(settings.VBPageSetupDlg2(worker, 0));
  EXPECT_EQ(settings.margins[2], 1.5F);
  EXPECT_EQ(settings.PaperSize, 5);
  EXPECT_EQ(worker.APIReturn(), 0);

  settings.margins[2] = 3e6F;  // three billion thousandths
  EXPECT_EQ(ErrorNumberOf([&] { settings.VBPageSetupDlg2(worker, 0); }), kErrOverflow);
  settings.margins[2] = std::nanf("");
  EXPECT_EQ(ErrorNumberOf([&] { settings.VBPageSetupDlg2(worker, 0); }), kErrOverflow);
  EXPECT_EQ(platform.pageSetupRequests.size(), 1u);
}

TEST(PageSetupDialogTest, WholeMarginsAreRoundedHalvesToEvenAndKeptOnACancel) {
  ScriptedWin32 platform;
  // In millimetres: 12.5, 13.5, 0.5, 1.5, 2.5 and -0.5 go to the even neighbour.
  platform.pageSetupAnswers = {Confirm({1250, 240, 50, 260}, {1350, 250, 150, -50}),
                               [](PAGESETUPDLGA&) { return 0; }};
  int32_t m[8] = {};
  int32_t paper = 0, orientation = 0, quality = 0;
  GCommonDialog worker;
  const auto show = [&] {
    return worker.VBPageSetupDlg(0, false, false, false, false, m[0], m[1], m[2], m[3], m[4], m[5],
                                 m[6], m[7], paper, orientation, quality, 1, nullptr, false,
                                 nullptr);
  };
  ASSERT_TRUE(show());
  EXPECT_EQ(std::vector<int32_t>(m, m + 8), (std::vector<int32_t>{12, 14, 0, 2, 2, 2, 3, 0}));
  EXPECT_EQ(paper, DMPAPER_A4);
  EXPECT_FALSE(show());
  EXPECT_EQ(std::vector<int32_t>(m, m + 8), (std::vector<int32_t>{12, 14, 0, 2, 2, 2, 3, 0}));
}

TEST(PageSetupDialogTest, ThePrinterObjectTakesTheDeviceModesCopiesAndTheBlocksAreFreed) {
  ScriptedWin32 platform;
  HGLOBAL devMode = 0;
  const ScriptedWin32::PageSetupAnswer confirm = Confirm({});
  platform.pageSetupAnswers = {[&](PAGESETUPDLGA& psd) {
    const BOOL result = confirm(psd);
    devMode = psd.hDevMode;
    return result;
  }};
  struct Printer : PrinterObject {
    void Copies(int32_t value) override { copies = value; }
    void Orientation(int32_t) override { throw RuntimeError(438, "Printer", "refused"); }
    void PaperSize(int32_t value) override { paper = value; }
    void PrintQuality(int32_t) override {}
    int32_t copies = 0, paper = 0;
  } printer;
  float m[8] = {};
  int32_t paper = 0, orientation = 0, quality = 0;
  GCommonDialog worker;
  ASSERT_TRUE(worker.VBPageSetupDlg2(0, false, false, false, false, m[0], m[1], m[2], m[3], m[4],
                                     m[5], m[6], m[7], paper, orientation, quality, 0, &printer,
                                     false, nullptr));
  EXPECT_EQ(printer.copies, 2);
  EXPECT_EQ(printer.paper, DMPAPER_A4);
  ASSERT_NE(devMode, 0);
  EXPECT_EQ(GlobalSize(devMode), 0u);
}

}  // namespace
}  // namespace ferolan
