// COLORREF values (0x00BBGGRR) as Qt's colours, and back.
#pragma once

#include <QColor>

#include "platform/winapi/ChooseDialogs.h"

namespace ferolan::qt {

// The high byte is not part of the colour.
QColor ColorOf(winapi::COLORREF color);
winapi::COLORREF ColorRefOf(const QColor& color);

}  // namespace ferolan::qt
