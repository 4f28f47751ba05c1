#include "ui/device_images.h"

#include <QPainter>
#include <QPainterPath>
#include <map>

namespace {

constexpr int kSize = 16;

void drawDisk(QPainter& p) {
  p.setBrush(QColor(170, 170, 190));
  p.setPen(QColor(60, 60, 80));
  p.drawRect(2, 5, 12, 8);
  p.drawEllipse(QRectF(2, 2, 12, 6));
  p.drawEllipse(QRectF(2, 10, 12, 5));
  p.setBrush(QColor(200, 200, 220));
  p.drawEllipse(QRectF(2, 2, 12, 6));
}

void drawTape(QPainter& p) {
  p.setPen(QColor(40, 40, 40));
  p.setBrush(QColor(90, 90, 110));
  p.drawEllipse(QRectF(0.5, 3, 7, 7));
  p.drawEllipse(QRectF(8.5, 3, 7, 7));
  p.setBrush(Qt::white);
  p.drawEllipse(QRectF(3, 5.5, 2, 2));
  p.drawEllipse(QRectF(11, 5.5, 2, 2));
  p.drawLine(4, 10, 12, 13);
  p.drawLine(12, 10, 4, 13);
}

void drawSerial(QPainter& p) {
  p.setPen(QColor(30, 60, 30));
  p.setBrush(QColor(120, 180, 120));
  QPolygonF shell({{1, 4}, {15, 4}, {13, 11}, {3, 11}});
  p.drawPolygon(shell);
  p.setBrush(Qt::black);
  for (int x = 3; x <= 12; x += 3) p.drawRect(x, 6, 1, 1);
  for (int x = 5; x <= 11; x += 3) p.drawRect(x, 8, 1, 1);
  p.drawLine(8, 11, 8, 15);
}

void drawPrinter(QPainter& p) {
  p.setPen(QColor(50, 50, 50));
  p.setBrush(Qt::white);
  p.drawRect(4, 1, 8, 6);
  p.setBrush(QColor(150, 150, 150));
  p.drawRect(1, 6, 14, 6);
  p.setBrush(Qt::white);
  p.drawRect(4, 11, 8, 4);
}

void drawNetwork(QPainter& p) {
  p.setPen(QPen(QColor(20, 60, 140), 1.5));
  p.drawLine(3, 12, 8, 4);
  p.drawLine(13, 12, 8, 4);
  p.drawLine(3, 12, 13, 12);
  p.setBrush(QColor(80, 140, 230));
  p.setPen(QColor(20, 60, 140));
  p.drawEllipse(QRectF(5.5, 1.5, 5, 5));
  p.drawEllipse(QRectF(0.5, 9.5, 5, 5));
  p.drawEllipse(QRectF(10.5, 9.5, 5, 5));
}

void drawChip(QPainter& p, QColor body, const QString& letter) {
  p.setPen(QColor(30, 30, 30));
  for (int y = 4; y <= 11; y += 3) {
    p.drawLine(0, y, 2, y);
    p.drawLine(13, y, 15, y);
  }
  p.setBrush(body);
  p.drawRect(2, 2, 11, 12);
  QFont font = p.font();
  font.setPixelSize(9);
  font.setBold(true);
  p.setFont(font);
  p.setPen(Qt::white);
  p.drawText(QRect(2, 2, 12, 12), Qt::AlignCenter, letter);
}

void drawBridge(QPainter& p) {
  p.setPen(QPen(QColor(110, 70, 20), 1.5));
  p.setBrush(Qt::NoBrush);
  QPainterPath arch;
  arch.moveTo(1, 13);
  arch.quadTo(8, 1, 15, 13);
  p.drawPath(arch);
  p.drawLine(0, 8, 16, 8);
  for (int x = 4; x <= 12; x += 4) p.drawLine(x, 8, x, 13);
}

void drawParallel(QPainter& p) {
  p.setPen(QColor(90, 40, 110));
  p.setBrush(QColor(190, 150, 210));
  p.drawRect(1, 3, 14, 10);
  p.setPen(QPen(QColor(60, 20, 80), 1));
  for (int y = 5; y <= 11; y += 2) p.drawLine(3, y, 13, y);
}

void drawLoader(QPainter& p) {
  p.setPen(QColor(40, 40, 40));
  p.setBrush(QColor(240, 220, 140));
  p.drawRect(1, 9, 14, 6);
  p.setBrush(QColor(40, 120, 40));
  QPolygonF arrow({{6, 1}, {10, 1}, {10, 5}, {13, 5}, {8, 10}, {3, 5}, {6, 5}});
  p.drawPolygon(arrow);
}

void drawClock(QPainter& p) {
  p.setPen(QColor(40, 40, 40));
  p.setBrush(QColor(250, 250, 230));
  p.drawEllipse(QRectF(1, 1, 14, 14));
  p.drawLine(8, 8, 8, 3);
  p.drawLine(8, 8, 12, 9);
}

void drawSystem(QPainter& p) {
  p.setPen(QColor(40, 40, 40));
  p.setBrush(QColor(200, 200, 200));
  p.drawRect(1, 1, 14, 10);
  p.setBrush(QColor(30, 60, 120));
  p.drawRect(3, 3, 10, 6);
  p.setBrush(QColor(160, 160, 160));
  p.drawRect(4, 12, 8, 3);
}

void drawPicture(QPainter& p, ImageSet set) {
  switch (set) {
    case ImageSet::System: drawSystem(p); break;
    case ImageSet::Disk: drawDisk(p); break;
    case ImageSet::Tape: drawTape(p); break;
    case ImageSet::Serial: drawSerial(p); break;
    case ImageSet::LinePrinter: drawPrinter(p); break;
    case ImageSet::Network: drawNetwork(p); break;
    case ImageSet::Va1000: drawChip(p, QColor(30, 110, 110), "V"); break;
    case ImageSet::Bridge: drawBridge(p); break;
    case ImageSet::Parallel: drawParallel(p); break;
    case ImageSet::Loader: drawLoader(p); break;
    case ImageSet::TimerClock: drawClock(p); break;
    case ImageSet::ROM: drawChip(p, QColor(60, 60, 60), "R"); break;
  }
}

void drawExclamation(QPainter& p, QColor fill) {
  p.setPen(QColor(60, 30, 0));
  p.setBrush(fill);
  p.drawPolygon(QPolygonF({{11.5, 5}, {16, 15.5}, {7, 15.5}}));
  p.setPen(QPen(Qt::black, 1.2));
  p.drawLine(QPointF(11.5, 8.5), QPointF(11.5, 12));
  p.drawPoint(QPointF(11.5, 14));
}

void drawOverlay(QPainter& p, ImageState state) {
  switch (state) {
    case ImageState::Normal: break;
    case ImageState::Disabled:
      p.setPen(QPen(QColor(220, 0, 0), 2.5, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(2, 2, 14, 14);
      p.drawLine(14, 2, 2, 14);
      break;
    case ImageState::Conflict: drawExclamation(p, QColor(230, 20, 20)); break;
    case ImageState::BusWarning: drawExclamation(p, QColor(255, 210, 0)); break;
    case ImageState::Boot: {
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(255, 255, 255, 220));
      p.drawRect(0, 9, 16, 7);
      QFont font = p.font();
      font.setPixelSize(7);
      font.setBold(true);
      p.setFont(font);
      p.setPen(QColor(0, 0, 160));
      p.drawText(QRect(0, 9, 16, 7), Qt::AlignCenter, "BOOT");
      break;
    }
  }
}

}  // namespace

bool hasBootImage(ImageSet set) {
  return set == ImageSet::Disk || set == ImageSet::Tape || set == ImageSet::Loader || set == ImageSet::ROM;
}

ImageKey chooseDeviceImage(ImageSet set, bool disabled, bool conflict, bool busWarning, bool boot) {
  if (disabled) return {set, ImageState::Disabled};
  if (conflict) return {set, ImageState::Conflict};
  if (busWarning) return {set, ImageState::BusWarning};
  if (boot && hasBootImage(set)) return {set, ImageState::Boot};
  return {set, ImageState::Normal};
}

ImageKey chooseGroupImage(ImageSet set, std::size_t deviceCount, std::size_t disabledCount) {
  if (set == ImageSet::System) return {set, ImageState::Normal};
  const bool allDisabled = deviceCount > 0 && disabledCount == deviceCount;
  return {set, allDisabled ? ImageState::Disabled : ImageState::Normal};
}

QPixmap drawImage(ImageKey key) {
  QPixmap pixmap(kSize, kSize);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  drawPicture(painter, key.set);
  drawOverlay(painter, key.state);
  return pixmap;
}

QIcon iconFor(ImageKey key) {
  static std::map<int, QIcon> cache;
  auto it = cache.find(key.code());
  if (it == cache.end()) {
    // The same picture selected: a style would otherwise tint it with the
    // highlight colour, and its marks (cross, "!", "BOOT") would fade.
    const QPixmap picture = drawImage(key);
    QIcon icon(picture);
    icon.addPixmap(picture, QIcon::Selected);
    it = cache.emplace(key.code(), icon).first;
  }
  return it->second;
}
