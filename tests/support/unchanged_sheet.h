#pragma once

#include <string>

#include "config/device_properties.h"
#include "devices/number_format.h"
#include "devices/velmor_device.h"

// The General page's texts for a device as it stands: what an unchanged
// sheet hands back.
inline GeneralPageValues unchangedGeneral(const VelmorBusDevice& device) {
  return {device.type,
          device.model,
          device.name,
          formatOctal(device.registerAddress),
          formatOctal(device.vector),
          formatOctal(device.priority),
          std::to_string(device.units)};
}
