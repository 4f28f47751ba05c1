#pragma once

#include <vector>

#include "devices/model_tables.h"
#include "devices/velmor_device.h"

// The system entry: CPU model and memory size. Always present, never loaded,
// always written in full and without the disabled sign.
class VelmorBaseDevice : public VelmorDevice {
 public:
  static constexpr const char* kTypeAndName = "CPU&MEMORY";
  static constexpr const char* kDefaultModel = "PDP 11/94";
  static constexpr std::int32_t kDefaultMemorySize = 512;

  VelmorBaseDevice();

  bool setParameter(std::string_view key, int index, std::string_view value) override;
  void writeStatements(std::string& out, const std::string& disabledSign) const override;
  void applyModelDefaults(bool reset) override;
  const char* className() const override { return "VelmorBaseDevice"; }
  std::unique_ptr<VelmorDevice> clone() const override;

  std::int32_t memorySize = 0;  // kilobytes
};

const std::vector<ModelDescriptor>& baseModelRows();
