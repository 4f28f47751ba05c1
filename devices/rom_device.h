#pragma once

#include <vector>

#include "devices/model_tables.h"
#include "devices/velmor_device.h"

// Placeholder until this kind is built: no model rows, no keys of its own.
class VelmorROMDevice : public VelmorBusDevice {
 public:
  VelmorROMDevice(std::string type, std::string model, std::string name)
      : VelmorBusDevice(DeviceKind::ROM, std::move(type), std::move(model), std::move(name)) {}
  bool setParameter(const std::string& key, int index, const std::string& value) override {
    clearUnitTouched();
    return setCommonParameter(key, index, value);
  }
  const char* className() const override { return "VelmorROMDevice"; }
  std::unique_ptr<VelmorDevice> clone() const override { return std::make_unique<VelmorROMDevice>(*this); }
  VelmorROMDevice(const VelmorROMDevice&) = default;

  bool start = false;
  std::int32_t startAddress = 0;
};

const std::vector<ModelDescriptor>& romModelRows();
const std::vector<ModelAlias>& romModelAliases();
