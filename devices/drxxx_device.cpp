#include "devices/drxxx_device.h"

#include "devices/key_fields.h"
#include "devices/set_line_writer.h"

const std::vector<ModelDescriptor>& drxxxModelRows() {
  static const std::vector<std::int32_t> kRegisters = {017767776, 017770004, 017770012, 017770020};
  static const std::vector<std::int32_t> kVectors = {0300, 0310, 0320, 0330};
  static const std::vector<std::int32_t> kVectors1 = {0304, 0314, 0324, 0334};
  // Columns: type, model, prefix, bus, area (bytes), units, registers, vectors, priorities, vector1 choices.
  static const std::vector<ModelDescriptor> rows = {
      {"DRXXX", "",        "XX", BusBoth, 6, 1, kRegisters, kVectors, {4}, kVectors1},
      {"DRXXX", "DR11C",   "XX", BusBoth, 6, 1, kRegisters, kVectors, {4}, kVectors1},
      {"DRXXX", "DR11K",   "XX", BusBoth, 6, 1, kRegisters, kVectors, {4}, kVectors1},
      {"DRXXX", "DRV11LP", "XX", BusBoth, 6, 1, kRegisters, kVectors, {4}, kVectors1},
      {"DRXXX", "DRV11B",  "XX", BusBoth, 6, 1, kRegisters, kVectors, {4}, kVectors1},
  };
  return rows;
}

const std::vector<ModelAlias>& drxxxModelAliases() {
  static const std::vector<ModelAlias> aliases;
  return aliases;
}

namespace {

using DRXXX = VelmorDRXXXDevice;
constexpr KeyField<DRXXX> kDRXXXKeys[] = {
    {"vector1", &DRXXX::vector1},
    {"lines", &DRXXX::lines},
    {"maintenance_mode", &DRXXX::maintenanceMode},
};

}  // namespace

bool VelmorDRXXXDevice::setParameter(std::string_view key, int index, std::string_view value) {
  clearUnitTouched();
  if (setCommonParameter(key, index, value)) return true;
  if (key == "model") return setModelKey(value);
  return applyKeyField<DRXXX>(*this, kDRXXXKeys, key, value);
}

void VelmorDRXXXDevice::applyModelDefaults(bool reset) {
  // A type or model change keeps the common fields and comments; only the
  // interface's own fields start afresh.
  applyCommonModelDefaults(false);
  if (const ModelDescriptor* row = ModelTable::instance().findDescriptor(className(), type, model))
    if (reset || vector1 == 0) vector1 = firstChoice(row->vectors1);
  if (reset) {
    lines.clear();
    maintenanceMode = true;
  }
}

void VelmorDRXXXDevice::writeStatements(std::string& out, const std::string& disabledSign) const {
  VelmorBusDevice::writeStatements(out, disabledSign);
  SetLineWriter set(out, statementPrefix(disabledSign), name);
  if (const ModelDescriptor* row = readBackDefaults())
    set.octalChanged(" vector1 = ", vector1, firstChoice(row->vectors1));
  if (!lines.empty()) set.quoted(" lines=", lines);
  if (!maintenanceMode) set.line(" maintenance_mode=", "0");
}

std::vector<std::int32_t> VelmorDRXXXDevice::checkedVectors(bool) const { return {vector, vector1}; }
