#include "platform/qt/QtServices.h"

#include <QAbstractButton>
#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

#include "platform/qt/QtText.h"

namespace ferolan::qt {

namespace {

// Message-box style bits: the buttons, the icon and the default button.
constexpr int kButtonsMask = 0x0F;
constexpr int kIconMask = 0xF0;
constexpr int kDefaultButtonMask = 0xF00;

struct Buttons {
  QMessageBox::StandardButtons all;
  QMessageBox::StandardButton order[3];
};

Buttons ButtonsOf(int style) {
  using B = QMessageBox;
  switch (style & kButtonsMask) {
    case vbOKCancel:
      return {B::Ok | B::Cancel, {B::Ok, B::Cancel, B::NoButton}};
    case vbAbortRetryIgnore:
      return {B::Abort | B::Retry | B::Ignore, {B::Abort, B::Retry, B::Ignore}};
    case vbYesNoCancel:
      return {B::Yes | B::No | B::Cancel, {B::Yes, B::No, B::Cancel}};
    case vbYesNo:
      return {B::Yes | B::No, {B::Yes, B::No, B::NoButton}};
    case vbRetryCancel:
      return {B::Retry | B::Cancel, {B::Retry, B::Cancel, B::NoButton}};
    default:
      return {B::Ok, {B::Ok, B::NoButton, B::NoButton}};
  }
}

QMessageBox::Icon IconOf(int style) {
  switch (style & kIconMask) {
    case vbCritical:
      return QMessageBox::Critical;
    case vbQuestion:
      return QMessageBox::Question;
    case vbExclamation:
      return QMessageBox::Warning;
    case vbInformation:
      return QMessageBox::Information;
    default:
      return QMessageBox::NoIcon;
  }
}

int AnswerOf(QMessageBox::StandardButton button) {
  switch (button) {
    case QMessageBox::Cancel:
      return vbCancel;
    case QMessageBox::Abort:
      return vbAbort;
    case QMessageBox::Retry:
      return vbRetry;
    case QMessageBox::Ignore:
      return vbIgnore;
    case QMessageBox::Yes:
      return vbYes;
    case QMessageBox::No:
      return vbNo;
    default:
      return vbOK;
  }
}

}  // namespace

QtServices::QtServices() : scope_(*this) {}

QtServices::~QtServices() { SetMousePointer(vbDefault); }

int QtServices::ShowMessage(const std::string& text, int style, const std::string& title) {
  const Buttons buttons = ButtonsOf(style);
  QMessageBox box(IconOf(style), ToQt(title), ToQt(text), buttons.all,
                  QApplication::activeWindow());
  const int defaultIndex = (style & kDefaultButtonMask) >> 8;
  if (defaultIndex < 3 && buttons.order[defaultIndex] != QMessageBox::NoButton) {
    box.setDefaultButton(buttons.order[defaultIndex]);
  }
  // The close box answers as Cancel where there is one, else as the only button.
  box.setEscapeButton(buttons.all.testFlag(QMessageBox::Cancel) ? QMessageBox::Cancel
                                                                : buttons.order[0]);
  box.exec();
  QAbstractButton* clicked = box.clickedButton();
  return AnswerOf(box.standardButton(clicked != nullptr ? clicked : box.escapeButton()));
}

std::string QtServices::AskText(const std::string& prompt, const std::string& title,
                                const std::string& defaultText) {
  bool confirmed = false;
  const QString answer =
      QInputDialog::getText(QApplication::activeWindow(), ToQt(title), ToQt(prompt),
                            QLineEdit::Password, ToQt(defaultText), &confirmed);
  return confirmed ? FromQt(answer) : std::string();
}

void QtServices::SetMousePointer(int pointer) {
  if (pointer == vbHourglass && !hourglass_) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    hourglass_ = true;
  } else if (pointer == vbDefault && hourglass_) {
    QApplication::restoreOverrideCursor();
    hourglass_ = false;
  }
}

void QtServices::ProcessPendingEvents() { QCoreApplication::processEvents(); }

}  // namespace ferolan::qt
