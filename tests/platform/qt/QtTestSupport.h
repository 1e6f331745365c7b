// Qt for the tests: one QApplication for the whole test program (on the offscreen platform
// unless another is asked for, with its settings in a folder of its own), a way to act on the
// next modal dialog once it shows, and a wait for a window's frame.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>
#include <functional>

#include <gtest/gtest.h>

namespace ferolan::testing {

// Runs `action` on the modal dialog of type Dialog that the next event loop shows. A dialog of
// another type, or one that a failed assertion left open, is closed, so that the test fails
// instead of waiting.
template <class Dialog>
void WhenShowing(std::function<void(Dialog&)> action) {
  QTimer::singleShot(0, [action] {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* dialog = qobject_cast<Dialog*>(modal)) {
      action(*dialog);
      if (::testing::Test::HasFatalFailure() && dialog->isVisible()) dialog->reject();
      return;
    }
    ADD_FAILURE() << "the expected dialog is not showing";
    if (modal != nullptr) modal->close();
  });
}

// Waits until the window system has framed the shown `window`: a window manager does so a
// moment after the window shows; without one, nothing is framed and this waits a second.
inline void WaitForFrame(const QWidget& window) {
  static_cast<void>(
      QTest::qWaitFor([&] { return window.frameGeometry() != window.geometry(); }, 1000));
}

// QFileDialog hides accept(); through QDialog it still runs the file dialog's own.
inline void Accept(QDialog& dialog) { dialog.accept(); }

}  // namespace ferolan::testing
