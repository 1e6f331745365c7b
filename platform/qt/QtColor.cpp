#include "platform/qt/QtColor.h"

namespace ferolan::qt {

using namespace winapi;

QColor ColorOf(COLORREF color) {
  return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                static_cast<int>((color >> 16) & 0xFF));
}

COLORREF ColorRefOf(const QColor& color) {
  const QColor rgb = color.toRgb();
  return static_cast<COLORREF>(rgb.red()) | static_cast<COLORREF>(rgb.green()) << 8 |
         static_cast<COLORREF>(rgb.blue()) << 16;
}

}  // namespace ferolan::qt
