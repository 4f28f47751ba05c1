#pragma once

#include <vector>

#include "devices/model_tables.h"
#include "devices/velmor_device.h"

// Placeholder until this kind is built: no model rows, no keys of its own.
class VelmorClockDevice : public VelmorBusDevice {
 public:
  VelmorClockDevice(std::string type, std::string model, std::string name)
      : VelmorBusDevice(DeviceKind::Clock, std::move(type), std::move(model), std::move(name)) {}
  bool setParameter(const std::string& key, int index, const std::string& value) override {
    clearUnitTouched();
    return setCommonParameter(key, index, value);
  }
  const char* className() const override { return "VelmorClockDevice"; }
  std::unique_ptr<VelmorDevice> clone() const override { return std::make_unique<VelmorClockDevice>(*this); }
  VelmorClockDevice(const VelmorClockDevice&) = default;
};

const std::vector<ModelDescriptor>& clockModelRows();
const std::vector<ModelAlias>& clockModelAliases();
