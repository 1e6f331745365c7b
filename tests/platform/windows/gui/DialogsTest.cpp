// The system's colour, font and print dialogs over our records, each closed by its hook as it
// opens, or by a timer where no hook can be; the screen's values.
#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "platform/winapi/ChooseDialogs.h"
#include "platform/winapi/CommonDialogs.h"
#include "platform/winapi/DeviceCaps.h"
#include "platform/winapi/PrintDialogs.h"
#include "platform/winapi/SystemColors.h"
#include "platform/windows/gui/SystemWin32Services.h"

#include <windows.h>

#include <commdlg.h>

#include "platform/windows/gui/Handles.h"

namespace ferolan::windows {
namespace {

// The record the hook was given, and the button it pressed as the dialog opened.
const void* givenRecord = nullptr;
WPARAM pressed = IDCANCEL;

winapi::UINT_PTR Press(winapi::HWND dialog, winapi::UINT message, winapi::WPARAM,
                       winapi::LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    givenRecord = reinterpret_cast<const void*>(lParam);
    ::PostMessageW(HandleOf<::HWND>(dialog), WM_COMMAND, pressed, 0);
  }
  return 0;
}

// Cancels what the thread shows (a dialog, or the system's word that no printer is installed)
// when it fires, after `milliseconds`, and counts what it cancelled. As a watchdog, it makes a
// dialog that its test does not close fail that test instead of holding the run.
class CancelTimer {
 public:
  explicit CancelTimer(UINT milliseconds)
      : timer_(::SetTimer(nullptr, 0, milliseconds, CancelShown)) {
    cancelled_[timer_] = 0;
  }
  ~CancelTimer() {
    ::KillTimer(nullptr, timer_);
    cancelled_.erase(timer_);
  }
  CancelTimer(const CancelTimer&) = delete;
  CancelTimer& operator=(const CancelTimer&) = delete;

  int Cancelled() const { return cancelled_[timer_]; }

 private:
  static BOOL CALLBACK Cancel(::HWND window, LPARAM count) {
    if (::IsWindowVisible(window)) {
      ++*reinterpret_cast<int*>(count);
      ::PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
    }
    return TRUE;
  }
  static void CALLBACK CancelShown(::HWND, UINT, UINT_PTR timer, DWORD) {
    ::EnumThreadWindows(::GetCurrentThreadId(), Cancel,
                        reinterpret_cast<LPARAM>(&cancelled_[timer]));
  }

  static inline std::map<UINT_PTR, int> cancelled_;
  UINT_PTR timer_;
};

constexpr UINT kWatchdog = 15000;

class DialogsTest : public ::testing::Test {
 protected:
  void SetUp() override { givenRecord = nullptr; }
  void TearDown() override {
    EXPECT_EQ(watchdog.Cancelled(), 0) << "a dialog stayed open until the watchdog";
  }
  SystemWin32Services services;
  CancelTimer watchdog{kWatchdog};
};

TEST_F(DialogsTest, ConfirmedColourDialogGivesTheColourAndTheCustomColoursBack) {
  winapi::COLORREF custom[winapi::kCustomColorCount] = {0x123456};
  winapi::CHOOSECOLORA cc{};
  cc.lStructSize = sizeof cc;
  cc.rgbResult = 0x00336699;
  cc.lpCustColors = custom;
  cc.Flags = CC_RGBINIT | CC_ENABLEHOOK;
  cc.lpfnHook = Press;
  pressed = IDOK;
  ASSERT_TRUE(winapi::ChooseColorA(&cc));
  EXPECT_EQ(givenRecord, &cc);
  EXPECT_EQ(cc.rgbResult, 0x00336699u);
  EXPECT_EQ(custom[0], 0x123456u);
  EXPECT_EQ(winapi::CommDlgExtendedError(), 0u);
}

// Wine's font dialog starts on a font of its own list, whichever the record names.
TEST_F(DialogsTest, ConfirmedFontDialogGivesAFontBack) {
  winapi::LOGFONTA font{};
  winapi::CHOOSEFONTA cf{};
  cf.lStructSize = sizeof cf;
  cf.lpLogFont = &font;
  cf.Flags = CF_SCREENFONTS | CF_ENABLEHOOK;
  cf.lpfnHook = Press;
  pressed = IDOK;
  ASSERT_TRUE(winapi::ChooseFontA(&cf));
  EXPECT_EQ(givenRecord, &cf);
  EXPECT_FALSE(winapi::FaceName(font).empty());
  EXPECT_LT(font.lfHeight, 0);
  EXPECT_GT(cf.iPointSize, 0);
}

// Either the dialog showed and was cancelled, or the system said it has no printer: never an
// answer at once with nothing shown and nothing said.
TEST_F(DialogsTest, PrintDialogsShowAndCancelOrSayThereIsNoPrinter) {
  winapi::PRINTDLGA pd{};
  pd.lStructSize = sizeof pd;
  pd.Flags = PD_RETURNDC;
  winapi::PAGESETUPDLGA psd{};
  psd.lStructSize = sizeof psd;
  const std::function<bool()> dialogs[] = {[&] { return winapi::PrintDlgA(&pd); },
                                           [&] { return winapi::PageSetupDlgA(&psd); }};
  for (const auto& dialog : dialogs) {
    const CancelTimer timer(300);
    EXPECT_FALSE(dialog());
    const auto error = winapi::CommDlgExtendedError();
    if (error == 0) {
      EXPECT_GT(timer.Cancelled(), 0) << "answered at once, with nothing shown";
    } else {
      EXPECT_TRUE(error == PDERR_NODEFAULTPRN || error == PDERR_NODEVICES) << "error " << error;
    }
  }
  EXPECT_EQ(pd.hDevMode, 0);
  EXPECT_EQ(psd.hDevMode, 0);
  EXPECT_EQ(pd.hDC, 0);
}

TEST_F(DialogsTest, OnlyTheDeviceContextsOfThePrintDialogAreDeleted) {
  const ::HDC screen = ::GetDC(nullptr);
  EXPECT_FALSE(winapi::DeleteDC(NumberOf(screen)));
  ::ReleaseDC(nullptr, screen);
}

TEST_F(DialogsTest, ScreenTellsItsResolutionAndColours) {
  EXPECT_GT(winapi::GetDeviceCaps(winapi::kScreenDC, LOGPIXELSY), 0);
  EXPECT_EQ(winapi::GetDeviceCaps(winapi::kScreenDC, HORZRES), 0);
  EXPECT_EQ(winapi::GetSysColor(COLOR_WINDOW), ::GetSysColor(COLOR_WINDOW));
  EXPECT_EQ(winapi::GetSysColor(31), 0u);
}

}  // namespace
}  // namespace ferolan::windows
