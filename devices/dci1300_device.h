#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "devices/model_tables.h"
#include "devices/velmor_device.h"

// A DRV11 or DR11-C parallel interface that drives a host DCI1300 card
// through a host device path.
class VelmorDCI1300Device : public VelmorBusDevice {
 public:
  VelmorDCI1300Device(std::string type, std::string model, std::string name);
  VelmorDCI1300Device(const VelmorDCI1300Device&) = default;

  bool setParameter(std::string_view key, int index, std::string_view value) override;
  void writeStatements(std::string& out, const std::string& disabledSign) const override;
  void applyModelDefaults(bool reset) override;
  const char* className() const override { return "VelmorDCI1300Device"; }
  std::unique_ptr<VelmorDevice> clone() const override { return std::make_unique<VelmorDCI1300Device>(*this); }
  std::vector<std::int32_t> checkedVectors(bool withConfiguration) const override;

  std::int32_t vector1 = 0;
  std::string image;  // host device path of the card
  std::int32_t ndrStrobe = 0;
  std::int32_t dtStrobe = 0;
  bool maintenance = false;
  bool trace = false;
};

// A DCI1300's own defaults per type; `type` and `model` may be "*"
// (findUnitDefaults matches them).
struct DCI1300Defaults {
  std::string type;
  std::string model;
  std::string image;
  std::int32_t ndrStrobe;
  std::int32_t dtStrobe;
  bool maintenance;
  bool trace;
};

const std::vector<DCI1300Defaults>& dci1300DefaultsRows();
const DCI1300Defaults* findDCI1300Defaults(std::string_view type, std::string_view model);

const std::vector<ModelDescriptor>& dci1300ModelRows();
const std::vector<ModelAlias>& dci1300ModelAliases();
