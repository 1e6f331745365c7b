// The print dialog: the PRINTDLGA record that ShowPrinter builds, the results it reads back,
// the printer object's settings, and what it frees.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "commondialog/GCommonDialog.h"
#include "commondialog/cCommonDialog.h"
#include "commondialog/mDialogHook.h"
#include "platform/runtime/RuntimeError.h"
#include "tests/commondialog/DialogScript.h"
#include "tests/support/ErrorNumber.h"

namespace ferolan {
namespace {

using namespace winapi;
using testing::BlockOf;
using testing::ErrorNumberOf;
using testing::kHookWindow;
using testing::RecordingOwner;

constexpr DWORD kAlwaysAdded = PD_USEDEVMODECOPIES | PD_RETURNDC;

DEVMODEA DevMode(short copies, short collate) {
  DEVMODEA devMode{};
  devMode.dmOrientation = DMORIENT_LANDSCAPE;
  devMode.dmPaperSize = DMPAPER_A4;
  devMode.dmCopies = copies;
  devMode.dmPrintQuality = 600;
  devMode.dmCollate = collate;
  return devMode;
}

// The platform's dialog confirmed with these choices, as blocks and a device context.
struct Choice {
  DWORD flags;  // the returned Flags
  WORD nCopies = 1;
  DEVMODEA devMode = DevMode(1, DMCOLLATE_FALSE);
  HDC hDC = 0;
  WORD from = 0, to = 0;
};

ScriptedWin32::PrintDialogAnswer Confirm(Choice choice) {
  return [choice](PRINTDLGA& pd) {
    pd.Flags = choice.flags;
    pd.nCopies = choice.nCopies;
    pd.nFromPage = choice.from;
    pd.nToPage = choice.to;
    pd.hDevMode = BlockOf(choice.devMode);
    pd.hDevNames = BlockOf(DEVNAMES{8, 9, 10, DN_DEFAULTPRN});
    pd.hDC = choice.hDC;
    return 1;
  };
}

struct FlagCase {
  const char* name;
  int32_t flags;
  bool hook;
  DWORD recordFlags;
};

void PrintTo(const FlagCase& c, std::ostream* os) { *os << c.name; }

class PrintFlagTest : public ::testing::TestWithParam<FlagCase> {};

TEST_P(PrintFlagTest, TheRecordCarriesTheDerivedFlags) {
  const FlagCase& c = GetParam();
  ScriptedWin32 platform;
  cCommonDialog dialog;
  dialog.flags(c.flags);
  dialog.HookDialog(c.hook);
  dialog.ShowPrinter();

  ASSERT_EQ(platform.printRequests.size(), 1u);
  const PRINTDLGA& record = platform.printRequests[0];
  EXPECT_EQ(record.Flags, c.recordFlags);
  const bool setupHook = (c.recordFlags & PD_ENABLESETUPHOOK) != 0;
  const bool printHook = (c.recordFlags & PD_ENABLEPRINTHOOK) != 0;
  EXPECT_EQ(record.lpfnSetupHook, setupHook ? mDialogHook::HookProc3 : nullptr);
  EXPECT_EQ(record.lpfnPrintHook, printHook ? mDialogHook::HookProc2 : nullptr);
  EXPECT_EQ(dialog.flags(), c.flags);
}

INSTANTIATE_TEST_SUITE_P(
    Flags, PrintFlagTest,
    ::testing::Values(
        FlagCase{"None", 0, false, PD_NOPAGENUMS | kAlwaysAdded},
        FlagCase{"PageNumbers", PD_PAGENUMS, false, PD_PAGENUMS | kAlwaysAdded},
        FlagCase{"PrintToFileDisabledAndHidden", PD_DISABLEPRINTTOFILE | PD_HIDEPRINTTOFILE, false,
                 PD_DISABLEPRINTTOFILE | PD_HIDEPRINTTOFILE | PD_NOPAGENUMS | kAlwaysAdded},
        FlagCase{"KeptBits", PD_NOSELECTION | PD_PRINTTOFILE | PD_COLLATE | PD_NOWARNING, false,
                 PD_NOSELECTION | PD_PRINTTOFILE | PD_COLLATE | PD_NOWARNING | PD_NOPAGENUMS |
                     kAlwaysAdded},
        FlagCase{"HookAndTemplateBitsCleared", 0xF000, false, PD_NOPAGENUMS | kAlwaysAdded},
        FlagCase{"PrintHook", 0xF000, true, PD_ENABLEPRINTHOOK | PD_NOPAGENUMS | kAlwaysAdded},
        FlagCase{"SetupHook", PD_PRINTSETUP, true,
                 PD_PRINTSETUP | PD_ENABLESETUPHOOK | PD_NOPAGENUMS | kAlwaysAdded}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PrintDialogTest, TheRecordTakesThePagesAndTheOwnerAndStartsWithoutBlocks) {
  ScriptedWin32 platform;
  cCommonDialog dialog;
  dialog.hwnd(-1);
  dialog.FromPage(2);
  dialog.ToPage(32767);
  dialog.Copies(4);
  dialog.ShowPrinter();

  const PRINTDLGA& record = platform.printRequests.at(0);
  EXPECT_EQ(record.lStructSize, 66u);
  EXPECT_EQ(record.hwndOwner, -1);
  EXPECT_EQ(record.nFromPage, 2);
  EXPECT_EQ(record.nToPage, 32767);
  EXPECT_EQ(record.nMinPage, 1);
  EXPECT_EQ(record.nMaxPage, 0xFFFF);
  EXPECT_EQ(record.nCopies, 0);
  EXPECT_EQ(record.hDevMode, 0);
  EXPECT_EQ(record.hDevNames, 0);
}

TEST(PrintDialogTest, SettingsBeyond16BitsOverflowBeforeAnyDialog) {
  const auto numberFor = [](void (cCommonDialog::*set)(int32_t), int32_t value) {
    ScriptedWin32 platform;
    cCommonDialog dialog;
    (dialog.*set)(value);
    const long number = ErrorNumberOf([&] { dialog.ShowPrinter(); });
    EXPECT_EQ(platform.printRequests.empty(), number != 0);
    return number;
  };
  EXPECT_EQ(numberFor(&cCommonDialog::Copies, 32767), 0);
  EXPECT_EQ(numberFor(&cCommonDialog::Copies, 32768), kErrOverflow);
  EXPECT_EQ(numberFor(&cCommonDialog::FromPage, 32768), kErrOverflow);
  EXPECT_EQ(numberFor(&cCommonDialog::ToPage, 100000), kErrOverflow);
  EXPECT_EQ(numberFor(&cCommonDialog::ToPage, -40000), kErrOverflow);
}

struct CopiesCase {
  const char* name;
  DWORD returnedFlags;
  int32_t copies;
};

class CopiesTest : public ::testing::TestWithParam<CopiesCase> {};

TEST_P(CopiesTest, CopiesComeFromTheRecordWhenCollatedElseFromTheDeviceMode) {
  ScriptedWin32 platform;
  platform.printDialogAnswers = {
      Confirm({GetParam().returnedFlags, 3, DevMode(5, DMCOLLATE_TRUE), 0, 4, 9})};
  cCommonDialog dialog;
  dialog.flags(PD_PAGENUMS);
  dialog.ShowPrinter();
  EXPECT_EQ(dialog.Copies(), GetParam().copies);
  EXPECT_EQ(dialog.FromPage(), 4);
  EXPECT_EQ(dialog.ToPage(), 9);
  EXPECT_EQ(dialog.flags(), PD_PAGENUMS);
}

INSTANTIATE_TEST_SUITE_P(Copies, CopiesTest,
                         ::testing::Values(CopiesCase{"Collated", PD_COLLATE, 3},
                                           CopiesCase{"DriverCopies", 0, 5}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PrintDialogTest, TheWorkerReportsRangeFileAndCollateFromTheReturnedRecord) {
  ScriptedWin32 platform;
  platform.printDialogAnswers = {Confirm({PD_SELECTION | PD_PRINTTOFILE, 1, DevMode(2, 1)}),
                                 Confirm({PD_PAGENUMS | PD_SELECTION, 1, DevMode(2, 0)})};
  GCommonDialog worker;
  int32_t hdc = 0, range = 0, from = 0, to = 0;
  int16_t copies = 1;
  bool toFile = false, collate = false;
  const auto show = [&] {
    return worker.VBPrintDlg(hdc, range, true, from, to, false, copies, true, false, toFile,
                             collate, false, 0, nullptr, 0, false, nullptr);
  };
  ASSERT_TRUE(show());
  EXPECT_EQ(range, 2);
  EXPECT_TRUE(toFile);
  EXPECT_TRUE(collate);
  EXPECT_EQ(copies, 2);
  ASSERT_TRUE(show());
  EXPECT_EQ(range, 1);
  EXPECT_FALSE(toFile);
  EXPECT_FALSE(collate);
  // The page range asked for reaches the second dialog.
  EXPECT_EQ(platform.printRequests.at(1).Flags & (PD_PAGENUMS | PD_SELECTION), PD_SELECTION);
}

TEST(PrintDialogTest, ACancelOrAFailureChangesNothingAndRaisesNothing) {
  ScriptedWin32 platform;
  platform.extendedError = CDERR_INITIALIZATION;
  platform.printDialogAnswers = {[](PRINTDLGA&) { return 0; }, [](PRINTDLGA&) { return 2; }};
  cCommonDialog dialog;
  dialog.CancelError(true);
  dialog.Copies(2);
  dialog.FromPage(3);
  dialog.ToPage(4);
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(ErrorNumberOf([&] { dialog.ShowPrinter(); }), 0);
    EXPECT_EQ(dialog.Copies(), 2);
    EXPECT_EQ(dialog.FromPage(), 3);
    EXPECT_EQ(dialog.ToPage(), 4);
  }
  GCommonDialog worker;
  int32_t hdc = 0, range = 0, from = 0, to = 0;
  int16_t copies = 1;
  bool toFile = false, collate = false;
  platform.printDialogAnswers = {[](PRINTDLGA&) { return 2; }};
  EXPECT_FALSE(worker.VBPrintDlg(hdc, range, true, from, to, false, copies, true, false, toFile,
                                 collate, false, 0, nullptr, 0, false, nullptr));
  EXPECT_EQ(worker.APIReturn(), 2);
  EXPECT_EQ(worker.ExtendedError(), static_cast<int32_t>(CDERR_INITIALIZATION));
}

// Writes down every setting it takes, and refuses the ones it is told to.
class RecordingPrinter : public PrinterObject {
 public:
  void Copies(int32_t value) override { Take("Copies", value); }
  void Orientation(int32_t value) override { Take("Orientation", value); }
  void PaperSize(int32_t value) override { Take("PaperSize", value); }
  void PrintQuality(int32_t value) override { Take("PrintQuality", value); }

  std::vector<std::string> refused;
  std::vector<std::string> taken;

 private:
  void Take(const std::string& name, int32_t value) {
    if (std::find(refused.begin(), refused.end(), name) != refused.end()) {
      throw RuntimeError(438, "Printer", "refused");
    }
    taken.push_back(name + " " + std::to_string(value));
  }
};

TEST(PrintDialogTest, ThePrinterObjectGetsEverySettingItDoesNotRefuse) {
  ScriptedWin32 platform;
  platform.printDialogAnswers = {Confirm({0, 1, DevMode(3, 0)}), Confirm({0, 1, DevMode(3, 0)})};
  RecordingPrinter printer;
  printer.refused = {"Orientation"};
  cCommonDialog dialog;
  dialog.Object(&printer);
  dialog.ShowPrinter();
  EXPECT_EQ(printer.taken,
            (std::vector<std::string>{"Copies 3", "PaperSize 9", "PrintQuality 600"}));
  printer.refused = {"Copies", "PaperSize", "PrintQuality"};
  printer.taken.clear();
  dialog.ShowPrinter();
  EXPECT_EQ(printer.taken, (std::vector<std::string>{"Orientation 2"}));
  EXPECT_EQ(dialog.Copies(), 3);
}

TEST(PrintDialogTest, TheReturnedBlocksAreFreedOnceRead) {
  ScriptedWin32 platform;
  HGLOBAL devMode = 0, devNames = 0;
  const ScriptedWin32::PrintDialogAnswer confirm = Confirm({0});
  platform.printDialogAnswers = {[&](PRINTDLGA& pd) {
    const BOOL result = confirm(pd);
    devMode = pd.hDevMode;
    devNames = pd.hDevNames;
    return result;
  }};
  cCommonDialog dialog;
  dialog.ShowPrinter();
  ASSERT_NE(devMode, 0);
  EXPECT_EQ(GlobalSize(devMode), 0u);
  EXPECT_EQ(GlobalSize(devNames), 0u);
}

TEST(PrintDialogTest, AShortDeviceModeBlockIsReadOnlyAsFarAsItGoes) {
  ScriptedWin32 platform;
  platform.printDialogAnswers = {[](PRINTDLGA& pd) {
    // The fields up to dmCopies, and no further.
    const DEVMODEA full = DevMode(7, DMCOLLATE_TRUE);
    pd.hDevMode = GlobalAlloc(GHND, offsetof(DEVMODEA, dmDefaultSource));
    std::memcpy(GlobalLock(pd.hDevMode), &full, offsetof(DEVMODEA, dmDefaultSource));
    GlobalUnlock(pd.hDevMode);
    return 1;
  }};
  RecordingPrinter printer;
  cCommonDialog dialog;
  dialog.Object(&printer);
  dialog.ShowPrinter();
  EXPECT_EQ(dialog.Copies(), 7);
  EXPECT_EQ(printer.taken, (std::vector<std::string>{"Copies 7", "Orientation 2", "PaperSize 9",
                                                     "PrintQuality 0"}));
}

TEST(PrintDialogTest, AReplacedDeviceContextIsDeletedAndTheLastOneWithTheObject) {
  ScriptedWin32 platform;
  platform.printDialogAnswers = {Confirm({0, 1, DevMode(1, 0), 7}), [](PRINTDLGA&) { return 0; },
                                 Confirm({0, 1, DevMode(1, 0), 8})};
  {
    cCommonDialog dialog;
    dialog.ShowPrinter();
    dialog.ShowPrinter();  // cancelled: the context is kept
    EXPECT_TRUE(platform.deletedDCs.empty());
    dialog.ShowPrinter();
    EXPECT_EQ(platform.deletedDCs, (std::vector<HDC>{7}));
  }
  EXPECT_EQ(platform.deletedDCs, (std::vector<HDC>{7, 8}));
}

TEST(PrintDialogTest, AnErrorOfAnEventHandlerStillFreesWhatTheDialogReturned) {
  ScriptedWin32 platform;
  const ScriptedWin32::PrintDialogAnswer confirm = Confirm({0, 1, DevMode(1, 0), 7});
  HGLOBAL devMode = 0;
  platform.printDialogAnswers = {[&](PRINTDLGA& pd) {
    pd.lpfnPrintHook(kHookWindow, WM_INITDIALOG, 0, 0);
    const BOOL result = confirm(pd);
    devMode = pd.hDevMode;
    return result;
  }};
  RecordingOwner owner;
  owner.onInitDialog = [](int32_t) { throw RuntimeError(5, "frm", "handler"); };
  cCommonDialog dialog(owner);
  dialog.HookDialog(true);
  EXPECT_EQ(ErrorNumberOf([&] { dialog.ShowPrinter(); }), 5);
  EXPECT_EQ(GlobalSize(devMode), 0u);
  EXPECT_EQ(platform.deletedDCs, (std::vector<HDC>{7}));
}

TEST(PrintDialogTest, TheHookedDialogRaisesTheEventsAndIsPlacedByItsOwnHandle) {
  ScriptedWin32 platform;
  platform.windows[kHookWindow] = {{0, 0, 200, 100}, 99};
  platform.workArea = RECT{0, 0, 1000, 800};
  platform.printDialogAnswers = {[](PRINTDLGA& pd) {
    testing::SendToHook(WM_INITDIALOG, 0, 0)(pd);
    return testing::SendToHook(WM_DESTROY, 0, 0)(pd);
  }};
  RecordingOwner owner;
  cCommonDialog dialog(owner);
  owner.onInitDialog = [&](int32_t hDlg) { dialog.CentreDialog(hDlg); };
  dialog.HookDialog(true);
  dialog.ShowPrinter();
  EXPECT_EQ(owner.events, (std::vector<std::string>{"InitDialog 41", "DialogClose"}));
  ASSERT_EQ(platform.moves.size(), 1u);
  EXPECT_EQ(platform.moves[0].hWnd, kHookWindow);
  EXPECT_EQ(platform.moves[0].x, 400);
}

}  // namespace
}  // namespace ferolan
