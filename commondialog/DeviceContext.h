// A printer device context owned by the object that keeps it: deleted when another replaces
// it and when the owner ends.
#pragma once

#include <utility>

#include "platform/winapi/PrintDialogs.h"

namespace ferolan {

class DeviceContext {
 public:
  explicit DeviceContext(winapi::HDC handle = 0) : handle_(handle) {}
  ~DeviceContext() { Reset(0); }
  DeviceContext(const DeviceContext&) = delete;
  DeviceContext& operator=(const DeviceContext&) = delete;

  winapi::HDC Get() const { return handle_; }
  // Keeps `handle` in place of the present one, which is deleted unless it is the same.
  void Reset(winapi::HDC handle) {
    const winapi::HDC previous = std::exchange(handle_, handle);
    if (previous != 0 && previous != handle) winapi::DeleteDC(previous);
  }
  // Hands the handle over to the caller, who deletes it from now on.
  winapi::HDC Release() { return std::exchange(handle_, 0); }

 private:
  winapi::HDC handle_;
};

}  // namespace ferolan
