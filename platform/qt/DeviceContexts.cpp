#include "platform/qt/DeviceContexts.h"

#include <QPrinter>

#include "platform/qt/PrinterRecords.h"
#include "platform/winapi/HandleTable.h"

namespace ferolan::qt {

using namespace winapi;

namespace {

HandleTable<PrinterContext>& Contexts() {
  static HandleTable<PrinterContext> contexts;
  return contexts;
}

}  // namespace

HDC CreatePrinterContext(const QPrinter& printer) {
  return Contexts().Add({DeviceName(printer), PrintsToFile(printer)
                                                  ? printer.outputFileName().toStdString()
                                                  : std::string()});
}

const PrinterContext* PrinterContextOf(HDC hdc) { return Contexts().Find(hdc); }

BOOL DeletePrinterContext(HDC hdc) { return Contexts().Remove(hdc) ? 1 : 0; }

}  // namespace ferolan::qt
