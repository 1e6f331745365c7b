#include <algorithm>
#include <array>
#include <string>

#include "platform/winapi/ChooseDialogs.h"
#include "platform/winapi/DeviceCaps.h"
#include "platform/winapi/RecordChecks.h"
#include "platform/windows/gui/SystemWin32Services.h"

// After our records: the system's macros would hide our constants of the same names.
#include <windows.h>

#include <commdlg.h>

#include "platform/windows/WideNames.h"
#include "platform/windows/gui/Handles.h"
#include "platform/windows/gui/HookTrampoline.h"

namespace ferolan::windows {

namespace {

// The system needs a printer's device context only for its fonts.
::HDC FontDeviceOf(const winapi::CHOOSEFONTA& cf) {
  return (cf.Flags & CF_PRINTERFONTS) != 0 ? HandleOf<::HDC>(cf.hDC) : nullptr;
}

LOGFONTW WideFont(const winapi::LOGFONTA& lf) {
  LOGFONTW wide{};
  wide.lfHeight = lf.lfHeight;
  wide.lfWidth = lf.lfWidth;
  wide.lfEscapement = lf.lfEscapement;
  wide.lfOrientation = lf.lfOrientation;
  wide.lfWeight = lf.lfWeight;
  wide.lfItalic = lf.lfItalic;
  wide.lfUnderline = lf.lfUnderline;
  wide.lfStrikeOut = lf.lfStrikeOut;
  wide.lfCharSet = lf.lfCharSet;
  wide.lfOutPrecision = lf.lfOutPrecision;
  wide.lfClipPrecision = lf.lfClipPrecision;
  wide.lfQuality = lf.lfQuality;
  wide.lfPitchAndFamily = lf.lfPitchAndFamily;
  const std::wstring face = Utf16Of(winapi::FaceName(lf));
  face.copy(wide.lfFaceName, std::min<std::size_t>(face.size(), LF_FACESIZE - 1));
  return wide;
}

void WriteFont(const LOGFONTW& wide, winapi::LOGFONTA& lf) {
  lf.lfHeight = wide.lfHeight;
  lf.lfWidth = wide.lfWidth;
  lf.lfEscapement = wide.lfEscapement;
  lf.lfOrientation = wide.lfOrientation;
  lf.lfWeight = wide.lfWeight;
  lf.lfItalic = wide.lfItalic;
  lf.lfUnderline = wide.lfUnderline;
  lf.lfStrikeOut = wide.lfStrikeOut;
  lf.lfCharSet = wide.lfCharSet;
  lf.lfOutPrecision = wide.lfOutPrecision;
  lf.lfClipPrecision = wide.lfClipPrecision;
  lf.lfQuality = wide.lfQuality;
  lf.lfPitchAndFamily = wide.lfPitchAndFamily;
  winapi::SetFaceName(lf, Utf8Of(wide.lfFaceName));
}

}  // namespace

winapi::BOOL SystemWin32Services::ChooseColorA(winapi::CHOOSECOLORA* lpcc) {
  if (lpcc == nullptr) {
    extendedError_ = CDERR_INITIALIZATION;
    return 0;
  }
  winapi::CHOOSECOLORA& cc = *lpcc;
  const bool hooked = (cc.Flags & CC_ENABLEHOOK) != 0;
  extendedError_ =
      winapi::RecordError(cc.lStructSize, winapi::CHOOSECOLOR_SIZE, sizeof cc,
                          hooked && cc.lpfnHook == nullptr, (cc.Flags & CC_ENABLETEMPLATE) != 0);
  if (extendedError_ == 0 && cc.lpCustColors == nullptr) extendedError_ = CDERR_INITIALIZATION;
  if (extendedError_ != 0) return 0;

  std::array<COLORREF, winapi::kCustomColorCount> custom;
  std::copy_n(cc.lpCustColors, custom.size(), custom.begin());
  CHOOSECOLORW system{};
  system.lStructSize = sizeof system;
  system.hwndOwner = HandleOf<::HWND>(cc.hwndOwner);
  system.rgbResult = cc.rgbResult;
  system.lpCustColors = custom.data();
  system.Flags = cc.Flags;
  if (hooked) system.lpfnHook = HookTrampoline::Call;

  const HookTrampoline hook(cc.lpfnHook, &cc);
  const BOOL chosen = ::ChooseColorW(&system);
  // The custom boxes are the user's whether or not a colour was chosen.
  std::copy(custom.begin(), custom.end(), cc.lpCustColors);
  extendedError_ = chosen ? 0 : ::CommDlgExtendedError();
  if (!chosen) return 0;
  cc.rgbResult = system.rgbResult;
  return 1;
}

winapi::BOOL SystemWin32Services::ChooseFontA(winapi::CHOOSEFONTA* lpcf) {
  if (lpcf == nullptr) {
    extendedError_ = CDERR_INITIALIZATION;
    return 0;
  }
  winapi::CHOOSEFONTA& cf = *lpcf;
  const bool hooked = (cf.Flags & CF_ENABLEHOOK) != 0;
  extendedError_ =
      winapi::RecordError(cf.lStructSize, winapi::CHOOSEFONT_SIZE, sizeof cf,
                          hooked && cf.lpfnHook == nullptr, (cf.Flags & CF_ENABLETEMPLATE) != 0);
  if (extendedError_ == 0 && cf.lpLogFont == nullptr) extendedError_ = CDERR_INITIALIZATION;
  if (extendedError_ != 0) return 0;

  LOGFONTW font = WideFont(*cf.lpLogFont);
  CHOOSEFONTW system{};
  system.lStructSize = sizeof system;
  system.hwndOwner = HandleOf<::HWND>(cf.hwndOwner);
  system.hDC = FontDeviceOf(cf);
  system.lpLogFont = &font;
  system.iPointSize = cf.iPointSize;
  // The style name stays the system's: our record's would be a UTF-8 buffer of another size.
  system.Flags = cf.Flags & ~static_cast<DWORD>(CF_USESTYLE);
  system.rgbColors = cf.rgbColors;
  if (hooked) system.lpfnHook = HookTrampoline::Call;
  system.nSizeMin = cf.nSizeMin;
  system.nSizeMax = cf.nSizeMax;

  const HookTrampoline hook(cf.lpfnHook, &cf);
  const BOOL chosen = ::ChooseFontW(&system);
  extendedError_ = chosen ? 0 : ::CommDlgExtendedError();
  if (!chosen) return 0;
  WriteFont(font, *cf.lpLogFont);
  cf.iPointSize = system.iPointSize;
  cf.rgbColors = system.rgbColors;
  cf.nFontType = system.nFontType;
  return 1;
}

winapi::DWORD SystemWin32Services::GetSysColor(int nIndex) {
  return nIndex >= COLOR_SCROLLBAR && nIndex <= COLOR_MENUBAR ? ::GetSysColor(nIndex) : 0;
}

// Only the screen's: a printer's device context is the system's own business.
int SystemWin32Services::GetDeviceCaps(winapi::HDC hdc, int index) {
  if (hdc != winapi::kScreenDC || (index != LOGPIXELSX && index != LOGPIXELSY)) return 0;
  const ::HDC screen = ::GetDC(nullptr);
  if (screen == nullptr) return 0;
  const int dotsPerInch = ::GetDeviceCaps(screen, index);
  ::ReleaseDC(nullptr, screen);
  return dotsPerInch;
}

}  // namespace ferolan::windows
