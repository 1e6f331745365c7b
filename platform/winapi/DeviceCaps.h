// What a device tells of itself, and the screen's twips per pixel that the runtime derives
// from it: a twip is 1/1440 inch.
#pragma once

#include "platform/winapi/ChooseDialogs.h"

namespace ferolan::winapi {

// The screen's device context here: drawing goes through the window system, not through us.
inline constexpr HDC kScreenDC = 0;

inline constexpr int LOGPIXELSX = 88;
inline constexpr int LOGPIXELSY = 90;

// Only LOGPIXELSX and LOGPIXELSY of kScreenDC, its logical dots per inch; 0 otherwise.
int GetDeviceCaps(HDC hdc, int index);

// 1440 divided by the screen's vertical dots per inch: 15 at 96 dpi.
double TwipsPerPixelY();

}  // namespace ferolan::winapi
