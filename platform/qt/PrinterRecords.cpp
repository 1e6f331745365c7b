#include "platform/qt/PrinterRecords.h"

#include <QDir>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>
#include <cstring>

namespace ferolan::qt {

using namespace winapi;

namespace {

// The PDF printer has no name of its own.
constexpr char kFileDevice[] = "PDF";

// Cut to the field, always NUL-ended.
template <std::size_t N>
void CopyName(char (&field)[N], const std::string& name) {
  const std::size_t length = std::min(name.size(), N - 1);
  std::memcpy(field, name.data(), length);
  field[length] = '\0';
}

short DuplexOf(QPrinter::DuplexMode mode) {
  switch (mode) {
    case QPrinter::DuplexLongSide:
      return DMDUP_VERTICAL;
    case QPrinter::DuplexShortSide:
      return DMDUP_HORIZONTAL;
    default:
      return DMDUP_SIMPLEX;
  }
}

DEVMODEA DevModeOf(const QPrinter& printer, bool copiesInDevMode) {
  DEVMODEA devMode{};
  CopyName(devMode.dmDeviceName, DeviceName(printer));
  devMode.dmSpecVersion = DM_SPECVERSION;
  devMode.dmSize = sizeof(DEVMODEA);
  devMode.dmFields = DM_ORIENTATION | DM_PAPERSIZE | DM_PAPERLENGTH | DM_PAPERWIDTH | DM_COPIES |
                     DM_PRINTQUALITY | DM_COLOR | DM_DUPLEX | DM_YRESOLUTION | DM_COLLATE |
                     DM_FORMNAME;
  const QPageLayout layout = printer.pageLayout();
  const QPageSize page = layout.pageSize();
  devMode.dmOrientation =
      layout.orientation() == QPageLayout::Landscape ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT;
  devMode.dmPaperSize = page.windowsId() > 0 ? static_cast<short>(page.windowsId()) : DMPAPER_USER;
  const QSizeF millimetres = page.size(QPageSize::Millimeter);
  devMode.dmPaperWidth = static_cast<short>(qRound(millimetres.width() * 10));
  devMode.dmPaperLength = static_cast<short>(qRound(millimetres.height() * 10));
  devMode.dmScale = 100;
  devMode.dmCopies = copiesInDevMode ? static_cast<short>(printer.copyCount()) : 1;
  devMode.dmCollate = copiesInDevMode && printer.collateCopies() ? DMCOLLATE_TRUE : DMCOLLATE_FALSE;
  devMode.dmPrintQuality = static_cast<short>(printer.resolution());
  devMode.dmYResolution = devMode.dmPrintQuality;
  devMode.dmColor = printer.colorMode() == QPrinter::Color ? DMCOLOR_COLOR : DMCOLOR_MONOCHROME;
  devMode.dmDuplex = DuplexOf(printer.duplex());
  CopyName(devMode.dmFormName, page.name().toStdString());
  return devMode;
}

HGLOBAL NewBlock(const void* bytes, std::size_t size) {
  const HGLOBAL block = GlobalAlloc(GHND, size);
  void* address = block == 0 ? nullptr : GlobalLock(block);
  if (address == nullptr) return block;
  std::memcpy(address, bytes, size);
  GlobalUnlock(block);
  return block;
}

}  // namespace

bool PrintsToFile(const QPrinter& printer) { return printer.outputFormat() == QPrinter::PdfFormat; }

void UseDefaultPrinter(QPrinter& printer, bool toFile) {
  const QPrinterInfo installed = QPrinterInfo::defaultPrinter();
  if (!toFile && !installed.isNull()) {
    printer.setPrinterName(installed.printerName());
    return;
  }
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QDir::home().filePath(QStringLiteral("impression.pdf")));
}

std::string DeviceName(const QPrinter& printer) {
  return PrintsToFile(printer) ? kFileDevice : printer.printerName().toStdString();
}

HGLOBAL NewDevMode(const QPrinter& printer, bool copiesInDevMode) {
  const DEVMODEA devMode = DevModeOf(printer, copiesInDevMode);
  return NewBlock(&devMode, sizeof devMode);
}

HGLOBAL NewDevNames(const QPrinter& printer) {
  const std::string driver = PrintsToFile(printer) ? "pdf" : "cups";
  const std::string device = DeviceName(printer);
  const std::string output =
      (PrintsToFile(printer) ? printer.outputFileName() : printer.printerName()).toStdString();
  DEVNAMES names{};
  names.wDriverOffset = sizeof names;
  names.wDeviceOffset = static_cast<WORD>(names.wDriverOffset + driver.size() + 1);
  names.wOutputOffset = static_cast<WORD>(names.wDeviceOffset + device.size() + 1);
  const bool isDefault = PrintsToFile(printer)
                             ? QPrinterInfo::availablePrinterNames().isEmpty()
                             : printer.printerName() == QPrinterInfo::defaultPrinterName();
  names.wDefault = isDefault ? DN_DEFAULTPRN : 0;
  std::string bytes(reinterpret_cast<const char*>(&names), sizeof names);
  for (const std::string* text : {&driver, &device, &output}) bytes.append(*text).push_back('\0');
  return NewBlock(bytes.data(), bytes.size());
}

void ReplaceBlock(HGLOBAL& field, HGLOBAL block) {
  if (field != 0) GlobalFree(field);
  field = block;
}

}  // namespace ferolan::qt
