#include "ui/sheets/model_change_watch.h"

#include "devices/velmor_device.h"
#include "ui/sheets/bus_device_properties.h"

ModelChangeWatch::ModelChangeWatch(const VelmorBusDevice& copy, const CBusDeviceProperties& general)
    : copy_(copy), general_(general), type_(copy.type), model_(copy.model) {}

bool ModelChangeWatch::unseenChange() const {
  return general_.currentType() != type_ || general_.currentModel() != model_;
}

std::unique_ptr<VelmorBusDevice> ModelChangeWatch::takeNewDefaults() {
  if (!unseenChange()) return nullptr;
  type_ = general_.currentType();
  model_ = general_.currentModel();
  // The same steps the document takes on a confirmed type or model change.
  std::unique_ptr<VelmorDevice> cloned = copy_.clone();
  auto defaults = std::unique_ptr<VelmorBusDevice>(static_cast<VelmorBusDevice*>(cloned.release()));
  defaults->setType(type_);
  defaults->model = model_;
  defaults->applyModelDefaults(false);
  return defaults;
}
