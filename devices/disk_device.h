#pragma once

#include <vector>

#include "devices/model_tables.h"
#include "devices/velmor_unit_device.h"

// Placeholder until this kind is built: no model rows, no keys of its own.
class VelmorDiskUnit : public VelmorUnit {
 public:
  explicit VelmorDiskUnit(int number) : VelmorUnit(DeviceKind::DiskUnit, number) {}
  void applyUnitDefaults(std::string_view, std::string_view) override {}
  bool isBoot() const override { return boot; }
  void setBoot(bool flag) override { boot = flag; }
  std::unique_ptr<VelmorUnit> clone() const override { return std::make_unique<VelmorDiskUnit>(*this); }

  bool boot = false;
};

class VelmorDiskDevice : public VelmorUnitDevice {
 public:
  VelmorDiskDevice(std::string type, std::string model, std::string name)
      : VelmorUnitDevice(DeviceKind::Disk, std::move(type), std::move(model), std::move(name)) {}
  bool setParameter(const std::string& key, int index, const std::string& value) override {
    clearUnitTouched();
    return setCommonParameter(key, index, value);
  }
  const char* className() const override { return "VelmorDiskDevice"; }
  std::unique_ptr<VelmorDevice> clone() const override { return std::make_unique<VelmorDiskDevice>(*this); }
  VelmorDiskDevice(const VelmorDiskDevice&) = default;

 protected:
  std::unique_ptr<VelmorUnit> makeUnit(int number) const override { return std::make_unique<VelmorDiskUnit>(number); }
};

const std::vector<ModelDescriptor>& diskModelRows();
const std::vector<ModelAlias>& diskModelAliases();
