#include "ui/sheets/sheet_picture.h"

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
