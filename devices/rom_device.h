#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "devices/model_tables.h"
#include "devices/velmor_device.h"

// One ROM image mapped at a register address. Of the common keys only
// `register` applies; `start` and `startAddress` come from a `start` statement.
class VelmorROMDevice : public VelmorBusDevice {
 public:
  VelmorROMDevice(std::string type, std::string model, std::string name)
      : VelmorBusDevice(DeviceKind::ROM, std::move(type), std::move(model), std::move(name)) {}
  VelmorROMDevice(const VelmorROMDevice&) = default;

  bool setParameter(std::string_view key, int index, std::string_view value) override;
  // Of the common keys a ROM takes only its register.
  bool takesCommonKey(std::string_view key) const override { return key == "register"; }
  void writeStatements(std::string& out, const std::string& disabledSign) const override;
  void applyModelDefaults(bool reset) override;
  bool isComplete() const override { return !image.empty(); }
  const char* className() const override { return "VelmorROMDevice"; }
  std::unique_ptr<VelmorDevice> clone() const override { return std::make_unique<VelmorROMDevice>(*this); }

  // A whole configuration checks ROMs on both buses with no vector; a ROM
  // added singly is checked by its vector and its row's bus.
  std::vector<std::int32_t> checkedVectors(bool withConfiguration) const override;
  std::int32_t checkedAreaSize() const override { return romSize; }
  std::uint16_t checkedBus(bool withConfiguration) const override;

  std::string image;
  std::int32_t romSize = 0;  // 0 when not set
  bool start = false;
  std::int32_t startAddress = 0;
};

const std::vector<ModelDescriptor>& romModelRows();
const std::vector<ModelAlias>& romModelAliases();
// The ROM row's extra column: the rom_size a ROM starts with.
inline constexpr std::int32_t kRomDefaultSize = 0;
