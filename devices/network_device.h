#pragma once

#include <vector>

#include "devices/model_tables.h"
#include "devices/velmor_device.h"

// Placeholder until this kind is built: no model rows, no keys of its own.
class VelmorNetworkDevice : public VelmorBusDevice {
 public:
  VelmorNetworkDevice(std::string type, std::string model, std::string name)
      : VelmorBusDevice(DeviceKind::Network, std::move(type), std::move(model), std::move(name)) {}
  bool setParameter(const std::string& key, int index, const std::string& value) override {
    clearUnitTouched();
    return setCommonParameter(key, index, value);
  }
  const char* className() const override { return "VelmorNetworkDevice"; }
  std::unique_ptr<VelmorDevice> clone() const override { return std::make_unique<VelmorNetworkDevice>(*this); }
  VelmorNetworkDevice(const VelmorNetworkDevice&) = default;
};

const std::vector<ModelDescriptor>& networkModelRows();
const std::vector<ModelAlias>& networkModelAliases();
