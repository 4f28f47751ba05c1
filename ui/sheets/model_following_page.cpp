#include "ui/sheets/model_following_page.h"

#include <memory>

#include "devices/velmor_device.h"
#include "ui/sheets/bus_device_properties.h"

CModelFollowingPage::CModelFollowingPage(const DeviceSheetContext& context, const CBusDeviceProperties& general,
                                         QWidget* parent)
    : CPropertyPage(parent), context_(context), general_(general), shownType_(context.copy.type),
      shownModel_(context.copy.model) {}

bool CModelFollowingPage::unseenChange() const {
  return general_.currentType() != shownType_ || general_.currentModel() != shownModel_;
}

void CModelFollowingPage::shown() {
  if (!unseenChange()) return;
  shownType_ = general_.currentType();
  shownModel_ = general_.currentModel();
  const VelmorBusDevice& copy = context_.copy;
  // Back at the device's own type and model the write-back keeps its fields,
  // so the page shows them again rather than that model's defaults.
  if (shownType_ == copy.type && shownModel_ == copy.model) {
    fill(copy);
    return;
  }
  // The same steps the document takes on a confirmed type or model change.
  std::unique_ptr<VelmorDevice> defaults = copy.clone();
  auto& device = static_cast<VelmorBusDevice&>(*defaults);
  device.setType(shownType_);
  device.model = shownModel_;
  device.applyModelDefaults(false);
  fill(device);
}

void CModelFollowingPage::writeBack() {
  if (unseenChange()) return;
  if (Writer write = writer()) context_.values.specificWriters.push_back(std::move(write));
}
