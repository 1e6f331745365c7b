#include "platform/qt/PrintDialog.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>
#include <optional>

#include "platform/qt/CommonRecordError.h"
#include "platform/qt/DeviceContexts.h"
#include "platform/qt/HookCaller.h"
#include "platform/qt/PrinterRecords.h"
#include "platform/qt/WindowTable.h"
#include "platform/winapi/CommonDialogs.h"
#include "platform/winapi/FlagBits.h"

namespace ferolan::qt {

using namespace winapi;

namespace {

// Why the record cannot be shown; 0 when it can.
DWORD RecordError(const PRINTDLGA& pd) {
  const bool setup = HasFlag(pd.Flags, PD_PRINTSETUP);
  const bool hookWithoutProcedure =
      setup ? HasFlag(pd.Flags, PD_ENABLESETUPHOOK) && pd.lpfnSetupHook == nullptr
            : HasFlag(pd.Flags, PD_ENABLEPRINTHOOK) && pd.lpfnPrintHook == nullptr;
  return CommonRecordError(
      pd.lStructSize, PRINTDLG_SIZE, sizeof(PRINTDLGA), hookWithoutProcedure,
      HasFlag(pd.Flags, PD_ENABLEPRINTTEMPLATE) || HasFlag(pd.Flags, PD_ENABLESETUPTEMPLATE));
}

QAbstractPrintDialog::PrintDialogOptions OptionsOf(DWORD flags) {
  QAbstractPrintDialog::PrintDialogOptions options =
      QAbstractPrintDialog::PrintShowPageSize | QAbstractPrintDialog::PrintCollateCopies;
  // With no printer installed the PDF file is the only printer, so it stays offered.
  const bool fileHidden =
      HasFlag(flags, PD_DISABLEPRINTTOFILE) || HasFlag(flags, PD_HIDEPRINTTOFILE);
  if (!fileHidden || QPrinterInfo::availablePrinterNames().isEmpty()) {
    options |= QAbstractPrintDialog::PrintToFile;
  }
  // The setup dialog chooses the printer and its paper, not what to print.
  if (HasFlag(flags, PD_PRINTSETUP)) return options;
  if (!HasFlag(flags, PD_NOPAGENUMS)) options |= QAbstractPrintDialog::PrintPageRange;
  if (!HasFlag(flags, PD_NOSELECTION)) options |= QAbstractPrintDialog::PrintSelection;
  return options;
}

void SetRange(QPrintDialog& dialog, const PRINTDLGA& pd) {
  if (pd.nMinPage <= pd.nMaxPage && pd.nMinPage > 0) dialog.setMinMax(pd.nMinPage, pd.nMaxPage);
  if (HasFlag(pd.Flags, PD_PAGENUMS)) {
    dialog.setPrintRange(QAbstractPrintDialog::PageRange);
    const bool inRange =
        pd.nMinPage <= pd.nFromPage && pd.nFromPage <= pd.nToPage && pd.nToPage <= pd.nMaxPage;
    if (inRange) dialog.setFromTo(pd.nFromPage, pd.nToPage);
  } else if (HasFlag(pd.Flags, PD_SELECTION)) {
    dialog.setPrintRange(QAbstractPrintDialog::Selection);
  }
}

void WriteResult(PRINTDLGA& pd, const QPrintDialog& dialog, const QPrinter& printer) {
  pd.Flags &= ~(PD_PAGENUMS | PD_SELECTION | PD_COLLATE | PD_PRINTTOFILE);
  if (dialog.printRange() == QAbstractPrintDialog::PageRange) {
    pd.Flags |= PD_PAGENUMS;
    pd.nFromPage = static_cast<WORD>(printer.fromPage());
    pd.nToPage = static_cast<WORD>(printer.toPage());
  } else if (dialog.printRange() == QAbstractPrintDialog::Selection) {
    pd.Flags |= PD_SELECTION;
  }
  if (PrintsToFile(printer)) pd.Flags |= PD_PRINTTOFILE;
  // Qt's printers make their copies themselves: with PD_USEDEVMODECOPIES the device mode
  // carries them, otherwise the program makes them.
  const bool copiesInDevMode = HasFlag(pd.Flags, PD_USEDEVMODECOPIES);
  if (copiesInDevMode) {
    pd.nCopies = 1;
  } else {
    pd.nCopies = static_cast<WORD>(printer.copyCount());
    if (printer.collateCopies()) pd.Flags |= PD_COLLATE;
  }
  ReplaceBlock(pd.hDevMode, NewDevMode(printer, copiesInDevMode));
  ReplaceBlock(pd.hDevNames, NewDevNames(printer));
  pd.hDC = HasFlag(pd.Flags, PD_RETURNDC) ? CreatePrinterContext(printer) : 0;
}

}  // namespace

BOOL ShowPrintDialog(PRINTDLGA& pd, DWORD& extendedError) {
  extendedError = RecordError(pd);
  if (extendedError != 0) return 0;
  QPrinter printer(QPrinter::HighResolution);
  UseDefaultPrinter(printer, HasFlag(pd.Flags, PD_PRINTTOFILE));
  printer.setCopyCount(std::max<int>(pd.nCopies, 1));
  printer.setCollateCopies(HasFlag(pd.Flags, PD_COLLATE));

  QPrintDialog dialog(&printer, WindowOf(pd.hwndOwner));
  const bool setup = HasFlag(pd.Flags, PD_PRINTSETUP);
  dialog.setWindowTitle(setup ? QStringLiteral("Configuration de l'impression")
                              : QStringLiteral("Imprimer"));
  dialog.setOptions(OptionsOf(pd.Flags));
  SetRange(dialog, pd);

  // The hook gets the dialog itself, as the platform's print dialogs give it.
  std::optional<HookCaller> hook;
  if (setup && HasFlag(pd.Flags, PD_ENABLESETUPHOOK)) hook.emplace(pd.lpfnSetupHook, dialog);
  if (!setup && HasFlag(pd.Flags, PD_ENABLEPRINTHOOK)) hook.emplace(pd.lpfnPrintHook, dialog);
  const int result = RunHooked(dialog, hook ? &*hook : nullptr, &pd);
  if (result != QDialog::Accepted) return 0;
  WriteResult(pd, dialog, printer);
  return 1;
}

}  // namespace ferolan::qt
