#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "devices/model_tables.h"
#include "devices/velmor_device.h"

// Every column of a timer model, in the order of the timer table; the
// common columns also feed the process-wide model table. -1 marks a vector
// or frequency the model does not have.
struct TimerModelRow {
  std::string_view type;
  std::string_view prefix;
  std::uint16_t bus;
  std::int32_t registerAddress;
  std::int32_t areaSize;
  std::int32_t vector;
  std::int32_t vector1;
  std::int32_t vector2;
  std::int32_t priority;
  std::vector<std::int32_t> lineFrequencies;  // Hz, the first is the default
  bool silent;
  bool overflowPulse;
  bool internalOnly;
};

const std::vector<TimerModelRow>& timerModelTable();
// The row of a timer type (letter case ignored), or nullptr.
const TimerModelRow* findTimerModel(std::string_view type);
// Whether a timer of the type (letter case ignored) has the key.
bool timerTypeTakes(std::string_view type, std::string_view key);

// Line-frequency and programmable clocks (KW11-L, KW11-P, KW11-W, KWV11).
// At most one of them is enabled in a configuration.
class VelmorTimerDevice : public VelmorBusDevice {
 public:
  VelmorTimerDevice(std::string type, std::string model, std::string name)
      : VelmorBusDevice(DeviceKind::Timer, std::move(type), std::move(model), std::move(name)) {}
  VelmorTimerDevice(const VelmorTimerDevice&) = default;

  // Only the keys of the timer's own type; the common keys are not taken.
  bool setParameter(std::string_view key, int index, std::string_view value) override;
  void writeStatements(std::string& out, const std::string& disabledSign) const override;
  void applyModelDefaults(bool reset) override;
  // A line-frequency clock without a frequency cannot run.
  bool isComplete() const override;
  const char* className() const override { return "VelmorTimerDevice"; }
  std::unique_ptr<VelmorDevice> clone() const override { return std::make_unique<VelmorTimerDevice>(*this); }
  std::vector<std::int32_t> checkedVectors(bool withConfiguration) const override;

  std::int32_t vector1 = 0;        // KW11-W, KWV11
  std::int32_t vector2 = 0;        // KW11-W
  bool silent = false;             // KW11-W
  std::int32_t linefrequency = 0;  // KW11-L, KW11-P, KWV11
  bool overflowPulse = false;      // KWV11
  bool internalOnly = false;       // KWV11
  std::string lines;               // KWV11, free text
};

const std::vector<ModelDescriptor>& timerModelRows();
const std::vector<ModelAlias>& timerModelAliases();
