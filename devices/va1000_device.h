#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "devices/model_tables.h"
#include "devices/velmor_device.h"

// The VA1000 adapter: reaches a remote DARI210 card over IP and maps a memory
// window of it into the emulated bus. It takes only its own keys, not the
// common vector, priority and units keys.
class VelmorVa1000Device : public VelmorBusDevice {
 public:
  VelmorVa1000Device(std::string type, std::string model, std::string name)
      : VelmorBusDevice(DeviceKind::Va1000, std::move(type), std::move(model), std::move(name)) {}
  VelmorVa1000Device(const VelmorVa1000Device&) = default;

  bool setParameter(std::string_view key, int index, std::string_view value) override;
  // Of the common keys the adapter takes only its register.
  bool takesCommonKey(std::string_view key) const override { return key == "register"; }
  void writeStatements(std::string& out, const std::string& disabledSign) const override;
  void applyModelDefaults(bool reset) override;
  const char* className() const override { return "VelmorVa1000Device"; }
  std::unique_ptr<VelmorDevice> clone() const override { return std::make_unique<VelmorVa1000Device>(*this); }
  std::vector<std::int32_t> checkedVectors(bool withConfiguration) const override;
  std::int32_t checkedAreaSize() const override { return windowSize; }

  std::string ipAddress;  // host name or address of the DARI210 card
  std::int32_t ipPort = 0;
  std::int32_t baseAddr = 0;
  bool staticWindow = false;
  std::int32_t window = 0;
  std::int32_t windowSize = 0;  // bytes
  std::int32_t sr10 = 0;
  bool newProtocol = false;
  std::int32_t timeout = 0;
};

// A Va1000's own defaults; list fields hold the page's choices, the first
// being the default. `type` and `model` may be "*" (findUnitDefaults matches them).
struct Va1000Defaults {
  std::string type;
  std::string model;
  std::string ipAddress;
  std::int32_t ipPort;
  std::vector<std::int32_t> baseAddrs;
  bool staticWindow;
  std::int32_t window;
  std::vector<std::int32_t> windowSizes;
  std::vector<std::int32_t> sr10s;
  bool newProtocol;
  std::int32_t timeout;
};

const std::vector<Va1000Defaults>& va1000DefaultsRows();
const Va1000Defaults* findVa1000Defaults(std::string_view type, std::string_view model);

const std::vector<ModelDescriptor>& va1000ModelRows();
const std::vector<ModelAlias>& va1000ModelAliases();
