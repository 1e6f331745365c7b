// COLORREF values (0x00BBGGRR) as Qt's colours, and back.
#pragma once

#include <QColor>

#include "platform/win32/ChooseDialogs.h"

namespace ferolan::qt {

// The high byte is not part of the colour.
QColor ColorOf(win32::COLORREF color);
win32::COLORREF ColorRefOf(const QColor& color);

}  // namespace ferolan::qt
