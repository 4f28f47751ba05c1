#pragma once

#include <vector>

#include "devices/model_tables.h"
#include "devices/velmor_unit_device.h"

// Placeholder until this kind is built: no model rows, no keys of its own.
class VelmorSerialUnit : public VelmorUnit {
 public:
  explicit VelmorSerialUnit(int number) : VelmorUnit(DeviceKind::SerialUnit, number) {}
  void applyUnitDefaults(std::string_view, std::string_view) override {}
  bool isBoot() const override { return boot; }
  void setBoot(bool flag) override { boot = flag; }
  std::unique_ptr<VelmorUnit> clone() const override { return std::make_unique<VelmorSerialUnit>(*this); }

  bool boot = false;
};

class VelmorSerialDevice : public VelmorUnitDevice {
 public:
  VelmorSerialDevice(std::string type, std::string model, std::string name)
      : VelmorUnitDevice(DeviceKind::Serial, std::move(type), std::move(model), std::move(name)) {}
  bool setParameter(const std::string& key, int index, const std::string& value) override {
    clearUnitTouched();
    return setCommonParameter(key, index, value);
  }
  const char* className() const override { return "VelmorSerialDevice"; }
  std::unique_ptr<VelmorDevice> clone() const override { return std::make_unique<VelmorSerialDevice>(*this); }
  VelmorSerialDevice(const VelmorSerialDevice&) = default;

 protected:
  std::unique_ptr<VelmorUnit> makeUnit(int number) const override { return std::make_unique<VelmorSerialUnit>(number); }
};

const std::vector<ModelDescriptor>& serialModelRows();
const std::vector<ModelAlias>& serialModelAliases();
