#include "ui/sheets/sheet_picture.h"

#include <QGridLayout>
#include <QLabel>

#include "config/configuration.h"
#include "ui/device_images.h"
#include "ui/group_table.h"

namespace {

// The tree's 16 by 16 pictures, doubled so they read at the top of a page.
constexpr int kScale = 2;

}  // namespace

QPixmap sheetPicture(DeviceGroup group) {
  const QPixmap picture = drawImage(ImageKey{groupInfo(group).images, ImageState::Normal});
  return picture.scaled(picture.size() * kScale, Qt::KeepAspectRatio, Qt::FastTransformation);
}

DeviceGroup sheetGroupOf(const VelmorBusDevice& device) { return groupOfList(Configuration::listFor(device)); }

QLabel* pictureLabel(const QPixmap& picture, QWidget* parent) {
  auto* image = new QLabel(parent);
  image->setPixmap(picture);
  return image;
}

QGridLayout* pictureGrid(QWidget* page, const QPixmap& picture) {
  auto* grid = new QGridLayout(page);
  grid->addWidget(pictureLabel(picture, page), 0, 0, Qt::AlignLeft | Qt::AlignTop);
  return grid;
}
