#include "ui/sheets/unit_bulb.h"

#include <QPainter>
#include <QPixmap>

namespace {

constexpr int kSize = 16;

QPixmap drawBulb(bool lit) {
  QPixmap pixmap(kSize, kSize);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QColor(80, 80, 80));
  // The glass, then the screw base under it.
  painter.setBrush(lit ? QColor(255, 221, 51) : QColor(200, 200, 200));
  painter.drawEllipse(QRectF(3, 1, 10, 10));
  painter.setBrush(QColor(140, 140, 140));
  painter.drawRect(QRectF(5.5, 11, 5, 4));
  if (lit) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 224));
    painter.drawEllipse(QRectF(5, 3, 3, 3));
  }
  return pixmap;
}

}  // namespace

QIcon bulbIcon(bool lit) {
  static const QIcon litIcon(drawBulb(true));
  static const QIcon unlitIcon(drawBulb(false));
  return lit ? litIcon : unlitIcon;
}
