// Writes the window icon at each size it is drawn in, as FOLDER/<n>x<n>/apps/ferolan.png,
// the layout of the desktop's icon theme; or, with --windows, the images of the Windows
// programs' icons, which Qt does not draw there: FOLDER/ferolan-<n>.png and FOLDER/help-<n>.png
// at the sizes that screens of 100 to 200 % and Explorer ask for.
//   ferolan-make-icon FOLDER
//   ferolan-make-icon --windows FOLDER
#include <QDir>
#include <QGuiApplication>
#include <iostream>
#include <string>

#include "app/window/qt/Pictures.h"

int main(int argc, char** argv) {
  QGuiApplication application(argc, argv);
  if (argc == 3 && std::string(argv[1]) == "--windows") {
    const auto save = [&](const QPixmap& picture, const char* name, int size) {
      const QString file = QString("%1/%2-%3.png").arg(argv[2]).arg(name).arg(size);
      if (picture.save(file)) return true;
      std::cerr << "ferolan-make-icon: cannot write " << file.toStdString() << "\n";
      return false;
    };
    for (const int size : {16, 20, 24, 32, 40, 48, 64, 72, 96, 256}) {
      if (!save(ferolan::Pictures::ConversionPicture(size), "ferolan", size)) return 1;
    }
    for (const int size : {16, 20, 24, 32}) {
      if (!save(ferolan::Pictures::HelpPicture(size), "help", size)) return 1;
    }
    return 0;
  }
  if (argc != 2) {
    std::cerr << "usage: ferolan-make-icon [--windows] FOLDER\n";
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
