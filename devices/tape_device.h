#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "devices/model_tables.h"
#include "devices/velmor_unit_device.h"

// One drive of a tape controller; it takes part in the script once it has a file.
class VelmorTapeUnit : public VelmorUnit {
 public:
  explicit VelmorTapeUnit(int number) : VelmorUnit(DeviceKind::TapeUnit, number) {}

  void applyUnitDefaults(std::string_view ownerType, std::string_view ownerModel) override;
  void setBoot(bool flag) override { boot = flag; }
  bool isBoot() const override { return boot; }
  std::unique_ptr<VelmorUnit> clone() const override { return std::make_unique<VelmorTapeUnit>(*this); }

  bool writeprotect = false;
  bool boot = false;
  std::int32_t delayFactor = 0;
  std::int32_t volumeSize = 0;
  bool unloadEnabled = true;
  bool loaded = true;
};

class VelmorTapeDevice : public VelmorUnitDevice {
 public:
  VelmorTapeDevice(std::string type, std::string model, std::string name)
      : VelmorUnitDevice(DeviceKind::Tape, std::move(type), std::move(model), std::move(name)) {}
  VelmorTapeDevice(const VelmorTapeDevice&) = default;

  bool setParameter(std::string_view key, int index, std::string_view value) override;
  void writeStatements(std::string& out, const std::string& disabledSign) const override;
  void writeUnit(std::string& out, const VelmorUnit& unit, const std::string& disabledSign) const override;
  // Only units with a file are written.
  bool writesUnit(const VelmorUnit& unit) const override { return !unit.file.empty(); }
  const char* className() const override { return "VelmorTapeDevice"; }
  std::unique_ptr<VelmorDevice> clone() const override { return std::make_unique<VelmorTapeDevice>(*this); }

 protected:
  std::unique_ptr<VelmorUnit> makeUnit(int number) const override { return std::make_unique<VelmorTapeUnit>(number); }
};

// The unit defaults of a tape controller's type and model ("*" matches anything).
struct TapeUnitDefaults {
  const char* type;
  const char* model;
  bool writeprotect;
  std::int32_t delayFactor;
  std::int32_t volumeSize;
  bool unloadEnabled;
  bool loaded;
};

const std::vector<ModelDescriptor>& tapeModelRows();
const std::vector<ModelAlias>& tapeModelAliases();
const std::vector<TapeUnitDefaults>& tapeUnitDefaultsRows();
