#include "platform/qt/ColorDialog.h"

#include <QColorDialog>
#include <optional>
#include <string_view>

#include "platform/qt/CommonRecordError.h"
#include "platform/qt/HookCaller.h"
#include "platform/qt/QtColor.h"
#include "platform/qt/WindowTable.h"
#include "platform/winapi/CommonDialogs.h"
#include "platform/winapi/FlagBits.h"

namespace ferolan::qt {

using namespace winapi;

namespace {

DWORD RecordError(const CHOOSECOLORA& cc) {
  const DWORD error = CommonRecordError(cc.lStructSize, CHOOSECOLOR_SIZE, sizeof(CHOOSECOLORA),
                                        HasFlag(cc.Flags, CC_ENABLEHOOK) && cc.lpfnHook == nullptr,
                                        HasFlag(cc.Flags, CC_ENABLETEMPLATE));
  if (error != 0) return error;
  return cc.lpCustColors == nullptr ? CDERR_INITIALIZATION : 0;
}

// The dialog is always fully open, and every colour of this screen is solid, so CC_FULLOPEN,
// CC_SOLIDCOLOR and CC_ANYCOLOR need nothing; CC_PREVENTFULLOPEN leaves the boxes alone.
class RecordColorDialog final : public QColorDialog {
 public:
  explicit RecordColorDialog(CHOOSECOLORA& cc);
  BOOL Run();

 private:
  void HideColorDefinition();

  CHOOSECOLORA& cc_;
  std::optional<HookCaller> hook_;  // the dialog is its own hook window
};

RecordColorDialog::RecordColorDialog(CHOOSECOLORA& cc)
    : QColorDialog(WindowOf(cc.hwndOwner)), cc_(cc) {
  setOption(DontUseNativeDialog);
  setWindowTitle(QStringLiteral("Couleurs"));
  for (int i = 0; i < kCustomColorCount; ++i) setCustomColor(i, ColorOf(cc.lpCustColors[i]));
  setCurrentColor(HasFlag(cc.Flags, CC_RGBINIT) ? ColorOf(cc.rgbResult) : QColor(Qt::black));
  if (HasFlag(cc.Flags, CC_PREVENTFULLOPEN)) HideColorDefinition();
  if (HasFlag(cc.Flags, CC_ENABLEHOOK)) hook_.emplace(cc.lpfnHook, *this);
}

// The picker, the luminance bar and the colour values are where new colours are made. Qt
// versions nest them differently and name their classes with or without a namespace.
void RecordColorDialog::HideColorDefinition() {
  for (QWidget* child : findChildren<QWidget*>()) {
    const std::string_view name = child->metaObject()->className();
    if (name.ends_with("QColorPicker") || name.ends_with("QColorLuminancePicker") ||
        name.ends_with("QColorShower")) {
      child->hide();
    }
  }
}

BOOL RecordColorDialog::Run() {
  const int result = RunHooked(*this, hook_ ? &*hook_ : nullptr, &cc_);
  // The custom boxes are the user's whether or not a colour was chosen.
  for (int i = 0; i < kCustomColorCount; ++i) cc_.lpCustColors[i] = ColorRefOf(customColor(i));
  if (result != Accepted) return 0;
  cc_.rgbResult = ColorRefOf(selectedColor());
  return 1;
}

}  // namespace

BOOL ShowColorDialog(CHOOSECOLORA& cc, DWORD& extendedError) {
  extendedError = RecordError(cc);
  if (extendedError != 0) return 0;
  RecordColorDialog dialog(cc);
  return dialog.Run();
}

}  // namespace ferolan::qt
