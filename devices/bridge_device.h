#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "devices/model_tables.h"
#include "devices/velmor_device.h"

// A bus bridge: makes a register window of the other bus visible at the
// bridge's register address, optionally tracing the bridged accesses. It has
// no interrupt vector of its own.
class VelmorBridgeDevice : public VelmorBusDevice {
 public:
  VelmorBridgeDevice(std::string type, std::string model, std::string name)
      : VelmorBusDevice(DeviceKind::Bridge, std::move(type), std::move(model), std::move(name)) {}
  VelmorBridgeDevice(const VelmorBridgeDevice&) = default;

  bool setParameter(std::string_view key, int index, std::string_view value) override;
  // A bridge has no vector.
  bool takesCommonKey(std::string_view key) const override { return key != "vector"; }
  void writeStatements(std::string& out, const std::string& disabledSign) const override;
  void applyModelDefaults(bool reset) override;
  const char* className() const override { return "VelmorBridgeDevice"; }
  std::unique_ptr<VelmorDevice> clone() const override { return std::make_unique<VelmorBridgeDevice>(*this); }
  std::vector<std::int32_t> checkedVectors(bool withConfiguration) const override;
  std::int32_t checkedAreaSize() const override { return size; }

  std::int32_t size = 0;     // bytes of the bridged window
  std::int32_t address = 0;  // where the window lies on the other bus
  bool trace = false;
};

// A bridge's own defaults and the choices its page offers. `type` and `model`
// may be "*" (findUnitDefaults matches them).
struct BridgeDefaults {
  std::string type;
  std::string model;
  std::vector<std::int32_t> addresses;  // first is the default
  std::vector<std::int32_t> sizes;      // offered by the page; the default size is the register area
  bool trace;
};

const std::vector<BridgeDefaults>& bridgeDefaultsRows();
const BridgeDefaults* findBridgeDefaults(std::string_view type, std::string_view model);

const std::vector<ModelDescriptor>& bridgeModelRows();
const std::vector<ModelAlias>& bridgeModelAliases();
