#include "platform/qt/WindowFrame.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace ferolan::qt {

namespace {

QMargins KnownMargins(const QWidget& window) {
  const QRect frame = window.frameGeometry();
  const QRect inner = window.geometry();
  return {inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
          frame.bottom() - inner.bottom()};
}

QSize Thickness(const QMargins& margins) {
  return {margins.left() + margins.right(), margins.top() + margins.bottom()};
}

// Watches a window placed with an estimated frame until the window system frames it.
class FrameCorrection final : public QObject {
 public:
  FrameCorrection(QWidget& window, QMargins estimate)
      : QObject(&window), window_(window), estimate_(estimate) {
    window.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::Move && event->type() != QEvent::Resize) return false;
    const QMargins real = KnownMargins(window_);
    if (real.isNull()) return false;
    window_.removeEventFilter(this);
    deleteLater();
    const QSize excess = Thickness(estimate_) - Thickness(real);
    if (!excess.isNull()) window_.move(window_.pos() + QPoint(excess.width(), excess.height()) / 2);
    return false;
  }

 private:
  QWidget& window_;
  QMargins estimate_;
};

bool Framed(const QWidget& window) {
  return !KnownMargins(window).isNull() || window.isVisible() ||
         window.windowFlags() & Qt::FramelessWindowHint;
}

}  // namespace

QMargins FrameMargins(const QWidget& window) {
  if (Framed(window)) return KnownMargins(window);
  for (const QWidget* shown : QApplication::topLevelWidgets()) {
    if (shown == &window || !shown->isVisible()) continue;
    const QMargins margins = KnownMargins(*shown);
    if (!margins.isNull()) return margins;
  }
  return {};
}

QRect FrameRect(const QWidget& window) {
  // A window placed before it shows is placed by its frame, as Qt places it.
  return {window.frameGeometry().topLeft(), window.size().grownBy(FrameMargins(window))};
}

void MoveFrame(QWidget& window, QPoint topLeft) {
  if (!Framed(window)) {
    const QMargins estimate = FrameMargins(window);
    if (!estimate.isNull()) new FrameCorrection(window, estimate);
  }
  window.move(topLeft);
}

}  // namespace ferolan::qt
