#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "devices/model_tables.h"
#include "devices/velmor_unit_device.h"

// One drive of a disk controller. A new unit is offline: it stays out of the
// script until it is given a file.
class VelmorDiskUnit : public VelmorUnit {
 public:
  explicit VelmorDiskUnit(int number) : VelmorUnit(DeviceKind::DiskUnit, number) {}

  void applyUnitDefaults(std::string_view ownerType, std::string_view ownerModel) override;
  bool isComplete() const override { return offline || !file.empty(); }
  void setBoot(bool flag) override { boot = flag; }
  bool isBoot() const override { return boot; }
  std::unique_ptr<VelmorUnit> clone() const override { return std::make_unique<VelmorDiskUnit>(*this); }

  bool writeprotect = false;
  bool offline = false;
  bool boot = false;
  std::int32_t size = 0;
  std::uint16_t sectorSize = 0;
  std::uint16_t caching = 0;  // 0 no caching, 1 the host's cache, 2 the file mapped into memory
  std::int32_t delayFactor = 0;
};

class VelmorDiskDevice : public VelmorUnitDevice {
 public:
  VelmorDiskDevice(std::string type, std::string model, std::string name)
      : VelmorUnitDevice(DeviceKind::Disk, std::move(type), std::move(model), std::move(name)) {}
  VelmorDiskDevice(const VelmorDiskDevice&) = default;

  bool setParameter(std::string_view key, int index, std::string_view value) override;
  void writeStatements(std::string& out, const std::string& disabledSign) const override;
  void writeUnit(std::string& out, const VelmorUnit& unit, const std::string& disabledSign) const override;
  // Only units not taken offline are written (a file puts a unit online).
  bool writesUnit(const VelmorUnit& unit) const override { return !static_cast<const VelmorDiskUnit&>(unit).offline; }
  const char* className() const override { return "VelmorDiskDevice"; }
  std::unique_ptr<VelmorDevice> clone() const override { return std::make_unique<VelmorDiskDevice>(*this); }

 protected:
  std::unique_ptr<VelmorUnit> makeUnit(int number) const override { return std::make_unique<VelmorDiskUnit>(number); }
};

// The unit defaults of a disk controller's type and model ("*" matches anything).
struct DiskUnitDefaults {
  const char* type;
  const char* model;
  bool writeprotect;
  bool offline;
  std::int32_t size;
  std::uint16_t sectorSize;
  std::uint16_t caching;
  std::int32_t delayFactor;
};

const std::vector<ModelDescriptor>& diskModelRows();
const std::vector<ModelAlias>& diskModelAliases();
const std::vector<DiskUnitDefaults>& diskUnitDefaultsRows();
