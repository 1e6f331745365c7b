#include <algorithm>
#include <cstddef>
#include <cstring>

#include "commondialog/DeviceContext.h"
#include "commondialog/GCommonDialog.h"
#include "commondialog/HookInstallation.h"
#include "commondialog/IntegerConversion.h"
#include "commondialog/WholeNumber.h"
#include "commondialog/mDialogHook.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/winapi/CommonDialogs.h"
#include "platform/winapi/FlagBits.h"
#include "platform/winapi/PrintDialogs.h"

namespace ferolan {

using namespace winapi;

namespace {

// The part of a device mode the workers read: the device name, the fixed fields, the form
// name and what follows it.
constexpr std::size_t kDevModeCopied = 122;

constexpr WORD kFirstPage = 1;
constexpr WORD kLastPage = 0xFFFF;

// A block that a dialog returned; the worker frees it once read, so that repeated dialogs
// leak nothing.
class ReturnedBlock {
 public:
  explicit ReturnedBlock(HGLOBAL handle) : handle_(handle) {}
  ~ReturnedBlock() {
    if (handle_ != 0) GlobalFree(handle_);
  }
  ReturnedBlock(const ReturnedBlock&) = delete;
  ReturnedBlock& operator=(const ReturnedBlock&) = delete;

  // The device-mode fields the block holds; a short block leaves the rest at 0.
  DEVMODEA DevMode() const {
    DEVMODEA devMode{};
    const void* bytes = handle_ == 0 ? nullptr : GlobalLock(handle_);
    if (bytes == nullptr) return devMode;
    std::memcpy(&devMode, bytes, std::min(kDevModeCopied, GlobalSize(handle_)));
    GlobalUnlock(handle_);
    return devMode;
  }

