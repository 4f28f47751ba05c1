#include "ui/sheets/model_following_page.h"

#include <QGridLayout>
#include <QLabel>
#include <memory>

#include "devices/velmor_device.h"
#include "ui/sheets/bus_device_properties.h"

CModelFollowingPage::CModelFollowingPage(const DeviceSheetContext& context, const CBusDeviceProperties& general,
                                         QWidget* parent)
    : CPropertyPage(parent), context_(context), general_(general), shownType_(context.copy.type),
      shownModel_(context.copy.model) {}

QGridLayout* CModelFollowingPage::pictureGrid(const QPixmap& picture) {
  auto* grid = new QGridLayout(this);
  auto* image = new QLabel(this);
  image->setPixmap(picture);
  grid->addWidget(image, 0, 0, Qt::AlignLeft | Qt::AlignTop);
  return grid;
}

bool CModelFollowingPage::generalMatchesShown() const {
  return general_.currentType() == shownType_ && general_.currentModel() == shownModel_;
}

void CModelFollowingPage::shown() {
  if (generalMatchesShown()) return;
  shownType_ = general_.currentType();
  shownModel_ = general_.currentModel();
  const VelmorBusDevice& copy = context_.copy;
  // Back at the device's own type and model the write-back keeps its fields,
  // so the page shows them again rather than that model's defaults.
  if (shownType_ == copy.type && shownModel_ == copy.model) {
    fill(copy);
    return;
  }
  // What the write-back makes of the device for the new type and model.
  std::unique_ptr<VelmorDevice> defaults = copy.clone();
  auto& device = static_cast<VelmorBusDevice&>(*defaults);
  device.setType(shownType_);
  device.model = shownModel_;
  device.applyModelDefaults(false);
  fill(device);
}

void CModelFollowingPage::writeBack() {
  if (!generalMatchesShown()) return;
  context_.values.specificWriters.push_back(writer());
}
