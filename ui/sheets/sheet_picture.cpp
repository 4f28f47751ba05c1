#include "ui/sheets/sheet_picture.h"

#include <QPainter>

#include "config/configuration.h"

namespace {

constexpr int kPictureSize = 32;

// A short mark per group, in tree order.
constexpr const char* kMarks[kDeviceGroupCount] = {"SYS", "DK", "MT", "TT", "PI", "LP",
                                                   "NI",  "VA", "BR", "LD", "CLK", "ROM"};

}  // namespace

QPixmap sheetPicture(DeviceGroup group) {
  QPixmap picture(kPictureSize, kPictureSize);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(40, 60, 110), 1.5));
  painter.setBrush(QColor(200, 215, 240));
  painter.drawRoundedRect(QRectF(1.5, 5.5, kPictureSize - 3, kPictureSize - 11), 3, 3);
  QFont font = painter.font();
  font.setPixelSize(9);
  font.setBold(true);
  painter.setFont(font);
  painter.drawText(QRect(0, 0, kPictureSize, kPictureSize), Qt::AlignCenter,
                   QString::fromLatin1(kMarks[static_cast<std::size_t>(group)]));
  return picture;
}

DeviceGroup sheetGroupOf(const VelmorBusDevice& device) { return groupOfList(Configuration::listFor(device)); }
