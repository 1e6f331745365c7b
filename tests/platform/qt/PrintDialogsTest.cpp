// The platform's print and page-setup dialogs over a real QPrintDialog and QPageSetupDialog,
// offscreen and with no printer installed: the record in and out, the blocks, the device
// context and the hook.
#include <gtest/gtest.h>

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QSpinBox>
#include <cstring>
#include <string>
#include <vector>

#include "platform/qt/DeviceContexts.h"
#include "platform/qt/QtWin32Services.h"
#include "platform/qt/WindowTable.h"
#include "platform/winapi/CommonDialogs.h"
#include "tests/platform/qt/QtTestSupport.h"
#include "tests/support/TempDir.h"

namespace ferolan::qt {
namespace {

using namespace winapi;
using ferolan::testing::Accept;
using ferolan::testing::TempDir;
using ferolan::testing::WhenShowing;

struct HookCall {
  HWND hDlg;
  UINT msg;
  LPARAM lParam;
};
std::vector<HookCall>* hookCalls = nullptr;

UINT_PTR RecordingHook(HWND hDlg, UINT msg, WPARAM, LPARAM lParam) {
  hookCalls->push_back({hDlg, msg, lParam});
  return 0;
}

template <class Record>
Record Locked(HGLOBAL block) {
  Record record{};
  std::memcpy(&record, GlobalLock(block), sizeof record);
  GlobalUnlock(block);
  return record;
}

// The text at an offset of a device-names block.
std::string NameAt(HGLOBAL block, WORD offset) {
  const std::string name(static_cast<const char*>(GlobalLock(block)) + offset);
  GlobalUnlock(block);
  return name;
}

// The PDF printer writes into the home folder, which is a fresh one here.
class PrintDialogsTest : public ::testing::Test {
 protected:
  PrintDialogsTest() : home_(qgetenv("HOME")) {
    qputenv("HOME", QByteArray::fromStdString(home.Path().string()));
    hookCalls = &calls;
  }
  ~PrintDialogsTest() override {
    hookCalls = nullptr;
    qputenv("HOME", home_);
  }

  TempDir home;
  QtWin32Services platform;
  std::vector<HookCall> calls;

 private:
  QByteArray home_;
};

PRINTDLGA PrintRecord(DWORD flags) {
  PRINTDLGA pd{};
  pd.lStructSize = PRINTDLG_SIZE;
  pd.Flags = flags;
  pd.nFromPage = 2;
  pd.nToPage = 5;
  pd.nMinPage = 1;
  pd.nMaxPage = 0xFFFF;
  return pd;
}

TEST_F(PrintDialogsTest, AConfirmedPrintDialogReturnsItsChoiceInBlocksAndADeviceContext) {
  PRINTDLGA pd = PrintRecord(PD_PAGENUMS | PD_COLLATE | PD_USEDEVMODECOPIES | PD_RETURNDC |
                             PD_ENABLEPRINTHOOK);
  pd.lpfnPrintHook = RecordingHook;
  HWND dialogHandle = 0;
  WhenShowing<QPrintDialog>([&](QPrintDialog& dialog) {
    dialogHandle = HandleOf(&dialog);
    dialog.findChild<QSpinBox*>(QStringLiteral("copies"))->setValue(3);
    Accept(dialog);
  });
  ASSERT_EQ(PrintDlgA(&pd), 1);

  // The driver makes the copies: they are in the device mode, and the record asks for one.
  EXPECT_EQ(pd.Flags & (PD_PAGENUMS | PD_COLLATE | PD_PRINTTOFILE), PD_PAGENUMS | PD_PRINTTOFILE);
  EXPECT_EQ(pd.nCopies, 1);
  EXPECT_EQ(pd.nFromPage, 2);
  EXPECT_EQ(pd.nToPage, 5);
  const auto devMode = Locked<DEVMODEA>(pd.hDevMode);
  EXPECT_STREQ(devMode.dmDeviceName, "PDF");
  EXPECT_EQ(devMode.dmSize, sizeof(DEVMODEA));
  EXPECT_EQ(devMode.dmCopies, 3);
  EXPECT_EQ(devMode.dmCollate, DMCOLLATE_TRUE);
  EXPECT_EQ(devMode.dmOrientation, DMORIENT_PORTRAIT);
  EXPECT_GT(devMode.dmPaperSize, 0);
  EXPECT_GT(devMode.dmPrintQuality, 0);
  EXPECT_NE(devMode.dmFormName[0], '\0');
  const auto names = Locked<DEVNAMES>(pd.hDevNames);
  EXPECT_EQ(NameAt(pd.hDevNames, names.wDeviceOffset), "PDF");
  EXPECT_EQ(NameAt(pd.hDevNames, names.wOutputOffset), home / "impression.pdf");
  EXPECT_EQ(names.wDefault, DN_DEFAULTPRN);

  const PrinterContext* context = PrinterContextOf(pd.hDC);
  ASSERT_NE(context, nullptr);
  EXPECT_EQ(context->deviceName, "PDF");
  EXPECT_EQ(context->outputFileName, home / "impression.pdf");
  EXPECT_EQ(DeleteDC(pd.hDC), 1);
  EXPECT_EQ(DeleteDC(pd.hDC), 0);

  // The print dialog's hook gets the dialog itself.
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].msg, WM_INITDIALOG);
  EXPECT_EQ(calls[0].hDlg, dialogHandle);
  EXPECT_EQ(calls[0].lParam, reinterpret_cast<LPARAM>(&pd));
  EXPECT_EQ(calls[1].msg, WM_DESTROY);
  EXPECT_EQ(GlobalFree(pd.hDevMode), 0);
  EXPECT_EQ(GlobalFree(pd.hDevNames), 0);
}

