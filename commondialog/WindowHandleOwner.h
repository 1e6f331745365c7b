// An object with a window, such as the program's main window: what CentreDialog centres a dialog
// over.
#pragma once

#include <cstdint>

namespace ferolan {

class WindowHandleOwner {
 public:
  virtual ~WindowHandleOwner() = default;
  virtual int32_t hwnd() const = 0;
};

}  // namespace ferolan
