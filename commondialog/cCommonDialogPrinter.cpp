#include "commondialog/GCommonDialog.h"
#include "commondialog/IntegerConversion.h"
#include "commondialog/cCommonDialog.h"
#include "platform/winapi/FlagBits.h"
#include "platform/winapi/PrintDialogs.h"

namespace ferolan {

using namespace winapi;

void cCommonDialog::ShowPrinter() {
  m_bUseParent = false;
  int16_t iCopies = ToInteger(m_lCopies);
  const bool DisablePageNumbers = !HasFlag(m_lFlags, PD_PAGENUMS);
  const bool DisableSelection = HasFlag(m_lFlags, PD_NOSELECTION);
  const bool ShowPrintToFile = !HasFlag(m_lFlags, PD_HIDEPRINTTOFILE);
  const bool DisablePrintToFile = HasFlag(m_lFlags, PD_DISABLEPRINTTOFILE);
  bool PrintToFile = HasFlag(m_lFlags, PD_PRINTTOFILE);
  bool Collate = HasFlag(m_lFlags, PD_COLLATE);
  const bool PreventWarning = HasFlag(m_lFlags, PD_NOWARNING);
  int32_t PrintRange = 0;
  int32_t hdc = m_oPrinterDC.Get();
  if (Worker().VBPrintDlg(hdc, PrintRange, DisablePageNumbers, m_lFromPage, m_lToPage,
                          DisableSelection, iCopies, ShowPrintToFile, DisablePrintToFile,
                          PrintToFile, Collate, PreventWarning, m_lhWnd, m_oObject, m_lFlags,
                          m_bHookDialog, this)) {
    m_oPrinterDC.Reset(hdc);
    m_lCopies = iCopies;
  }
}

}  // namespace ferolan
