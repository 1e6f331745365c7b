#include "platform/qt/PageSetupDialog.h"

#include <QLocale>
#include <QPageSetupDialog>
#include <QPrinter>
#include <cmath>
#include <optional>

#include "platform/qt/CommonRecordError.h"
#include "platform/qt/HookCaller.h"
#include "platform/qt/PrinterRecords.h"
#include "platform/qt/WindowTable.h"
#include "platform/winapi/CommonDialogs.h"
#include "platform/winapi/FlagBits.h"

namespace ferolan::qt {

using namespace winapi;

namespace {

DWORD RecordError(const PAGESETUPDLGA& psd) {
  const bool hookWithoutProcedure =
      (HasFlag(psd.Flags, PSD_ENABLEPAGESETUPHOOK) && psd.lpfnPageSetupHook == nullptr) ||
      (HasFlag(psd.Flags, PSD_ENABLEPAGEPAINTHOOK) && psd.lpfnPagePaintHook == nullptr);
  return CommonRecordError(psd.lStructSize, PAGESETUPDLG_SIZE, sizeof(PAGESETUPDLGA),
                           hookWithoutProcedure, HasFlag(psd.Flags, PSD_ENABLEPAGESETUPTEMPLATE));
}

// The record's unit: thousandths of inches or hundredths of millimetres, as the flags ask or,
// with neither, as the user's measurement system has it.
struct Units {
  QPageLayout::Unit unit;
  double perUnit;
  DWORD flag;
};

Units UnitsOf(DWORD flags) {
  const bool inches = HasFlag(flags, PSD_INTHOUSANDTHSOFINCHES) ||
                      (!HasFlag(flags, PSD_INHUNDREDTHSOFMILLIMETERS) &&
                       QLocale().measurementSystem() != QLocale::MetricSystem);
  if (inches) return {QPageLayout::Inch, 1000, PSD_INTHOUSANDTHSOFINCHES};
  return {QPageLayout::Millimeter, 100, PSD_INHUNDREDTHSOFMILLIMETERS};
}

QMarginsF MarginsOf(const RECT& rect, const Units& units) {
  return QMarginsF(rect.left / units.perUnit, rect.top / units.perUnit, rect.right / units.perUnit,
                   rect.bottom / units.perUnit);
}

LONG InUnits(qreal value, const Units& units) {
  return static_cast<LONG>(std::lround(value * units.perUnit));
}

RECT RectOf(const QMarginsF& margins, const Units& units) {
  return {InUnits(margins.left(), units), InUnits(margins.top(), units),
          InUnits(margins.right(), units), InUnits(margins.bottom(), units)};
}

// Qt's dialog offers no switches for its parts; the group around a named control stands for
// each. A later Qt without these names leaves its dialog whole.
void DisableGroupOf(QPageSetupDialog& dialog, const char* control) {
  if (auto* widget = dialog.findChild<QWidget*>(QLatin1String(control))) {
    widget->parentWidget()->setEnabled(false);
  }
}

void DisableParts(QPageSetupDialog& dialog, DWORD flags) {
  if (HasFlag(flags, PSD_DISABLEMARGINS)) DisableGroupOf(dialog, "topMargin");
  if (HasFlag(flags, PSD_DISABLEORIENTATION)) DisableGroupOf(dialog, "portrait");
  if (HasFlag(flags, PSD_DISABLEPAPER)) DisableGroupOf(dialog, "pageSizeCombo");
  // PSD_DISABLEPRINTER: Qt's page setup has no printer choice to disable.
}

void SetMargins(QPrinter& printer, const PAGESETUPDLGA& psd, const Units& units) {
  QPageLayout layout = printer.pageLayout();
  layout.setUnits(units.unit);
  if (HasFlag(psd.Flags, PSD_MINMARGINS))
    layout.setMinimumMargins(MarginsOf(psd.rtMinMargin, units));
  // Margins below the minimum are refused, and the printer's own kept.
  if (HasFlag(psd.Flags, PSD_MARGINS)) layout.setMargins(MarginsOf(psd.rtMargin, units));
  printer.setPageLayout(layout);
}

void WriteResult(PAGESETUPDLGA& psd, const QPrinter& printer, const Units& units) {
  const QPageLayout layout = printer.pageLayout();
  psd.Flags =
      (psd.Flags & ~(PSD_INTHOUSANDTHSOFINCHES | PSD_INHUNDREDTHSOFMILLIMETERS)) | units.flag;
  const QSizeF paper = layout.fullRect(units.unit).size();
  psd.ptPaperSize = {InUnits(paper.width(), units), InUnits(paper.height(), units)};
  psd.rtMargin = RectOf(layout.margins(units.unit), units);
  QPageLayout minimum = layout;
  minimum.setUnits(units.unit);
  psd.rtMinMargin = RectOf(minimum.minimumMargins(), units);
  ReplaceBlock(psd.hDevMode, NewDevMode(printer, true));
  ReplaceBlock(psd.hDevNames, NewDevNames(printer));
}

}  // namespace

BOOL ShowPageSetupDialog(PAGESETUPDLGA& psd, DWORD& extendedError) {
  extendedError = RecordError(psd);
  if (extendedError != 0) return 0;
  const Units units = UnitsOf(psd.Flags);
  QPrinter printer(QPrinter::HighResolution);
  UseDefaultPrinter(printer, false);
  SetMargins(printer, psd, units);

  QPageSetupDialog dialog(&printer, WindowOf(psd.hwndOwner));
  dialog.setWindowTitle(QStringLiteral("Mise en page"));
  DisableParts(dialog, psd.Flags);
  std::optional<HookCaller> hook;
  if (HasFlag(psd.Flags, PSD_ENABLEPAGESETUPHOOK)) hook.emplace(psd.lpfnPageSetupHook, dialog);
  const int result = RunHooked(dialog, hook ? &*hook : nullptr, &psd);
  if (result != QDialog::Accepted) return 0;
  WriteResult(psd, printer, units);
  return 1;
}

}  // namespace ferolan::qt
