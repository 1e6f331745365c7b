// Writes the window icon at each size it is drawn in, as FOLDER/<n>x<n>/apps/ferolan.png,
// the layout of the desktop's icon theme; or the help button's picture, for the Windows
// window, which draws none.
//   ferolan-make-icon FOLDER
//   ferolan-make-icon --help-picture FILE.png
#include <QDir>
#include <QGuiApplication>
#include <iostream>
#include <string>

#include "app/window/Pictures.h"

int main(int argc, char** argv) {
  QGuiApplication application(argc, argv);
  if (argc == 3 && std::string(argv[1]) == "--help-picture") {
    if (ferolan::Pictures::HelpPicture().save(argv[2])) return 0;
    std::cerr << "ferolan-make-icon: cannot write " << argv[2] << "\n";
    return 1;
  }
  if (argc != 2) {
    std::cerr << "usage: ferolan-make-icon FOLDER | --help-picture FILE.png\n";
    return 2;
  }
  const QIcon icon = ferolan::Pictures::WindowIcon();
  for (const QSize& size : icon.availableSizes()) {
    const QString folder =
        QString("%1/%2x%3/apps").arg(argv[1]).arg(size.width()).arg(size.height());
    if (!QDir().mkpath(folder) || !icon.pixmap(size).save(folder + "/ferolan.png")) {
      std::cerr << "ferolan-make-icon: cannot write " << folder.toStdString() << "/ferolan.png\n";
      return 1;
    }
  }
  return 0;
}
