#include <QAbstractButton>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include <gtest/gtest.h>

#include "platform/qt/QtServices.h"
#include "tests/platform/qt/QtTestSupport.h"

namespace ferolan::qt {
namespace {

using ferolan::testing::WhenShowing;

TEST(QtServicesTest, MessageBoxesShowTheWindowsStyles) {
  QtServices services;
  const struct {
    int style;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton;
  } table[] = {
      {vbOKOnly, QMessageBox::NoIcon, QMessageBox::Ok, QMessageBox::Ok},
      {vbCritical, QMessageBox::Critical, QMessageBox::Ok, QMessageBox::Ok},
      {vbInformation, QMessageBox::Information, QMessageBox::Ok, QMessageBox::Ok},
      {vbYesNoCancel | vbExclamation | vbDefaultButton1, QMessageBox::Warning,
       QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes},
  };
  for (const auto& row : table) {
    bool seen = false;
    WhenShowing<QMessageBox>([&](QMessageBox& box) {
      seen = true;
      EXPECT_EQ(box.icon(), row.icon) << row.style;
      EXPECT_EQ(box.standardButtons(), row.buttons) << row.style;
      EXPECT_EQ(box.standardButton(box.defaultButton()), row.defaultButton) << row.style;
      EXPECT_EQ(box.windowTitle(), "Titre");
      EXPECT_EQ(box.text(), "Ligne 1\nLigne 2");
      box.defaultButton()->click();
    });
    EXPECT_EQ(MsgBox("Ligne 1\rLigne 2", row.style, "Titre"),
              row.defaultButton == QMessageBox::Yes ? vbYes : vbOK);
    EXPECT_TRUE(seen);
  }
}

TEST(QtServicesTest, TheQuestionAnswersWithTheButtonPressed) {
  QtServices services;
  const struct {
    QMessageBox::StandardButton pressed;
    int answer;
  } table[] = {{QMessageBox::Yes, vbYes}, {QMessageBox::No, vbNo}, {QMessageBox::Cancel, vbCancel}};
  for (const auto& row : table) {
    WhenShowing<QMessageBox>([&](QMessageBox& box) { box.button(row.pressed)->click(); });
    EXPECT_EQ(MsgBox("Remplacer ?", vbYesNoCancel | vbExclamation), row.answer);
  }
  // Closing the box is Cancel.
  WhenShowing<QMessageBox>([](QMessageBox& box) { box.reject(); });
  EXPECT_EQ(MsgBox("Remplacer ?", vbYesNoCancel | vbExclamation), vbCancel);
}

TEST(QtServicesTest, TheTextBoxMasksAndGivesTheTextConfirmedOrNothing) {
  QtServices services;
  WhenShowing<QInputDialog>([](QInputDialog& box) {
    EXPECT_EQ(box.windowTitle(), "Ferolan");
    EXPECT_EQ(box.labelText(), "Mot de passe ?");
    EXPECT_EQ(box.textEchoMode(), QLineEdit::Password);
    box.setTextValue("secret");
    box.accept();
  });
  EXPECT_EQ(InputBox("Mot de passe ?"), "secret");
  WhenShowing<QInputDialog>([](QInputDialog& box) {
    box.setTextValue("oublié");
    box.reject();
  });
  EXPECT_EQ(InputBox("Mot de passe ?"), "");
}

TEST(QtServicesTest, TheHourglassLastsUntilTheDefaultPointer) {
  QtServices services;
  SetMousePointer(vbHourglass);
  ASSERT_NE(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
  SetMousePointer(vbHourglass);
  SetMousePointer(vbDefault);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace ferolan::qt
