// The platform's colour dialog over a real QColorDialog, offscreen, reached through ShowColor:
// the colour and the custom boxes in and out, the hook, and the system colours it starts with.
#include <gtest/gtest.h>

#include <QColorDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QPalette>
#include <QString>
#include <QWidget>
#include <cstdlib>

#include "commondialog/cCommonDialog.h"
#include "platform/qt/QtWin32Services.h"
#include "platform/qt/WindowTable.h"
#include "platform/winapi/SystemColors.h"
#include "tests/platform/qt/QtTestSupport.h"
#include "tests/support/ErrorNumber.h"

namespace ferolan {
namespace {

using namespace winapi;
using testing::ErrorNumberOf;
using testing::WhenShowing;

// A window that centres every hooked dialog over itself.
class Owner : public QWidget, public cCommonDialogEvents, public WindowHandleOwner {
 public:
  Owner() : dialog(*this) {
    setGeometry(60, 40, 900, 700);
    show();
    testing::WaitForFrame(*this);
  }
  int32_t hwnd() const override { return qt::HandleOf(const_cast<Owner*>(this)); }
  void InitDialog(int32_t hDlg) override {
    initDialogs.push_back(hDlg);
    dialog.CentreDialog(hDlg, *this);
  }
  void DialogClose() override { ++closes; }

  cCommonDialog dialog;
  std::vector<int32_t> initDialogs;
  int closes = 0;
};

TEST(ColorDialogTest, APickedColourComesBackInColorAndTheCustomBoxesStay) {
  qt::QtWin32Services platform;
  Owner owner;
  owner.dialog.Color(0x00203040);
  owner.dialog.HookDialog(true);
  QColor shown;
  HWND shownDialog = 0;
  QPoint centreOffset;
  QStringList labels;
  WhenShowing<QColorDialog>([&](QColorDialog& dialog) {
    shown = dialog.currentColor();
    shownDialog = qt::HandleOf(&dialog);
    testing::WaitForFrame(dialog);
    centreOffset = dialog.frameGeometry().center() - owner.frameGeometry().center();
    // Some Qt versions' French texts put a no-break space before ":".
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
      labels << label->text().replace(QChar(0x00A0), u' ');
    }
    QColorDialog::setCustomColor(2, QColor(1, 2, 3));
    dialog.setCurrentColor(QColor(0x11, 0x22, 0x33));
    dialog.accept();
  });
  owner.dialog.ShowColor();

  EXPECT_EQ(shown, QColor(0x40, 0x30, 0x20));
  EXPECT_EQ(owner.dialog.Color(), 0x00332211);
  EXPECT_EQ(owner.dialog.CustomColor(2), 0x00030201);
  // The hook's window is the dialog itself, which the handler centred.
  ASSERT_EQ(owner.initDialogs.size(), 1u);
  EXPECT_EQ(owner.initDialogs[0], shownDialog);
  // Centred by its frame, although the frame shows only after the handler centred it.
  EXPECT_LE(std::abs(centreOffset.x()), 1);
  EXPECT_LE(std::abs(centreOffset.y()), 1);
  for (const char* french : {"Couleurs de &base", "&Couleurs personnalisées", "&Rouge :"}) {
    EXPECT_TRUE(labels.contains(QString::fromUtf8(french))) << french;
  }
  EXPECT_EQ(owner.closes, 1);
}

TEST(ColorDialogTest, PreventFullOpenHidesWhereColoursAreMadeAndACancelRaises) {
  qt::QtWin32Services platform;
  cCommonDialog dialog;
  dialog.flags(static_cast<int32_t>(CC_PREVENTFULLOPEN));
  dialog.CancelError(true);
  dialog.Color(0x00445566);
  int pickers = 0;
  int pickersShown = 0;
  WhenShowing<QColorDialog>([&](QColorDialog& shown) {
    for (QWidget* child : shown.findChildren<QWidget*>()) {
      // Named with a namespace by some Qt versions.
      const QString name = QString::fromLatin1(child->metaObject()->className());
      if (name.endsWith(u"QColorPicker") || name.endsWith(u"QColorLuminancePicker")) {
        ++pickers;
        pickersShown += child->isVisible() ? 1 : 0;
      }
    }
    shown.reject();
  });
  EXPECT_EQ(ErrorNumberOf([&] { dialog.ShowColor(); }), kErrCancel);
  EXPECT_EQ(pickers, 2);
  EXPECT_EQ(pickersShown, 0);
  EXPECT_EQ(dialog.Color(), 0x00445566);
}

TEST(ColorDialogTest, SystemColoursComeFromTheApplicationsPalette) {
  qt::QtWin32Services platform;
  const QColor base = QGuiApplication::palette().color(QPalette::Active, QPalette::Base);
  const COLORREF expected = static_cast<COLORREF>(base.red()) |
                            static_cast<COLORREF>(base.green()) << 8 |
                            static_cast<COLORREF>(base.blue()) << 16;
  EXPECT_EQ(GetSysColor(COLOR_WINDOW), expected);
  for (const int none : {-1, 25, 31}) EXPECT_EQ(GetSysColor(none), 0u) << none;
}

}  // namespace
}  // namespace ferolan