TEST_F(PrintDialogsTest, WithoutDeviceModeCopiesTheRecordCarriesCopiesAndCollation) {
  PRINTDLGA pd = PrintRecord(PD_COLLATE);
  pd.nCopies = 2;
  WhenShowing<QPrintDialog>([](QPrintDialog& dialog) { Accept(dialog); });
  ASSERT_EQ(PrintDlgA(&pd), 1);
  EXPECT_EQ(pd.Flags & (PD_PAGENUMS | PD_COLLATE), PD_COLLATE);
  EXPECT_EQ(pd.nCopies, 2);
  EXPECT_EQ(pd.hDC, 0);
  EXPECT_EQ(Locked<DEVMODEA>(pd.hDevMode).dmCopies, 1);
  GlobalFree(pd.hDevMode);
  GlobalFree(pd.hDevNames);
}

TEST_F(PrintDialogsTest, ACancelledPrintDialogReturnsNothing) {
  PRINTDLGA pd = PrintRecord(PD_RETURNDC);
  WhenShowing<QPrintDialog>([](QPrintDialog& dialog) { dialog.reject(); });
  EXPECT_EQ(PrintDlgA(&pd), 0);
  EXPECT_EQ(CommDlgExtendedError(), 0u);
  EXPECT_EQ(pd.hDevMode, 0);
  EXPECT_EQ(pd.hDC, 0);
}

TEST_F(PrintDialogsTest, AConfirmedPageSetupReturnsMarginsInTheRecordsUnits) {
  PAGESETUPDLGA psd{};
  psd.lStructSize = PAGESETUPDLG_SIZE;
  psd.Flags = PSD_INHUNDREDTHSOFMILLIMETERS | PSD_MARGINS | PSD_DISABLEORIENTATION |
              PSD_ENABLEPAGESETUPHOOK;
  psd.rtMargin = {2000, 1500, 2000, 2500};
  psd.lpfnPageSetupHook = RecordingHook;
  bool orientationEnabled = true;
  WhenShowing<QPageSetupDialog>([&](QPageSetupDialog& dialog) {
    orientationEnabled = dialog.findChild<QWidget*>(QStringLiteral("portrait"))->isEnabled();
    Accept(dialog);
  });
  ASSERT_EQ(PageSetupDlgA(&psd), 1);

  EXPECT_FALSE(orientationEnabled);
  EXPECT_EQ(psd.rtMargin, (RECT{2000, 1500, 2000, 2500}));
  EXPECT_GT(psd.ptPaperSize.x, 10000);  // wider than 10 cm
  EXPECT_GT(psd.ptPaperSize.y, psd.ptPaperSize.x);
  const auto devMode = Locked<DEVMODEA>(psd.hDevMode);
  EXPECT_EQ(devMode.dmOrientation, DMORIENT_PORTRAIT);
  EXPECT_EQ(devMode.dmCopies, 1);
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].msg, WM_INITDIALOG);
  EXPECT_EQ(calls[1].msg, WM_DESTROY);
  GlobalFree(psd.hDevMode);
  GlobalFree(psd.hDevNames);
}

TEST_F(PrintDialogsTest, RecordsThatCannotBeShownFailWithTheirExtendedError) {
  struct Case {
    DWORD flags;
    DWORD size;
    DWORD error;
  };
  for (const Case& c : {Case{0, 60, CDERR_STRUCTSIZE}, Case{PD_ENABLEPRINTHOOK, 66, CDERR_NOHOOK},
                        Case{PD_PRINTSETUP | PD_ENABLESETUPHOOK, 66, CDERR_NOHOOK},
                        Case{PD_ENABLEPRINTTEMPLATE, 66, CDERR_FINDRESFAILURE}}) {
    PRINTDLGA pd = PrintRecord(c.flags);
    pd.lStructSize = c.size;
    EXPECT_EQ(PrintDlgA(&pd), 0) << c.flags;
    EXPECT_EQ(CommDlgExtendedError(), c.error) << c.flags;
  }
  for (const Case& c :
       {Case{0, 80, CDERR_STRUCTSIZE}, Case{PSD_ENABLEPAGESETUPHOOK, 84, CDERR_NOHOOK},
        Case{PSD_ENABLEPAGESETUPTEMPLATE, 84, CDERR_FINDRESFAILURE}}) {
    PAGESETUPDLGA psd{};
    psd.lStructSize = c.size;
    psd.Flags = c.flags;
    EXPECT_EQ(PageSetupDlgA(&psd), 0) << c.flags;
    EXPECT_EQ(CommDlgExtendedError(), c.error) << c.flags;
  }
}

}  // namespace
}  // namespace ferolan::qt
