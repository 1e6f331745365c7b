#include "platform/winapi/SystemColors.h"

namespace ferolan::winapi {

namespace {

constexpr OLE_COLOR kKindMask = 0xFF000000;
constexpr OLE_COLOR kSystemColor = 0x80000000;

}  // namespace

HRESULT OleTranslateColor(OLE_COLOR clr, HPALETTE, COLORREF* lpcolorref) {
  COLORREF translated = clr;
  if ((clr & kKindMask) == kSystemColor) {
    const OLE_COLOR index = clr & ~kKindMask;
    if (index > COLOR_MENUBAR) return E_INVALIDARG;
    translated = GetSysColor(static_cast<int>(index));
  } else if ((clr & kKindMask) != 0) {
    return E_INVALIDARG;
  }
  if (lpcolorref != nullptr) *lpcolorref = translated;
  return S_OK;
}

}  // namespace ferolan::winapi
