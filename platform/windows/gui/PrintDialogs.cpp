#include <set>

#include "platform/winapi/PrintDialogs.h"
#include "platform/winapi/RecordChecks.h"
#include "platform/windows/gui/SystemWin32Services.h"

// After our records: the system's macros would hide our constants of the same names.
#include <windows.h>

#include <commdlg.h>

#include "platform/windows/gui/Handles.h"
#include "platform/windows/gui/HookTrampoline.h"
#include "platform/windows/gui/PrinterBlocks.h"

namespace ferolan::windows {

namespace {

// The device contexts PrintDlgA handed out, which DeleteDC alone may release.
std::set<int32_t>& PrinterContexts() {
  static std::set<int32_t> contexts;
  return contexts;
}

// The printer blocks of a system record, freed with it: the system may have replaced those it
// was given, so the record's fields name the ones to free.
template <class Record>
struct SystemRecord : Record {
  SystemRecord() : Record{} { this->lStructSize = sizeof(Record); }
  SystemRecord(const SystemRecord&) = delete;
  SystemRecord& operator=(const SystemRecord&) = delete;
  ~SystemRecord() {
    if (this->hDevMode != nullptr) ::GlobalFree(this->hDevMode);
    if (this->hDevNames != nullptr) ::GlobalFree(this->hDevNames);
  }
};

// Our record's blocks as the system's; false, for CDERR_MEMALLOCFAILURE, when a block given
// could not be carried over.
template <class Ours, class Record>
bool CarryBlocksIn(const Ours& ours, SystemRecord<Record>& system) {
  system.hDevMode = SystemDevMode(ours.hDevMode);
  system.hDevNames = SystemDevNames(ours.hDevNames);
  return (ours.hDevMode == 0 || system.hDevMode != nullptr) &&
         (ours.hDevNames == 0 || system.hDevNames != nullptr);
}

// The chosen printer's blocks replace those our record held; false, for
// CDERR_MEMALLOCFAILURE, with our record as it was, when one of them could not be carried over.
template <class Ours, class Record>
bool CarryBlocksOut(const SystemRecord<Record>& system, Ours& ours) {
  const winapi::HGLOBAL devMode = OurDevMode(system.hDevMode);
  const winapi::HGLOBAL devNames = OurDevNames(system.hDevNames);
  if ((system.hDevMode != nullptr && devMode == 0) ||
      (system.hDevNames != nullptr && devNames == 0)) {
    for (const winapi::HGLOBAL made : {devMode, devNames}) {
      if (made != 0) winapi::GlobalFree(made);
    }
    return false;
  }
  for (auto [field, block] : {std::pair{&ours.hDevMode, devMode}, {&ours.hDevNames, devNames}}) {
    if (*field != 0) winapi::GlobalFree(*field);
    *field = block;
  }
  return true;
}

}  // namespace

winapi::BOOL SystemWin32Services::PrintDlgA(winapi::PRINTDLGA* pPD) {
  if (pPD == nullptr) {
    extendedError_ = CDERR_INITIALIZATION;
    return 0;
  }
  winapi::PRINTDLGA& pd = *pPD;
  const bool setup = (pd.Flags & PD_PRINTSETUP) != 0;
  const HookTrampoline::Procedure procedure = setup ? pd.lpfnSetupHook : pd.lpfnPrintHook;
  const bool hooked = (pd.Flags & (setup ? PD_ENABLESETUPHOOK : PD_ENABLEPRINTHOOK)) != 0;
  extendedError_ = winapi::RecordError(
      pd.lStructSize, winapi::PRINTDLG_SIZE, sizeof pd, hooked && procedure == nullptr,
      (pd.Flags & (PD_ENABLEPRINTTEMPLATE | PD_ENABLESETUPTEMPLATE)) != 0);
  if (extendedError_ != 0) return 0;

  SystemRecord<PRINTDLGW> system;
  if (!CarryBlocksIn(pd, system)) {
    extendedError_ = CDERR_MEMALLOCFAILURE;
    return 0;
  }
  system.hwndOwner = HandleOf<::HWND>(pd.hwndOwner);
  system.Flags = pd.Flags;
  system.nFromPage = pd.nFromPage;
  system.nToPage = pd.nToPage;
  system.nMinPage = pd.nMinPage;
  system.nMaxPage = pd.nMaxPage;
  system.nCopies = pd.nCopies;
  if ((pd.Flags & PD_ENABLEPRINTHOOK) != 0) system.lpfnPrintHook = HookTrampoline::Call;
  if ((pd.Flags & PD_ENABLESETUPHOOK) != 0) system.lpfnSetupHook = HookTrampoline::Call;

  const HookTrampoline hook(procedure, &pd);
  const BOOL chosen = ::PrintDlgW(&system);
  extendedError_ = chosen ? 0 : ::CommDlgExtendedError();
  if (!chosen) return 0;
  if (!CarryBlocksOut(system, pd)) {
    extendedError_ = CDERR_MEMALLOCFAILURE;
    if (system.hDC != nullptr) ::DeleteDC(system.hDC);
    return 0;
  }
  pd.Flags = system.Flags;
  pd.nFromPage = system.nFromPage;
  pd.nToPage = system.nToPage;
  pd.nCopies = system.nCopies;
  pd.hDC = NumberOf(system.hDC);
  if (pd.hDC != 0) PrinterContexts().insert(pd.hDC);
  return 1;
}

winapi::BOOL SystemWin32Services::PageSetupDlgA(winapi::PAGESETUPDLGA* pPSD) {
  if (pPSD == nullptr) {
    extendedError_ = CDERR_INITIALIZATION;
    return 0;
  }
  winapi::PAGESETUPDLGA& psd = *pPSD;
  const bool hooked = (psd.Flags & PSD_ENABLEPAGESETUPHOOK) != 0;
  const bool painted = (psd.Flags & PSD_ENABLEPAGEPAINTHOOK) != 0;
  extendedError_ = winapi::RecordError(
      psd.lStructSize, winapi::PAGESETUPDLG_SIZE, sizeof psd,
      (hooked && psd.lpfnPageSetupHook == nullptr) || (painted && psd.lpfnPagePaintHook == nullptr),
      (psd.Flags & PSD_ENABLEPAGESETUPTEMPLATE) != 0);
  if (extendedError_ != 0) return 0;

  SystemRecord<PAGESETUPDLGW> system;
  if (!CarryBlocksIn(psd, system)) {
    extendedError_ = CDERR_MEMALLOCFAILURE;
    return 0;
  }
  system.hwndOwner = HandleOf<::HWND>(psd.hwndOwner);
  // The system draws the sample page itself, as the Linux dialog does: a paint hook would be
  // handed the system's device context and records, which ours cannot stand for.
  system.Flags = psd.Flags & ~static_cast<DWORD>(PSD_ENABLEPAGEPAINTHOOK);
  system.rtMinMargin = {psd.rtMinMargin.left, psd.rtMinMargin.top, psd.rtMinMargin.right,
                        psd.rtMinMargin.bottom};
  system.rtMargin = {psd.rtMargin.left, psd.rtMargin.top, psd.rtMargin.right, psd.rtMargin.bottom};
  if (hooked) system.lpfnPageSetupHook = HookTrampoline::Call;

  const HookTrampoline hook(psd.lpfnPageSetupHook, &psd);
  const BOOL chosen = ::PageSetupDlgW(&system);
  extendedError_ = chosen ? 0 : ::CommDlgExtendedError();
  if (!chosen) return 0;
  if (!CarryBlocksOut(system, psd)) {
    extendedError_ = CDERR_MEMALLOCFAILURE;
    return 0;
  }
  psd.Flags = (system.Flags & ~static_cast<DWORD>(PSD_ENABLEPAGEPAINTHOOK)) |
              (psd.Flags & PSD_ENABLEPAGEPAINTHOOK);
  psd.ptPaperSize = {system.ptPaperSize.x, system.ptPaperSize.y};
  psd.rtMinMargin = {system.rtMinMargin.left, system.rtMinMargin.top, system.rtMinMargin.right,
                     system.rtMinMargin.bottom};
  psd.rtMargin = {system.rtMargin.left, system.rtMargin.top, system.rtMargin.right,
                  system.rtMargin.bottom};
  return 1;
}

winapi::BOOL SystemWin32Services::DeleteDC(winapi::HDC hdc) {
  if (PrinterContexts().erase(hdc) == 0) return 0;
  return ::DeleteDC(HandleOf<::HDC>(hdc)) ? 1 : 0;
}

}  // namespace ferolan::windows
