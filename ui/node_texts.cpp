#include "ui/node_texts.h"

#include "devices/base_device.h"
#include "devices/text_utils.h"

std::string systemNodeText(const VelmorBaseDevice& system) {
  return "System [" + toLower(system.model) + "," + std::to_string(system.memorySize) + " ]";
}

std::string deviceNodeText(const VelmorBusDevice& device) {
  if (device.kind() == DeviceKind::Va1000) return device.name + " ";
  std::string text = device.name + "  ( " + toLower(device.type);
  if (!device.model.empty()) text += "," + toLower(device.model);
  return text + " )";
}
