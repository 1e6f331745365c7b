// The window's pictures, drawn by the program: the window icon, the picture beside the
// description and the help button's picture.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace ferolan::Pictures {

// A sheet of results turning into two, drawn at 16, 32 and 48 pixels for the window icon and
// the desktop's icon theme.
QIcon WindowIcon();
// The same drawing in 48 x 48 for the picture box, or at another size (16 is drawn on the
// pixel grid).
QPixmap ConversionPicture(int size = 48);
// A question mark in a blue disc, 16 x 16 for the help button, or at another size.
QPixmap HelpPicture(int size = 16);

}  // namespace ferolan::Pictures
