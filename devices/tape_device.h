#pragma once

#include <vector>

#include "devices/model_tables.h"
#include "devices/velmor_unit_device.h"

// Placeholder until this kind is built: no model rows, no keys of its own.
class VelmorTapeUnit : public VelmorUnit {
 public:
  explicit VelmorTapeUnit(int number) : VelmorUnit(DeviceKind::TapeUnit, number) {}
  void applyUnitDefaults(std::string_view, std::string_view) override {}
  bool isBoot() const override { return boot; }
  void setBoot(bool flag) override { boot = flag; }
  std::unique_ptr<VelmorUnit> clone() const override { return std::make_unique<VelmorTapeUnit>(*this); }

  bool boot = false;
};

class VelmorTapeDevice : public VelmorUnitDevice {
 public:
  VelmorTapeDevice(std::string type, std::string model, std::string name)
      : VelmorUnitDevice(DeviceKind::Tape, std::move(type), std::move(model), std::move(name)) {}
  bool setParameter(const std::string& key, int index, const std::string& value) override {
    clearUnitTouched();
    return setCommonParameter(key, index, value);
  }
  const char* className() const override { return "VelmorTapeDevice"; }
  std::unique_ptr<VelmorDevice> clone() const override { return std::make_unique<VelmorTapeDevice>(*this); }
  VelmorTapeDevice(const VelmorTapeDevice&) = default;

 protected:
  std::unique_ptr<VelmorUnit> makeUnit(int number) const override { return std::make_unique<VelmorTapeUnit>(number); }
};

const std::vector<ModelDescriptor>& tapeModelRows();
const std::vector<ModelAlias>& tapeModelAliases();