 private:
  HGLOBAL handle_;
};

// Every setting is tried, whichever of them the printer refuses.
void CopySettings(PrinterObject* Printer, int32_t copies, const DEVMODEA& devMode) {
  if (Printer == nullptr) return;
  const auto attempt = [](auto assign) {
    try {
      assign();
    } catch (const RuntimeError&) {
      // The printer keeps its own value for this setting.
    }
  };
  attempt([&] { Printer->Copies(copies); });
  attempt([&] { Printer->Orientation(devMode.dmOrientation); });
  attempt([&] { Printer->PaperSize(devMode.dmPaperSize); });
  attempt([&] { Printer->PrintQuality(devMode.dmPrintQuality); });
}

}  // namespace

bool GCommonDialog::VBPrintDlg(int32_t& hdc, int32_t& PrintRange, bool DisablePageNumbers,
                               int32_t& FromPage, int32_t& ToPage, bool DisableSelection,
                               int16_t& Copies, bool ShowPrintToFile, bool DisablePrintToFile,
                               bool& PrintToFile, bool& Collate, bool PreventWarning, int32_t Owner,
                               PrinterObject* Printer, int32_t flags, bool Hook,
                               DialogEventSink* EventSink) {
  m_lApiReturn = 0;
  m_lExtendedError = 0;
  DWORD Flags = static_cast<DWORD>(flags);
  if (DisablePageNumbers) Flags |= PD_NOPAGENUMS;
  if (DisablePrintToFile) Flags |= PD_DISABLEPRINTTOFILE;
  if (DisableSelection) Flags |= PD_NOSELECTION;
  if (PrintToFile) Flags |= PD_PRINTTOFILE;
  if (!ShowPrintToFile) Flags |= PD_HIDEPRINTTOFILE;
  if (PreventWarning) Flags |= PD_NOWARNING;
  if (Collate) Flags |= PD_COLLATE;
  Flags |= PD_USEDEVMODECOPIES | PD_RETURNDC;
  if (PrintRange == 1) {
    Flags |= PD_PAGENUMS;
  } else if (PrintRange == 2) {
    Flags |= PD_SELECTION;
  }
  Flags &=
      ~(PD_ENABLEPRINTHOOK | PD_ENABLEPRINTTEMPLATE | PD_ENABLESETUPHOOK | PD_ENABLESETUPTEMPLATE);

  PRINTDLGA pd{};
  pd.lStructSize = PRINTDLG_SIZE;
  pd.hwndOwner = Owner;
  pd.Flags = Flags;
  pd.nFromPage = static_cast<WORD>(ToInteger(FromPage));
  pd.nToPage = static_cast<WORD>(ToInteger(ToPage));
  pd.nMinPage = kFirstPage;
  pd.nMaxPage = kLastPage;
  if (Hook && HasFlag(pd.Flags, PD_PRINTSETUP)) {
    pd.lpfnSetupHook = mDialogHook::HookProc3;
    pd.Flags |= PD_ENABLESETUPHOOK;
  } else if (Hook) {
    pd.lpfnPrintHook = mDialogHook::HookProc2;
    pd.Flags |= PD_ENABLEPRINTHOOK;
  }

  {
    const HookInstallation installation(*this, Hook, EventSink);
    m_lApiReturn = PrintDlgA(&pd);
  }
  DeviceContext returnedDC(pd.hDC);
  const ReturnedBlock devMode(pd.hDevMode);
  const ReturnedBlock devNames(pd.hDevNames);
  RaiseHookError();

  if (m_lApiReturn != 1) {
    if (m_lApiReturn != 0) m_lExtendedError = static_cast<int32_t>(CommDlgExtendedError());
    return false;
  }
  hdc = returnedDC.Release();
  PrintRange = HasFlag(pd.Flags, PD_PAGENUMS) ? 1 : HasFlag(pd.Flags, PD_SELECTION) ? 2 : 0;
  FromPage = pd.nFromPage;
  ToPage = pd.nToPage;
  PrintToFile = HasFlag(pd.Flags, PD_PRINTTOFILE);
  const DEVMODEA dm = devMode.DevMode();
  // A driver that makes the copies itself clears PD_COLLATE and keeps them in its device mode.
  if (HasFlag(pd.Flags, PD_COLLATE)) {
    Collate = true;
    Copies = ToInteger(pd.nCopies);
  } else {
    Collate = dm.dmCollate == DMCOLLATE_TRUE;
    Copies = dm.dmCopies;
  }
  CopySettings(Printer, Copies, dm);
  return true;
}

bool GCommonDialog::VBPageSetupDlg2(int32_t Owner, bool DisableMargins, bool DisableOrientation,
                                    bool DisablePaper, bool DisablePrinter, float& LeftMargin,
                                    float& MinLeftMargin, float& RightMargin, float& MinRightMargin,
                                    float& TopMargin, float& MinTopMargin, float& BottomMargin,
                                    float& MinBottomMargin, int32_t& PaperSize,
                                    int32_t& Orientation, int32_t& PrintQuality, int32_t Units,
                                    PrinterObject* Printer, bool Hook, DialogEventSink* EventSink) {
  m_lApiReturn = 0;
  m_lExtendedError = 0;
  PAGESETUPDLGA psd{};
  psd.lStructSize = PAGESETUPDLG_SIZE;
  psd.hwndOwner = Owner;
  if (DisableMargins) psd.Flags |= PSD_DISABLEMARGINS;
  if (DisableOrientation) psd.Flags |= PSD_DISABLEORIENTATION;
  if (DisablePaper) psd.Flags |= PSD_DISABLEPAPER;
  if (DisablePrinter) psd.Flags |= PSD_DISABLEPRINTER;
  psd.Flags |= Units == 0 ? PSD_INTHOUSANDTHSOFINCHES : PSD_INHUNDREDTHSOFMILLIMETERS;
  const float factor = Units == 0 ? 1000.0F : 100.0F;
  const auto scaled = [factor](float margin) { return RoundToLong(double{margin} * factor); };
  psd.rtMargin = {scaled(LeftMargin), scaled(TopMargin), scaled(RightMargin), scaled(BottomMargin)};
  psd.rtMinMargin = {scaled(MinLeftMargin), scaled(MinTopMargin), scaled(MinRightMargin),
                     scaled(MinBottomMargin)};
  if (Hook) {
    psd.lpfnPageSetupHook = mDialogHook::HookProc4;
    psd.Flags |= PSD_ENABLEPAGESETUPHOOK;
  }

  BOOL confirmed = 0;
  {
    const HookInstallation installation(*this, Hook, EventSink);
    confirmed = PageSetupDlgA(&psd);
  }
  const ReturnedBlock devMode(psd.hDevMode);
  const ReturnedBlock devNames(psd.hDevNames);
  RaiseHookError();
  if (confirmed == 0) return false;

  LeftMargin = static_cast<float>(psd.rtMargin.left) / factor;
  TopMargin = static_cast<float>(psd.rtMargin.top) / factor;
  RightMargin = static_cast<float>(psd.rtMargin.right) / factor;
  BottomMargin = static_cast<float>(psd.rtMargin.bottom) / factor;
  MinLeftMargin = static_cast<float>(psd.rtMinMargin.left) / factor;
  MinTopMargin = static_cast<float>(psd.rtMinMargin.top) / factor;
  MinRightMargin = static_cast<float>(psd.rtMinMargin.right) / factor;
  MinBottomMargin = static_cast<float>(psd.rtMinMargin.bottom) / factor;
  const DEVMODEA dm = devMode.DevMode();
  PaperSize = dm.dmPaperSize;
  Orientation = dm.dmOrientation;
  PrintQuality = dm.dmPrintQuality;
  CopySettings(Printer, dm.dmCopies, dm);
  return true;
}

bool GCommonDialog::VBPageSetupDlg(int32_t Owner, bool DisableMargins, bool DisableOrientation,
                                   bool DisablePaper, bool DisablePrinter, int32_t& LeftMargin,
                                   int32_t& MinLeftMargin, int32_t& RightMargin,
                                   int32_t& MinRightMargin, int32_t& TopMargin,
                                   int32_t& MinTopMargin, int32_t& BottomMargin,
                                   int32_t& MinBottomMargin, int32_t& PaperSize,
                                   int32_t& Orientation, int32_t& PrintQuality, int32_t Units,
                                   PrinterObject* Printer, bool Hook, DialogEventSink* EventSink) {
  float margins[8] = {};
  const bool confirmed = VBPageSetupDlg2(
      Owner, DisableMargins, DisableOrientation, DisablePaper, DisablePrinter, margins[0],
      margins[1], margins[2], margins[3], margins[4], margins[5], margins[6], margins[7], PaperSize,
      Orientation, PrintQuality, Units, Printer, Hook, EventSink);
  // A cancel keeps the caller's margins, as it does for the single-precision ones.
  if (!confirmed) return false;
  int32_t* const wholes[8] = {&LeftMargin, &MinLeftMargin, &RightMargin,  &MinRightMargin,
                              &TopMargin,  &MinTopMargin,  &BottomMargin, &MinBottomMargin};
  for (std::size_t i = 0; i < 8; ++i) *wholes[i] = RoundToLong(margins[i]);
  return true;
}

}  // namespace ferolan
