// ferolan: the window that converts a J'ADE export into result files for GPI or a spreadsheet.
#include <QApplication>

#include "app/request/EscapedError.h"
#include "app/window/qt/frmDeb.h"
#include "platform/qt/FrenchCatalogues.h"
#include "platform/qt/NoSettings.h"
#include "platform/qt/QtServices.h"
#include "platform/qt/QtWin32Services.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);  // takes Qt's own options only
  ferolan::qt::LoadFrenchCatalogues(application);
  ferolan::qt::KeepNoQtSettings();
  ferolan::qt::QtServices services;
  ferolan::qt::QtWin32Services windowSystem;
  try {
    ferolan::frmDeb window;
    window.show();
    return application.exec();
  } catch (...) {
    // The window could not be made, or its end failed: said, and the program ends.
    ferolan::ShowEscapedError(std::current_exception());
    return 1;
  }
}
