#include "platform/winapi/DeviceCaps.h"

namespace ferolan::winapi {

double TwipsPerPixelY() {
  constexpr double kTwipsPerInch = 1440;
  constexpr int kUsualDpi = 96;  // for a screen that tells nothing
  const int dpi = GetDeviceCaps(kScreenDC, LOGPIXELSY);
  return kTwipsPerInch / (dpi > 0 ? dpi : kUsualDpi);
}

}  // namespace ferolan::winapi
