// The platform's font dialog over a real QFontDialog, offscreen, reached through ShowFont: the
// font object in and out, the effects with their colour, and the size range.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFontDialog>
#include <QGroupBox>
#include <QMessageBox>

#include "commondialog/cCommonDialog.h"
#include "platform/qt/QtWin32Services.h"
#include "tests/platform/qt/QtTestSupport.h"

namespace ferolan {
namespace {

using testing::WhenShowing;

QFont Font(const char* family, int points) {
  QFont font(QString::fromUtf8(family));
  font.setPointSize(points);
  return font;
}

TEST(FontDialogTest, APickedFontComesBackInTheFontObjectWithItsColour) {
  qt::QtWin32Services platform;
  cCommonDialog dialog;
  dialog.FontName("DejaVu Sans");
  dialog.FontSize(12);
  dialog.FontColor(0x00000080);
  QFont shown;
  QString shownColour;
  WhenShowing<QFontDialog>([&](QFontDialog& fonts) {
    shown = fonts.currentFont();
    auto* colours = fonts.findChild<QComboBox*>(QStringLiteral("colorBox"));
    ASSERT_NE(colours, nullptr);
    shownColour = colours->currentText();
    colours->setCurrentIndex(colours->findText(QStringLiteral("Bleu")));
    QFont chosen = Font("DejaVu Sans Mono", 14);
    chosen.setStyleName(QStringLiteral("Bold"));  // as the user picks it in the list
    chosen.setUnderline(true);
    fonts.setCurrentFont(chosen);
    fonts.accept();
  });
  dialog.ShowFont();

  EXPECT_EQ(shown.family(), QStringLiteral("DejaVu Sans"));
  EXPECT_EQ(shown.pointSizeF(), 12);
  EXPECT_EQ(shownColour, QStringLiteral("Bordeaux"));
  EXPECT_EQ(dialog.FontName(), "DejaVu Sans Mono");
  EXPECT_EQ(dialog.Font()->Size(), 14);
  EXPECT_TRUE(dialog.FontBold());
  EXPECT_EQ(dialog.Font()->Weight(), 700);
  EXPECT_TRUE(dialog.FontUnderline());
  EXPECT_FALSE(dialog.FontItalic());
  EXPECT_EQ(dialog.FontColor(), 0x00FF0000);
}

// Families whose upright style is called "Book": confirmed as it comes, the font stays upright.
TEST(FontDialogTest, ARegularFontComesBackRegular) {
  for (const char* family : {"DejaVu Sans", "DejaVu Serif"}) {
    SCOPED_TRACE(family);
    qt::QtWin32Services platform;
    cCommonDialog dialog;
    dialog.FontName(family);
    dialog.FontSize(12);
    WhenShowing<QFontDialog>([](QFontDialog& fonts) { fonts.accept(); });
    dialog.ShowFont();
    EXPECT_EQ(dialog.FontName(), family);
    EXPECT_FALSE(dialog.FontItalic());
    EXPECT_FALSE(dialog.FontBold());
    EXPECT_EQ(dialog.Font()->Weight(), 400);
  }
}

TEST(FontDialogTest, WithoutAColourTheEffectsAreHidden) {
  qt::QtWin32Services platform;
  cCommonDialog dialog;
  bool effectsShown = true;
  bool colours = true;
  WhenShowing<QFontDialog>([&](QFontDialog& fonts) {
    effectsShown = false;
    for (QGroupBox* box : fonts.findChildren<QGroupBox*>()) {
      if (box->findChild<QCheckBox*>() != nullptr) effectsShown = box->isVisible();
    }
    colours = fonts.findChild<QComboBox*>(QStringLiteral("colorBox")) != nullptr;
    fonts.reject();
  });
  dialog.ShowFont();
  EXPECT_FALSE(effectsShown);
  EXPECT_FALSE(colours);
}

TEST(FontDialogTest, ASizeOutsideMinAndMaxIsRefusedAndTheDialogStaysOpen) {
  qt::QtWin32Services platform;
  cCommonDialog dialog;
  dialog.FontName("DejaVu Sans");
  dialog.Min(8);
  dialog.Max(10);
  bool refused = false;
  WhenShowing<QFontDialog>([&](QFontDialog& fonts) {
    WhenShowing<QMessageBox>([&](QMessageBox& box) {
      refused = true;
      box.accept();
    });
    fonts.setCurrentFont(Font("DejaVu Sans", 14));
    fonts.accept();
    fonts.setCurrentFont(Font("DejaVu Sans", 9));
    fonts.accept();
  });
  dialog.ShowFont();
  EXPECT_TRUE(refused);
  EXPECT_EQ(dialog.FontSize(), 9);
}

}  // namespace
}  // namespace ferolan
