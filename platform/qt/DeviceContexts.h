// Printer device contexts: a 32-bit handle that names the printer a print dialog chose, kept
// until DeleteDC.
#pragma once

#include <string>

#include "platform/winapi/Types.h"

class QPrinter;

namespace ferolan::qt {

struct PrinterContext {
  std::string deviceName;
  std::string outputFileName;  // empty unless the printer writes a file
};

winapi::HDC CreatePrinterContext(const QPrinter& printer);
// The printer a handle names; null when it names none.
const PrinterContext* PrinterContextOf(winapi::HDC hdc);
// 0 when the handle names no device context.
winapi::BOOL DeletePrinterContext(winapi::HDC hdc);

}  // namespace ferolan::qt
