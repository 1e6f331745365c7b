#include "commondialog/GCommonDialog.h"
#include "commondialog/cCommonDialog.h"
#include "platform/winapi/FlagBits.h"
#include "platform/winapi/SystemColors.h"

namespace ferolan {

using namespace winapi;

void cCommonDialog::ShowColor() {
  m_bUseParent = false;
  COLORREF start = 0;
  const bool translated = OleTranslateColor(static_cast<OLE_COLOR>(m_lColor), 0, &start) == S_OK;
  int32_t Color = translated ? static_cast<int32_t>(start) : -1;
  const bool AnyColor = HasFlag(m_lFlags, CC_ANYCOLOR);
  const bool FullOpen = HasFlag(m_lFlags, CC_FULLOPEN);
  const bool DisableFullOpen = HasFlag(m_lFlags, CC_PREVENTFULLOPEN);
  if (Worker().VBChooseColor(Color, AnyColor, FullOpen, DisableFullOpen, m_lhWnd, m_bHookDialog,
                             this)) {
    m_lColor = Color;
  } else {
    RaiseDialogError();
  }
}

int32_t cCommonDialog::CustomColor(int16_t i) { return Worker().CustomColor(i); }

void cCommonDialog::CustomColor(int16_t i, int32_t iValue) { Worker().CustomColor(i, iValue); }

}  // namespace ferolan
