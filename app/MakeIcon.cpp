// Writes the window icon as a 48 x 48 PNG file, for the desktop entry.
//   ferolan-make-icon OUT.png
#include <QGuiApplication>
#include <iostream>

#include "app/Pictures.h"

int main(int argc, char** argv) {
  QGuiApplication application(argc, argv);
  if (argc != 2) {
    std::cerr << "usage: ferolan-make-icon OUT.png\n";
    return 2;
  }
  return ferolan::Pictures::WindowIcon().pixmap(48, 48).save(argv[1]) ? 0 : 1;
}
