#pragma once

#include <vector>

#include "devices/model_tables.h"
#include "devices/velmor_device.h"

// Placeholder until this kind is built: no model rows, no keys of its own.
class VelmorDCI1300Device : public VelmorBusDevice {
 public:
  VelmorDCI1300Device(std::string type, std::string model, std::string name)
      : VelmorBusDevice(DeviceKind::DCI1300, std::move(type), std::move(model), std::move(name)) {}
  bool setParameter(const std::string& key, int index, const std::string& value) override {
    clearUnitTouched();
    return setCommonParameter(key, index, value);
  }
  const char* className() const override { return "VelmorDCI1300Device"; }
  std::unique_ptr<VelmorDevice> clone() const override { return std::make_unique<VelmorDCI1300Device>(*this); }
  VelmorDCI1300Device(const VelmorDCI1300Device&) = default;
};

const std::vector<ModelDescriptor>& dci1300ModelRows();
const std::vector<ModelAlias>& dci1300ModelAliases();
