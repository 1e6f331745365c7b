// The colour list of the font dialog's effects: the sixteen standard colours by their French
// names, and a colour given outside them as one more entry.
#pragma once

class QComboBox;

#include "platform/winapi/ChooseDialogs.h"

namespace ferolan::qt {

// Fills the list and selects `color`.
void FillFontColors(QComboBox& box, winapi::COLORREF color);
winapi::COLORREF ChosenFontColor(const QComboBox& box);

}  // namespace ferolan::qt
