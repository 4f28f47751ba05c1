#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "devices/model_tables.h"
#include "devices/velmor_device.h"

// A parallel interface whose lines are mapped onto a host digital I/O board
// (type DRXXX, models DR11C, DR11K, DRV11LP, DRV11B).
class VelmorDRXXXDevice : public VelmorBusDevice {
 public:
  VelmorDRXXXDevice(std::string type, std::string model, std::string name)
      : VelmorBusDevice(DeviceKind::DRXXX, std::move(type), std::move(model), std::move(name)) {}
  VelmorDRXXXDevice(const VelmorDRXXXDevice&) = default;

  bool setParameter(std::string_view key, int index, std::string_view value) override;
  void writeStatements(std::string& out, const std::string& disabledSign) const override;
  void applyModelDefaults(bool reset) override;
  const char* className() const override { return "VelmorDRXXXDevice"; }
  std::unique_ptr<VelmorDevice> clone() const override { return std::make_unique<VelmorDRXXXDevice>(*this); }
  std::vector<std::int32_t> checkedVectors(bool withConfiguration) const override;

  std::int32_t vector1 = 0;
  std::string lines;             // physical to logical line mapping of the host board
  bool maintenanceMode = true;   // on unless a script or the page turns it off
};

const std::vector<ModelDescriptor>& drxxxModelRows();
const std::vector<ModelAlias>& drxxxModelAliases();
