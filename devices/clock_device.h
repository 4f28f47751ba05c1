#pragma once

#include <vector>

#include "devices/model_tables.h"
#include "devices/velmor_device.h"

// The time-of-year clock. Only its register can be set; at most one clock is
// enabled in a configuration.
class VelmorClockDevice : public VelmorBusDevice {
 public:
  VelmorClockDevice(std::string type, std::string model, std::string name)
      : VelmorBusDevice(DeviceKind::Clock, std::move(type), std::move(model), std::move(name)) {}
  VelmorClockDevice(const VelmorClockDevice&) = default;

  bool setParameter(std::string_view key, int index, std::string_view value) override;
  // Of the common keys the clock takes only its register.
  bool takesCommonKey(std::string_view key) const override { return key == "register"; }
  const char* className() const override { return "VelmorClockDevice"; }
  std::unique_ptr<VelmorDevice> clone() const override { return std::make_unique<VelmorClockDevice>(*this); }
  // The clock raises no interrupt the checker could see collide.
  std::vector<std::int32_t> checkedVectors(bool) const override { return {}; }
};

const std::vector<ModelDescriptor>& clockModelRows();
const std::vector<ModelAlias>& clockModelAliases();
