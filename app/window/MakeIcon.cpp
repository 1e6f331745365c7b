// Writes the window icon at each size it is drawn in, as FOLDER/<n>x<n>/apps/ferolan.png,
// the layout of the desktop's icon theme.
//   ferolan-make-icon FOLDER
#include <QDir>
#include <QGuiApplication>
#include <iostream>

#include "app/window/Pictures.h"

int main(int argc, char** argv) {
  QGuiApplication application(argc, argv);
  if (argc != 2) {
    std::cerr << "usage: ferolan-make-icon FOLDER\n";
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
