#include "app/window/qt/Pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

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

// One sheet on the pixel grid, from (left, top) to (right, bottom) inclusive, with a line of
// `ink` from `inkLeft` to `inkRight` on each of `rows`.
void DrawSmallSheet(QPainter& painter, const QRect& sheet, int fold, const QColor& ink,
                    std::initializer_list<int> rows, int inkLeft, int inkRight) {
  painter.setPen(QColor(60, 60, 60));
  painter.setBrush(Qt::white);
  painter.drawPolygon(QPolygon({sheet.topLeft(), QPoint(sheet.right() - fold, sheet.top()),
                                QPoint(sheet.right(), sheet.top() + fold), sheet.bottomRight(),
                                sheet.bottomLeft()}));
  painter.setPen(ink);
  for (const int y : rows) painter.drawLine(inkLeft, y, inkRight, y);
}

// The same drawing for 16 pixels, where the scaled one blurs: drawn pixel by pixel, with
// fewer lines of text.
QPixmap SmallConversion() {
  QPixmap pixmap = Blank(16);
  QPainter painter(&pixmap);
  DrawSmallSheet(painter, QRect(QPoint(0, 2), QPoint(6, 13)), 2, QColor(90, 90, 90), {6, 8, 10}, 2,
                 4);
  const QColor navy(0, 0, 128);
  painter.setPen(navy);
  painter.setBrush(navy);
  painter.drawRect(7, 7, 2, 1);
  painter.drawPolygon(QPolygon({QPoint(8, 5), QPoint(10, 7), QPoint(10, 8), QPoint(8, 10)}));
  DrawSmallSheet(painter, QRect(QPoint(11, 0), QPoint(15, 7)), 2, QColor(40, 70, 200), {3, 5}, 12,
                 14);
  DrawSmallSheet(painter, QRect(QPoint(11, 8), QPoint(15, 15)), 2, QColor(200, 40, 40), {11, 13},
                 12, 14);
  return pixmap;
}

}  // namespace

QIcon WindowIcon() {
  QIcon icon(SmallConversion());
  for (const int size : {32, 48}) icon.addPixmap(Conversion(size));
  return icon;
}

QPixmap ConversionPicture(int size) { return size <= 16 ? SmallConversion() : Conversion(size); }

QPixmap HelpPicture(int size) {
  QPixmap pixmap = Blank(size);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(size / 16.0, size / 16.0);  // drawn for 16 pixels
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
