// The printer object that the print and page-setup dialogs copy their settings onto. Any
// setter may refuse its value with a run-time error; the dialogs then go on with the next.
#pragma once

#include <cstdint>

namespace ferolan {

class PrinterObject {
 public:
  virtual ~PrinterObject() = default;

  virtual void Copies(int32_t value) = 0;
  // DMORIENT_PORTRAIT or DMORIENT_LANDSCAPE.
  virtual void Orientation(int32_t value) = 0;
  // One of the DMPAPER_ numbers.
  virtual void PaperSize(int32_t value) = 0;
  // Dots per inch, or one of the DMRES_ numbers.
  virtual void PrintQuality(int32_t value) = 0;
};

}  // namespace ferolan
