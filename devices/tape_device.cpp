#include "devices/tape_device.h"

#include "devices/unit_fields.h"

namespace {

using Choices = std::vector<std::int32_t>;

// Choice lists that several rows share, named after the row that lists them first.
const Choices kTm11Registers = {017772520, 017772534, 017772550, 017772564};
const Choices kTu16Registers = {017772440, 017772500, 017772540, 017772600};
const Choices kTs11Registers = {017772520, 017772524, 017772530, 017772534};
const Choices kTmscpRegisters = {017774500, 017774504, 017774510, 017774514};
const Choices kTm11Vectors = {0224, 0230, 0234, 0240};
const Choices kTmscpVectors = {0160, 0164, 0170, 0174};

// Written in this order.
constexpr UnitField<VelmorTapeUnit, TapeUnitDefaults> kTapeUnitFieldRows[] = {
    unitField("writeprotect", &VelmorTapeUnit::writeprotect, &TapeUnitDefaults::writeprotect, UnitFieldForm::Flag),
    unitField("delay_factor", &VelmorTapeUnit::delayFactor, &TapeUnitDefaults::delayFactor,
              UnitFieldForm::DecimalPoint),
    unitField("volume_size", &VelmorTapeUnit::volumeSize, &TapeUnitDefaults::volumeSize,
              UnitFieldForm::DecimalPoint),
    unitField("unload_enabled", &VelmorTapeUnit::unloadEnabled, &TapeUnitDefaults::unloadEnabled,
              UnitFieldForm::Flag),
    unitField("loaded", &VelmorTapeUnit::loaded, &TapeUnitDefaults::loaded, UnitFieldForm::Flag),
};
constexpr std::span<const UnitField<VelmorTapeUnit, TapeUnitDefaults>> kTapeUnitFields(kTapeUnitFieldRows);

}  // namespace

const std::vector<ModelDescriptor>& tapeModelRows() {
  // clang-format off
  static const std::vector<ModelDescriptor> rows = {
      // type    model      prefix bus        area units registers         vectors          priorities
      {"TM11",  "",         "MT", BusUnibus, 12, 8,  kTm11Registers,  kTm11Vectors,    {4, 6}},
      {"TM11",  "TM11-ED",  "MT", BusUnibus, 12, 8,  kTm11Registers,  kTm11Vectors,    {4, 6}},
      {"TU16",  "",         "MM", BusUnibus, 32, 64, kTu16Registers,  kTm11Vectors,    {5}},
      {"TU16",  "TU16",     "MM", BusUnibus, 32, 64, kTu16Registers,  kTm11Vectors,    {5}},
      {"TU16",  "TJU16",    "MM", BusUnibus, 32, 64, kTu16Registers,  kTm11Vectors,    {5}},
      {"TU16",  "TRH11",    "MM", BusUnibus, 32, 64, kTu16Registers,  kTm11Vectors,    {5}},
      {"TU16",  "TU45",     "MM", BusUnibus, 32, 64, kTu16Registers,  kTm11Vectors,    {5}},
      {"TU16",  "TE16",     "MM", BusUnibus, 32, 64, kTu16Registers,  kTm11Vectors,    {5}},
      {"TU16",  "TU77",     "MM", BusUnibus, 32, 32, kTu16Registers,  kTm11Vectors,    {5}},
      {"TS11",  "",         "MS", BusUnibus, 4,  4,  kTs11Registers,  kTm11Vectors,    {5}},
      {"TMSCP", "",         "MU", BusBoth,   4,  4,  kTmscpRegisters, kTmscpVectors,   {4}},
      {"TMSCP", "TK30",     "MU", BusUnibus, 4,  4,  kTmscpRegisters, kTmscpVectors,   {4}},
      {"TMSCP", "TK50",     "MU", BusBoth,   4,  4,  kTmscpRegisters, kTmscpVectors,   {4}},
      {"TMSCP", "TK70",     "MU", BusBoth,   4,  4,  kTmscpRegisters, kTmscpVectors,   {4}},
      {"TMSCP", "TK81",     "MU", BusBoth,   4,  4,  kTmscpRegisters, kTmscpVectors,   {4}},
      {"TMSCP", "TU81",     "MU", BusBoth,   4,  4,  kTmscpRegisters, kTmscpVectors,   {4}},
  };
  // clang-format on
  return rows;
}

const std::vector<ModelAlias>& tapeModelAliases() {
  // Accepted `load` word, then the type word it loads (with no model).
  static const std::vector<ModelAlias> aliases = {
      {"TM11-ED", "TM11"}, {"TJU16", "TU16"}, {"TRH11", "TU16"}, {"TU45", "TU16"},  {"TU77", "TU16"},
      {"TE16", "TU16"},    {"TK50", "TMSCP"}, {"TK70", "TMSCP"}, {"TU81", "TMSCP"},
  };
  return aliases;
}

const std::vector<TapeUnitDefaults>& tapeUnitDefaultsRows() {
  static const std::vector<TapeUnitDefaults> rows = {
      // type model writeprotect delay_factor volume_size unload_enabled loaded
      {"*", "*", false, 1, 0, true, true},
  };
  return rows;
}

void VelmorTapeUnit::applyUnitDefaults(std::string_view ownerType, std::string_view ownerModel) {
  // volume_size, unload_enabled and loaded keep their creation values.
  const TapeUnitDefaults* row = findUnitDefaults(tapeUnitDefaultsRows(), ownerType, ownerModel);
  if (!row) return;
  if (!writeprotect) writeprotect = row->writeprotect;
  if (delayFactor == 0) delayFactor = row->delayFactor;
}

bool VelmorTapeDevice::setParameter(std::string_view key, int index, std::string_view value) {
  clearUnitTouched();
  if (setCommonParameter(key, index, value)) return true;
  if (key == "model") return setModelKey(value);
  if (!applyUnitKey(*this, index, kTapeUnitFields, key, value)) return false;
  markUnitTouched(index);
  return true;
}

void VelmorTapeDevice::writeUnit(std::string& out, const VelmorUnit& unit, const std::string& disabledSign) const {
  writeUnitBlockOf(out, statementPrefix(disabledSign), disabledSign, *this, tapeUnitDefaultsRows(), kTapeUnitFields, unit);
}

void VelmorTapeDevice::writeStatements(std::string& out, const std::string& disabledSign) const {
  VelmorBusDevice::writeStatements(out, disabledSign);
  writeUnits(out, disabledSign);
}
