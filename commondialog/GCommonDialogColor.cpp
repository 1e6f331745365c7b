#include "commondialog/GCommonDialog.h"
#include "commondialog/mDialogHook.h"
#include "platform/winapi/ChooseDialogs.h"
#include "platform/winapi/SystemColors.h"

namespace ferolan {

using namespace winapi;

namespace {

bool IsCustomColorIndex(int16_t i) { return i >= 0 && i < kCustomColorCount; }

}  // namespace

bool GCommonDialog::VBChooseColor(int32_t& Color, bool AnyColor, bool FullOpen,
                                  bool DisableFullOpen, int32_t Owner, bool Hook,
                                  DialogEventSink* EventSink) {
  m_lApiReturn = 0;
  m_lExtendedError = 0;
  InitCustomColors();

  CHOOSECOLORA cc{};
  cc.lStructSize = CHOOSECOLOR_SIZE;
  if (Owner != -1) cc.hwndOwner = Owner;
  cc.rgbResult = static_cast<COLORREF>(Color);
  cc.lpCustColors = m_lCustomColors.data();
  cc.Flags = (AnyColor ? CC_ANYCOLOR : CC_SOLIDCOLOR) | CC_RGBINIT;
  if (FullOpen) cc.Flags |= CC_FULLOPEN;
  if (DisableFullOpen) cc.Flags |= CC_PREVENTFULLOPEN;
  if (Hook) {
    cc.lpfnHook = mDialogHook::HookProc5;
    cc.Flags |= CC_ENABLEHOOK;
  }

  RunDialog(Hook, EventSink, [&] { return ChooseColorA(&cc); });
  if (m_lApiReturn == 1) {
    Color = static_cast<int32_t>(cc.rgbResult);
    return true;
  }
  Color = -1;
  return false;
}

void GCommonDialog::InitCustomColors() {
  if (m_bCustomColorsSet) return;
  for (int k = 0; k < kCustomColorCount; ++k) m_lCustomColors[k] = GetSysColor(k);
  m_bCustomColorsSet = true;
}

int32_t GCommonDialog::CustomColor(int16_t i) {
  InitCustomColors();
  return IsCustomColorIndex(i) ? static_cast<int32_t>(m_lCustomColors[i]) : -1;
}

void GCommonDialog::CustomColor(int16_t i, int32_t iValue) {
  InitCustomColors();
  if (IsCustomColorIndex(i)) m_lCustomColors[i] = static_cast<COLORREF>(iValue);
}

}  // namespace ferolan
