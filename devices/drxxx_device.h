#pragma once

#include <vector>

#include "devices/model_tables.h"
#include "devices/velmor_device.h"

// Placeholder until this kind is built: no model rows, no keys of its own.
class VelmorDRXXXDevice : public VelmorBusDevice {
 public:
  VelmorDRXXXDevice(std::string type, std::string model, std::string name)
      : VelmorBusDevice(DeviceKind::DRXXX, std::move(type), std::move(model), std::move(name)) {}
  bool setParameter(const std::string& key, int index, const std::string& value) override {
    clearUnitTouched();
    return setCommonParameter(key, index, value);
  }
  const char* className() const override { return "VelmorDRXXXDevice"; }
  std::unique_ptr<VelmorDevice> clone() const override { return std::make_unique<VelmorDRXXXDevice>(*this); }
  VelmorDRXXXDevice(const VelmorDRXXXDevice&) = default;
};

const std::vector<ModelDescriptor>& drxxxModelRows();
const std::vector<ModelAlias>& drxxxModelAliases();
