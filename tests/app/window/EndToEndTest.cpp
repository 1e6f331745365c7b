// The whole program as a user meets it, offscreen: the browse button, the real open dialog
// centred over the window, the example export picked in it, the result files beside it and
// the closing message.
#include <gtest/gtest.h>

#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <filesystem>

#include "app/window/qt/frmDeb.h"
#include "platform/qt/QtServices.h"
#include "platform/qt/QtWin32Services.h"
#include "tests/platform/qt/QtTestSupport.h"
#include "tests/support/TempDir.h"

namespace ferolan::testing {
namespace {

TEST(EndToEndTest, TheExampleExportBecomesTwoResultFilesBesideIt) {
  TempDir exports;
  const std::string exportPath = exports / "CE2-A.jad";
  std::filesystem::copy_file(FEROLAN_EXAMPLE_EXPORT, exportPath);
  qt::QtServices services;
  qt::QtWin32Services platform;
  frmDeb window;
  window.move(60, 40);
  window.show();
  WaitForFrame(window);

  // The dialogs come one after the other inside the click; a timer meets each as it shows.
  bool picked = false;
  QPoint dialogCentre, windowCentre;
  QString message, messageTitle;
  QTimer watcher;
  QObject::connect(&watcher, &QTimer::timeout, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    if (::testing::Test::HasFatalFailure() && modal != nullptr) {
      modal->close();  // a failed assertion below: fail instead of waiting
      return;
    }
    if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
      if (!picked) {
        WaitForFrame(*dialog);
        dialogCentre = dialog->frameGeometry().center();
        windowCentre = window.frameGeometry().center();
      }
      picked = true;
      // As a user types it: the dialog ignores a selection made while its name box has focus.
      auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
      ASSERT_NE(name, nullptr);
      name->setText(QString::fromStdString(exportPath));
      Accept(*dialog);
    } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      message = box->text();
      messageTitle = box->windowTitle();
      box->button(QMessageBox::Ok)->click();
    }
  });
  watcher.start(20);
  window.cmdOpen->click();
  watcher.stop();

  ASSERT_TRUE(picked);
  EXPECT_LE(std::abs(dialogCentre.x() - windowCentre.x()), 1);
  EXPECT_LE(std::abs(dialogCentre.y() - windowCentre.y()), 1);
  EXPECT_EQ(message, "Traitement terminé.");
  EXPECT_EQ(messageTitle, "Ferolan");
  for (const char* result : {"CE2-A1.c01", "CE2-A2.c01"}) {
    ASSERT_TRUE(Exists(exports / result)) << result;
    EXPECT_EQ(ReadBytes(exports / result).size(), 25u * 294u) << "25 pupils, 292 bytes and CR LF";
  }
  window.close();
}

}  // namespace
}  // namespace ferolan::testing
