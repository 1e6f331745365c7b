// A window's rectangle as the user sees it, frame included. Qt knows a window's frame only once
// the window system has framed it on the screen; the platform knows it from the start, and
// dialog hooks place their dialog before it shows.
#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>

class QWidget;

namespace ferolan::qt {

// The frame around `window`'s own area. A window not framed yet gets the frame the window
// system gave a window already shown, as it will most likely get the same.
QMargins FrameMargins(const QWidget& window);

// `window`'s rectangle on the screen with that frame.
QRect FrameRect(const QWidget& window);

// Puts `window`'s frame at `topLeft`. A window not framed yet is placed with the frame above
// and, once framed, moved by half the difference, so that the frame's centre stays put.
void MoveFrame(QWidget& window, QPoint topLeft);

}  // namespace ferolan::qt
