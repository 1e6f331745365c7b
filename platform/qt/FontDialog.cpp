#include "platform/qt/FontDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDialog>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <algorithm>
#include <cmath>
#include <optional>

#include "platform/qt/CommonRecordError.h"
#include "platform/qt/FontColors.h"
#include "platform/qt/HookCaller.h"
#include "platform/qt/WindowTable.h"
#include "platform/winapi/CommonDialogs.h"
#include "platform/winapi/DeviceCaps.h"
#include "platform/winapi/FlagBits.h"

namespace ferolan::qt {

using namespace winapi;

namespace {

constexpr double kTwipsPerPoint = 20;

DWORD RecordError(const CHOOSEFONTA& cf) {
  const DWORD error = CommonRecordError(cf.lStructSize, CHOOSEFONT_SIZE, sizeof(CHOOSEFONTA),
                                        HasFlag(cf.Flags, CF_ENABLEHOOK) && cf.lpfnHook == nullptr,
                                        HasFlag(cf.Flags, CF_ENABLETEMPLATE));
  if (error != 0) return error;
  if (cf.lpLogFont == nullptr) return CDERR_INITIALIZATION;
  // Screen and printer share the one font database of the window system.
  if ((cf.Flags & (CF_SCREENFONTS | CF_PRINTERFONTS)) == 0) return CFERR_NOFONTS;
  if (HasFlag(cf.Flags, CF_LIMITSIZE) && cf.nSizeMax < cf.nSizeMin) return CFERR_MAXLESSTHANMIN;
  return 0;
}

// The family's own name for the style the font system matches the font with ("Book" or
// "Roman" for an upright one), which the dialog then starts on; given a name its family does
// not list, the dialog starts on the family's first style, an italic one as often as not.
QString StyleNameOf(const QFont& font) {
  const QFontInfo matched(font);
  return matched.family() == font.family() ? matched.styleName() : QString();
}

QFont FontOf(const LOGFONTA& lf) {
  QFont font(QString::fromUtf8(FaceName(lf)));
  // A negative height is the characters' height, a positive one the cell's: near enough.
  if (lf.lfHeight != 0) {
    font.setPointSizeF(std::abs(static_cast<double>(lf.lfHeight)) * TwipsPerPixelY() /
                       kTwipsPerPoint);
  }
  if (lf.lfWeight > 0) {
    font.setWeight(static_cast<QFont::Weight>(std::clamp<LONG>(lf.lfWeight, 1, 1000)));
  }
  font.setItalic(lf.lfItalic != 0);
  font.setUnderline(lf.lfUnderline != 0);
  font.setStrikeOut(lf.lfStrikeOut != 0);
  font.setStyleName(StyleNameOf(font));
  return font;
}

WORD FontTypeOf(const QFont& font, DWORD flags) {
  const bool bold = font.weight() >= FW_SEMIBOLD;
  WORD type = bold ? BOLD_FONTTYPE : 0;
  if (font.italic()) type |= ITALIC_FONTTYPE;
  if (!bold && !font.italic()) type |= REGULAR_FONTTYPE;
  if (HasFlag(flags, CF_SCREENFONTS)) type |= SCREEN_FONTTYPE;
  if (HasFlag(flags, CF_PRINTERFONTS)) type |= PRINTER_FONTTYPE;
  return type;
}

// The chosen font into the record; the LOGFONTA's other fields stay as they came.
void WriteFont(const QFont& font, CHOOSEFONTA& cf) {
  LOGFONTA& lf = *cf.lpLogFont;
  const double points = font.pointSizeF();
  lf.lfHeight = -static_cast<LONG>(std::lround(points * kTwipsPerPoint / TwipsPerPixelY()));
  lf.lfWidth = 0;
  lf.lfEscapement = 0;
  lf.lfOrientation = 0;
  lf.lfWeight = font.weight();
  lf.lfItalic = font.italic() ? 1 : 0;
  lf.lfUnderline = font.underline() ? 1 : 0;
  lf.lfStrikeOut = font.strikeOut() ? 1 : 0;
  SetFaceName(lf, font.family().toStdString());
  cf.iPointSize = static_cast<int>(std::lround(points * 10));
  cf.nFontType = FontTypeOf(font, cf.Flags);
}

class RecordFontDialog final : public QFontDialog {
 public:
  explicit RecordFontDialog(CHOOSEFONTA& cf);
  BOOL Run();

 protected:
  void done(int result) override;

 private:
  void SetEffects();
  bool SizeOutOfRange() const;

  CHOOSEFONTA& cf_;
  QComboBox* colorBox_ = nullptr;
  std::optional<HookCaller> hook_;  // the dialog is its own hook window
};

RecordFontDialog::RecordFontDialog(CHOOSEFONTA& cf) : QFontDialog(WindowOf(cf.hwndOwner)), cf_(cf) {
  setOption(DontUseNativeDialog);
  setWindowTitle(QStringLiteral("Police"));
  if (HasFlag(cf.Flags, CF_INITTOLOGFONTSTRUCT)) setCurrentFont(FontOf(*cf.lpLogFont));
  SetEffects();
  if (HasFlag(cf.Flags, CF_ENABLEHOOK)) hook_.emplace(cf.lpfnHook, *this);
}

// Underline and strike-out are the boxes of the dialog's one group that holds check boxes.
void RecordFontDialog::SetEffects() {
  QGroupBox* effects = nullptr;
  for (QGroupBox* box : findChildren<QGroupBox*>()) {
    if (box->findChild<QCheckBox*>() != nullptr) effects = box;
  }
  if (effects == nullptr) return;
  if (!HasFlag(cf_.Flags, CF_EFFECTS)) {
    effects->hide();
    return;
  }
  effects->setTitle(QStringLiteral("Effets"));
  colorBox_ = new QComboBox(effects);
  colorBox_->setObjectName(QStringLiteral("colorBox"));
  FillFontColors(*colorBox_, cf_.rgbColors);
  effects->layout()->addWidget(new QLabel(QStringLiteral("Couleur :"), effects));
  effects->layout()->addWidget(colorBox_);
}

bool RecordFontDialog::SizeOutOfRange() const {
  if (!HasFlag(cf_.Flags, CF_LIMITSIZE)) return false;
  const double points = currentFont().pointSizeF();
  return points < cf_.nSizeMin || points > cf_.nSizeMax;
}

void RecordFontDialog::done(int result) {
  if (result == Accepted && SizeOutOfRange()) {
    QMessageBox::warning(this, windowTitle(),
                         QStringLiteral("La taille doit être comprise entre %1 et %2 points.")
                             .arg(cf_.nSizeMin)
                             .arg(cf_.nSizeMax));
    return;
  }
  QFontDialog::done(result);
}

BOOL RecordFontDialog::Run() {
  if (RunHooked(*this, hook_ ? &*hook_ : nullptr, &cf_) != Accepted) return 0;
  WriteFont(currentFont(), cf_);
  if (colorBox_ != nullptr) cf_.rgbColors = ChosenFontColor(*colorBox_);
  return 1;
}

}  // namespace

BOOL ShowFontDialog(CHOOSEFONTA& cf, DWORD& extendedError) {
  extendedError = RecordError(cf);
  if (extendedError != 0) return 0;
  RecordFontDialog dialog(cf);
  return dialog.Run();
}

}  // namespace ferolan::qt
