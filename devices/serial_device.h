#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "devices/model_tables.h"
#include "devices/velmor_unit_device.h"

enum class SerialParity : std::int32_t { None = 0, Odd = 1, Even = 2 };

// Defaults of a line for one controller type and model; "*" matches anything.
// Trace flags are in the table for completeness: a line never takes them
// from it. Parity is none for every controller.
struct SerialUnitDefaults {
  std::string_view type;
  std::string_view model;
  bool offline;
  bool rxTrace;
  bool txTrace;
  std::int32_t speed;
  std::int32_t rxBufSize;
  std::int32_t txBufSize;
  std::int32_t riTimeout;
  std::int32_t rmTimeout;
  std::int32_t rcTimeout;
  std::int32_t wmTimeout;
  std::int32_t wcTimeout;
  std::int16_t bits;
  bool ttsync;
  bool hsync;
};

const std::vector<SerialUnitDefaults>& serialUnitDefaultsRows();
// The row for a controller; always found, through the wildcard row.
const SerialUnitDefaults& serialUnitDefaultsFor(std::string_view type, std::string_view model);

// One line of a serial controller (the one unit of a line printer). The
// common file field holds where the line is connected.
class VelmorSerialUnit : public VelmorUnit {
 public:
  explicit VelmorSerialUnit(int number) : VelmorUnit(DeviceKind::SerialUnit, number) {}

  void applyUnitDefaults(std::string_view ownerType, std::string_view ownerModel) override;
  // An offline line needs no connection.
  bool isComplete() const override { return offline || !file.empty(); }
  std::unique_ptr<VelmorUnit> clone() const override { return std::make_unique<VelmorSerialUnit>(*this); }

  bool offline = false;
  bool rxTrace = false;
  bool txTrace = false;
  std::int32_t speed = 0;
  std::int32_t rxBufSize = 0;
  std::int32_t txBufSize = 0;
  std::int32_t riTimeout = 0;
  std::int32_t rmTimeout = 0;
  std::int32_t rcTimeout = 0;
  std::int32_t wmTimeout = 0;
  std::int32_t wcTimeout = 0;
  std::int16_t bits = 0;
  bool ttsync = false;
  bool hsync = false;
  SerialParity parity = SerialParity::None;
};

// Only DL11 lines take a parity (letter case ignored).
bool takesParity(std::string_view type);
// Serial devices of type LP11 are line printers (letter case ignored).
bool isLinePrinterType(std::string_view type);

// Serial line controllers and line printers (type LP11): one unit per line.
class VelmorSerialDevice : public VelmorUnitDevice {
 public:
  VelmorSerialDevice(std::string type, std::string model, std::string name)
      : VelmorUnitDevice(DeviceKind::Serial, std::move(type), std::move(model), std::move(name)) {}
  VelmorSerialDevice(const VelmorSerialDevice&) = default;

  bool setParameter(std::string_view key, int index, std::string_view value) override;
  void writeStatements(std::string& out, const std::string& disabledSign) const override;
  void writeUnit(std::string& out, const VelmorUnit& unit, const std::string& disabledSign) const override;
  // Offline lines are not written.
  bool writesUnit(const VelmorUnit& unit) const override { return !static_cast<const VelmorSerialUnit&>(unit).offline; }
  // The common steps always run as if reset were false; reset only decides vector1.
  void applyModelDefaults(bool reset) override;
  const char* className() const override { return "VelmorSerialDevice"; }
  std::unique_ptr<VelmorDevice> clone() const override { return std::make_unique<VelmorSerialDevice>(*this); }
  std::vector<std::int32_t> checkedVectors(bool withConfiguration) const override;

  VelmorSerialUnit* line(int index) { return unitAs<VelmorSerialUnit>(index); }

  std::int32_t vector1 = 0;  // transmit interrupt vector, 0 = not set

 protected:
  std::unique_ptr<VelmorUnit> makeUnit(int number) const override { return std::make_unique<VelmorSerialUnit>(number); }
};

const std::vector<ModelDescriptor>& serialModelRows();
const std::vector<ModelAlias>& serialModelAliases();
