#include "app/Pictures.h"

#include <QPainter>
#include <QPainterPath>

namespace ferolan::Pictures {

namespace {

QPixmap Blank(int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  return pixmap;
}

// One sheet with a folded corner and a few lines of text in `ink`.
void DrawSheet(QPainter& painter, const QRectF& sheet, const QColor& ink) {
  const qreal fold = sheet.width() * 0.3;
  QPainterPath outline;
  outline.moveTo(sheet.topLeft());
  outline.lineTo(sheet.right() - fold, sheet.top());
  outline.lineTo(sheet.right(), sheet.top() + fold);
  outline.lineTo(sheet.bottomRight());
  outline.lineTo(sheet.bottomLeft());
  outline.closeSubpath();
  painter.setPen(QPen(QColor(60, 60, 60), sheet.width() / 16));
  painter.setBrush(Qt::white);
  painter.drawPath(outline);
  painter.setPen(QPen(ink, sheet.height() / 14));
  for (int line = 1; line <= 3; ++line) {
    const qreal y = sheet.top() + sheet.height() * (0.3 + 0.18 * line);
    painter.drawLine(QPointF(sheet.left() + sheet.width() * 0.18, y),
                     QPointF(sheet.right() - sheet.width() * 0.18, y));
  }
}

// The export on the left, an arrow, and the French (blue) and maths (red) results on the right.
QPixmap Conversion(int size) {
  QPixmap pixmap = Blank(size);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  const qreal s = size;
  DrawSheet(painter, QRectF(s * 0.04, s * 0.18, s * 0.36, s * 0.64), QColor(90, 90, 90));
  painter.setPen(QPen(QColor(0, 0, 128), s / 14, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(QPointF(s * 0.44, s * 0.5), QPointF(s * 0.58, s * 0.5));
  painter.drawLine(QPointF(s * 0.53, s * 0.42), QPointF(s * 0.59, s * 0.5));
  painter.drawLine(QPointF(s * 0.53, s * 0.58), QPointF(s * 0.59, s * 0.5));
  DrawSheet(painter, QRectF(s * 0.62, s * 0.04, s * 0.34, s * 0.44), QColor(40, 70, 200));
  DrawSheet(painter, QRectF(s * 0.62, s * 0.52, s * 0.34, s * 0.44), QColor(200, 40, 40));
  return pixmap;
}

}  // namespace

QIcon WindowIcon() { return QIcon(Conversion(32)); }

QPixmap ConversionPicture() { return Conversion(48); }

QPixmap HelpPicture() {
  QPixmap pixmap = Blank(16);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(30, 90, 200));
  painter.drawEllipse(QRectF(0.5, 0.5, 15, 15));
  QFont font("DejaVu Sans");
  font.setPixelSize(12);
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(Qt::white);
  painter.drawText(QRectF(0, 0, 16, 16), Qt::AlignCenter, "?");
  return pixmap;
}

}  // namespace ferolan::Pictures
