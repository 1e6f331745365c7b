#include "commondialog/GCommonDialog.h"
#include "commondialog/WholeNumber.h"
#include "commondialog/cCommonDialog.h"

namespace ferolan {

void cCommonDialog::ShowFont() {
  m_bUseParent = false;
  GCommonDialog& worker = Worker();
  // Held here as well, so that a handler replacing Font during the dialog leaves it alive.
  const std::shared_ptr<StdFont> font = FontObject();
  int32_t PrinterDC = -1;
  if (!worker.VBChooseFont(*font, PrinterDC, m_lhWnd, m_lFontColor, m_lMin, m_lMax, m_lFlags,
                           m_bHookDialog, this)) {
    RaiseDialogError();
  }
}

const std::shared_ptr<StdFont>& cCommonDialog::FontObject() {
  if (!m_oFont) m_oFont = std::make_shared<StdFont>();
  return m_oFont;
}

std::string cCommonDialog::FontName() { return FontObject()->Name(); }

void cCommonDialog::FontName(std::string value) { FontObject()->Name(std::move(value)); }

int32_t cCommonDialog::FontSize() { return RoundToLong(FontObject()->Size()); }

void cCommonDialog::FontSize(int32_t value) { FontObject()->Size(value); }

bool cCommonDialog::FontBold() { return FontObject()->Bold(); }

void cCommonDialog::FontBold(bool value) { FontObject()->Bold(value); }

bool cCommonDialog::FontItalic() { return FontObject()->Italic(); }

void cCommonDialog::FontItalic(bool value) { FontObject()->Italic(value); }

bool cCommonDialog::FontUnderline() { return FontObject()->Underline(); }

void cCommonDialog::FontUnderline(bool value) { FontObject()->Underline(value); }

bool cCommonDialog::FontStrikethru() { return FontObject()->Strikethrough(); }

void cCommonDialog::FontStrikethru(bool value) { FontObject()->Strikethrough(value); }

}  // namespace ferolan
