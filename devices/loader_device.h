#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "devices/model_tables.h"
#include "devices/velmor_unit_device.h"

// One image of a binary loader: where it is loaded and started, how much of
// the file, and from which offset. It takes part in the script once it has a file.
class VelmorLoaderUnit : public VelmorUnit {
 public:
  explicit VelmorLoaderUnit(int number) : VelmorUnit(DeviceKind::LoaderUnit, number) {}

  void applyUnitDefaults(std::string_view ownerType, std::string_view ownerModel) override;
  // A loader unit without a file is simply not loaded.
  bool isComplete() const override { return true; }
  void setBoot(bool flag) override { bootMark = flag; }
  bool isBoot() const override { return bootMark; }
  std::unique_ptr<VelmorUnit> clone() const override { return std::make_unique<VelmorLoaderUnit>(*this); }

  std::int32_t loadAddress = 0;  // key `load`
  std::int32_t bootAddress = 0;  // key `boot`: the start address
  std::int32_t length = 0;
  std::int32_t offset = 0;
  bool bootMark = false;  // named by a `boot` statement
};

// Sixteen image units; none of the common keys apply.
class VelmorLoaderDevice : public VelmorUnitDevice {
 public:
  VelmorLoaderDevice(std::string type, std::string model, std::string name)
      : VelmorUnitDevice(DeviceKind::Loader, std::move(type), std::move(model), std::move(name)) {}
  VelmorLoaderDevice(const VelmorLoaderDevice&) = default;

  bool setParameter(std::string_view key, int index, std::string_view value) override;
  void writeStatements(std::string& out, const std::string& disabledSign) const override;
  void writeUnit(std::string& out, const VelmorUnit& unit, const std::string& disabledSign) const override;
  // Only units with a file are written.
  bool writesUnit(const VelmorUnit& unit) const override { return !unit.file.empty(); }
  const char* className() const override { return "VelmorLoaderDevice"; }
  std::unique_ptr<VelmorDevice> clone() const override { return std::make_unique<VelmorLoaderDevice>(*this); }

 protected:
  std::unique_ptr<VelmorUnit> makeUnit(int number) const override {
    return std::make_unique<VelmorLoaderUnit>(number);
  }
};

// The unit defaults of a loader's type and model ("*" matches anything).
struct LoaderUnitDefaults {
  const char* type;
  const char* model;
  std::int32_t loadAddress;
  std::int32_t bootAddress;
  std::int32_t length;
  std::int32_t offset;
};

const std::vector<ModelDescriptor>& loaderModelRows();
const std::vector<ModelAlias>& loaderModelAliases();
const std::vector<LoaderUnitDefaults>& loaderUnitDefaultsRows();
