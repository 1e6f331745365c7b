// Printer device contexts: a 32-bit handle that names the printer a print dialog chose, kept
// until DeleteDC.
#pragma once

#include <string>

#include "platform/win32/Types.h"

class QPrinter;

namespace ferolan::qt {

struct PrinterContext {
  std::string deviceName;
  std::string outputFileName;  // empty unless the printer writes a file
};

win32::HDC CreatePrinterContext(const QPrinter& printer);
// The printer a handle names; null when it names none.
const PrinterContext* PrinterContextOf(win32::HDC hdc);
// 0 when the handle names no device context.
win32::BOOL DeletePrinterContext(win32::HDC hdc);

}  // namespace ferolan::qt
