#pragma once

#include <vector>

#include "devices/model_tables.h"
#include "devices/velmor_unit_device.h"

// Placeholder until this kind is built: no model rows, no keys of its own.
class VelmorLoaderUnit : public VelmorUnit {
 public:
  explicit VelmorLoaderUnit(int number) : VelmorUnit(DeviceKind::LoaderUnit, number) {}
  void applyUnitDefaults(std::string_view, std::string_view) override {}
  bool isBoot() const override { return boot; }
  void setBoot(bool flag) override { boot = flag; }
  std::unique_ptr<VelmorUnit> clone() const override { return std::make_unique<VelmorLoaderUnit>(*this); }

  bool boot = false;
};

class VelmorLoaderDevice : public VelmorUnitDevice {
 public:
  VelmorLoaderDevice(std::string type, std::string model, std::string name)
      : VelmorUnitDevice(DeviceKind::Loader, std::move(type), std::move(model), std::move(name)) {}
  bool setParameter(const std::string& key, int index, const std::string& value) override {
    clearUnitTouched();
    return setCommonParameter(key, index, value);
  }
  const char* className() const override { return "VelmorLoaderDevice"; }
  std::unique_ptr<VelmorDevice> clone() const override { return std::make_unique<VelmorLoaderDevice>(*this); }
  VelmorLoaderDevice(const VelmorLoaderDevice&) = default;

 protected:
  std::unique_ptr<VelmorUnit> makeUnit(int number) const override { return std::make_unique<VelmorLoaderUnit>(number); }
};

const std::vector<ModelDescriptor>& loaderModelRows();
const std::vector<ModelAlias>& loaderModelAliases();
