// A printer device context owned by the object that keeps it: deleted when another replaces
// it and when the owner ends.
#pragma once

#include <utility>

#include "platform/win32/PrintDialogs.h"

namespace ferolan {

class DeviceContext {
 public:
  explicit DeviceContext(win32::HDC handle = 0) : handle_(handle) {}
  ~DeviceContext() { Reset(0); }
  DeviceContext(const DeviceContext&) = delete;
  DeviceContext& operator=(const DeviceContext&) = delete;

  win32::HDC Get() const { return handle_; }
  // Keeps `handle` in place of the present one, which is deleted unless it is the same.
  void Reset(win32::HDC handle) {
    const win32::HDC previous = std::exchange(handle_, handle);
    if (previous != 0 && previous != handle) win32::DeleteDC(previous);
  }
  // Hands the handle over to the caller, who deletes it from now on.
  win32::HDC Release() { return std::exchange(handle_, 0); }

 private:
  win32::HDC handle_;
};

}  // namespace ferolan
