#pragma once

#include <vector>

#include "devices/model_tables.h"
#include "devices/velmor_device.h"

// Placeholder until this kind is built: no model rows, no keys of its own.
class VelmorVa1000Device : public VelmorBusDevice {
 public:
  VelmorVa1000Device(std::string type, std::string model, std::string name)
      : VelmorBusDevice(DeviceKind::Va1000, std::move(type), std::move(model), std::move(name)) {}
  bool setParameter(const std::string& key, int index, const std::string& value) override {
    clearUnitTouched();
    return setCommonParameter(key, index, value);
  }
  const char* className() const override { return "VelmorVa1000Device"; }
  std::unique_ptr<VelmorDevice> clone() const override { return std::make_unique<VelmorVa1000Device>(*this); }
  VelmorVa1000Device(const VelmorVa1000Device&) = default;
};

const std::vector<ModelDescriptor>& va1000ModelRows();
const std::vector<ModelAlias>& va1000ModelAliases();
