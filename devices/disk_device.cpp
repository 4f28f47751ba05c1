#include "devices/disk_device.h"

#include "devices/unit_fields.h"

namespace {

using Choices = std::vector<std::int32_t>;

// Choice lists that several rows share, named after the row that lists them first.
const Choices kRl11Registers = {017774400, 017774410, 017774420, 017774430};
const Choices kRl11Vectors = {0160, 0164, 0170, 0174};
const Choices kRh11Registers = {017776400, 017776500, 017776600, 017776700};
const Choices kRh11Vectors = {0224, 0230, 0234, 0240};
const Choices kRp05Registers = {017776700, 017777000, 017777100, 017777200};
const Choices kRp05Vectors = {0254, 0260, 0264, 0270};
const Choices kRs03Registers = {017772040, 017772140, 017772240, 017772340};
const Choices kRs03Vectors = {0204, 0210, 0214, 0220};
const Choices kRk07Registers = {017777440, 017777510, 017777560, 017777630};
const Choices kRk07Vectors = {0210, 0214, 0220, 0224};
const Choices kRxv11Registers = {017777170, 017777174, 017777200, 017777204};
const Choices kRxv11Vectors = {0264, 0270, 0274, 0300};
const Choices kRp11Registers = {017776710, 017776740, 017776770, 017777020};
const Choices kRk11Registers = {017777400, 017777430, 017777460, 017777510};
const Choices kRk11Vectors = {0220, 0224, 0230, 0234};
const Choices kMscpRegisters = {017772150, 017772154, 017772160, 017772164};
const Choices kMscpVectors = {0154, 0160, 0164, 0170};

// Written in this order; `offline` is only ever read.
constexpr UnitField<VelmorDiskUnit, DiskUnitDefaults> kDiskUnitFieldRows[] = {
    unitField("writeprotect", &VelmorDiskUnit::writeprotect, &DiskUnitDefaults::writeprotect, UnitFieldForm::Flag),
    unitField("offline", &VelmorDiskUnit::offline, &DiskUnitDefaults::offline, UnitFieldForm::NotWritten),
    unitField("caching", &VelmorDiskUnit::caching, &DiskUnitDefaults::caching, UnitFieldForm::Octal),
    unitField("delay_factor", &VelmorDiskUnit::delayFactor, &DiskUnitDefaults::delayFactor,
              UnitFieldForm::DecimalPoint),
    unitField("size", &VelmorDiskUnit::size, &DiskUnitDefaults::size, UnitFieldForm::Octal),
    unitField("sector_size", &VelmorDiskUnit::sectorSize, &DiskUnitDefaults::sectorSize, UnitFieldForm::Octal),
};
constexpr std::span<const UnitField<VelmorDiskUnit, DiskUnitDefaults>> kDiskUnitFields(kDiskUnitFieldRows);

}  // namespace

const std::vector<ModelDescriptor>& diskModelRows() {
  // clang-format off
  static const std::vector<ModelDescriptor> rows = {
      // type    model      prefix bus        area units registers        vectors        priorities
      {"RL11",  "",         "DL", BusUnibus, 8,  4, kRl11Registers,  kRl11Vectors,  {4, 5}},
      {"RL11",  "RLV12",    "DL", BusQbus,   8,  4, kRl11Registers,  kRl11Vectors,  {4, 5}},
      {"RL11",  "RL211",    "DL", BusUnibus, 8,  4, kRl11Registers,  kRl11Vectors,  {4, 5}},
      {"RH11",  "",         "DR", BusBoth,   44, 8, kRh11Registers,  kRh11Vectors,  {5}},
      {"RH11",  "RP04",     "DR", BusBoth,   44, 8, kRh11Registers,  kRh11Vectors,  {5}},
      {"RH11",  "RP05",     "DR", BusBoth,   44, 8, kRp05Registers,  kRp05Vectors,  {5}},
      {"RH11",  "RP06",     "DR", BusBoth,   44, 8, kRp05Registers,  kRp05Vectors,  {5}},
      {"RH11",  "RP07",     "DR", BusBoth,   44, 8, kRh11Registers,  kRh11Vectors,  {5}},
      {"RH11",  "RS03",     "DS", BusUnibus, 44, 8, kRs03Registers,  kRs03Vectors,  {5}},
      {"RH11",  "RS04",     "DS", BusUnibus, 44, 8, kRs03Registers,  kRs03Vectors,  {5}},
      {"RH11",  "RM02",     "DR", BusBoth,   44, 8, kRh11Registers,  kRh11Vectors,  {5}},
      {"RH11",  "RM03",     "DR", BusBoth,   44, 8, kRh11Registers,  kRh11Vectors,  {5}},
      {"RH11",  "RM05",     "DR", BusBoth,   44, 8, kRh11Registers,  kRh11Vectors,  {5}},
      {"RH11",  "RM80",     "DR", BusBoth,   44, 8, kRh11Registers,  kRh11Vectors,  {5}},
      {"RK07",  "",         "DM", BusUnibus, 34, 8, kRk07Registers,  kRk07Vectors,  {5}},
      {"RK07",  "RK611",    "DM", BusUnibus, 34, 8, kRk07Registers,  kRk07Vectors,  {5}},
      {"RK07",  "RK711",    "DM", BusUnibus, 34, 8, kRk07Registers,  kRk07Vectors,  {5}},
      {"RK07",  "RK07",     "DM", BusUnibus, 34, 8, kRk07Registers,  kRk07Vectors,  {5}},
      {"RK07",  "RK06",     "DM", BusUnibus, 34, 8, kRk07Registers,  kRk07Vectors,  {5}},
      {"RXV11", "",         "DX", BusQbus,   4,  2, kRxv11Registers, kRxv11Vectors, {4}},
      {"RXV21", "",         "DY", BusQbus,   4,  2, kRxv11Registers, kRxv11Vectors, {4}},
      {"RX211", "",         "DY", BusUnibus, 4,  2, kRxv11Registers, kRxv11Vectors, {4}},
      {"RP11",  "",         "DP", BusUnibus, 24, 8, kRp11Registers,  kRp05Vectors,  {5}},
      {"RK11",  "",         "DK", BusUnibus, 18, 8, kRk11Registers,  kRk11Vectors,  {5}},
      {"RK11",  "RK11-D",   "DK", BusUnibus, 18, 8, kRk11Registers,  kRk11Vectors,  {5}},
      {"RK11",  "RKV11",    "DK", BusUnibus, 18, 8, kRk11Registers,  kRk11Vectors,  {5}},
      {"RK11",  "RKV11-D",  "DK", BusUnibus, 18, 8, kRk11Registers,  kRk11Vectors,  {5}},
      {"MSCP",  "",         "DU", BusBoth,   4,  4, kMscpRegisters,  kMscpVectors,  {4}},
      {"MSCP",  "UDA50",    "DU", BusBoth,   4,  4, kMscpRegisters,  kMscpVectors,  {4}},
      {"MSCP",  "UDA50A",   "DU", BusBoth,   4,  4, kMscpRegisters,  kMscpVectors,  {4}},
      {"MSCP",  "KDA50A",   "DU", BusBoth,   4,  4, kMscpRegisters,  kMscpVectors,  {4}},
      {"MSCP",  "RC25",     "DU", BusBoth,   4,  4, kMscpRegisters,  kMscpVectors,  {4}},
      {"MSCP",  "RQC25",    "DU", BusBoth,   4,  4, kMscpRegisters,  kMscpVectors,  {4}},
      {"MSCP",  "RUC25",    "DU", BusBoth,   4,  4, kMscpRegisters,  kMscpVectors,  {4}},
      {"MSCP",  "RUX25",    "DU", BusBoth,   4,  4, kMscpRegisters,  kMscpVectors,  {4}},
      {"MSCP",  "RQDX",     "DU", BusBoth,   4,  4, kMscpRegisters,  kMscpVectors,  {4}},
      {"MSCP",  "RQDX1",    "DU", BusBoth,   4,  4, kMscpRegisters,  kMscpVectors,  {4}},
      {"MSCP",  "RQDX2",    "DU", BusBoth,   4,  4, kMscpRegisters,  kMscpVectors,  {4}},
      {"MSCP",  "RQDX3",    "DU", BusBoth,   4,  4, kMscpRegisters,  kMscpVectors,  {4}},
      {"MSCP",  "RQZX1",    "DU", BusBoth,   4,  4, kMscpRegisters,  kMscpVectors,  {4}},
      {"MSCP",  "QDA50",    "DU", BusBoth,   4,  4, kMscpRegisters,  kMscpVectors,  {4}},
  };
  // clang-format on
  return rows;
}

const std::vector<ModelAlias>& diskModelAliases() {
  // Accepted `load` word, then the type word it loads (with no model).
  static const std::vector<ModelAlias> aliases = {
      {"RLV12", "RL11"},  {"RL211", "RL11"},   {"RH70", "RH11"},   {"RK611", "RK07"},  {"RK711", "RK07"},
      {"RX211", "RXV21"}, {"RK11-D", "RK11"},  {"RKV11", "RK11"},  {"RKV11-D", "RK11"}, {"UDA50", "MSCP"},
      {"UDA50A", "MSCP"}, {"KDA50", "MSCP"},   {"RQC25", "MSCP"},  {"RC25", "MSCP"},   {"RUC25", "MSCP"},
      {"RUX50", "MSCP"},  {"RQDX", "MSCP"},    {"RQDX1", "MSCP"},  {"RQDX2", "MSCP"},  {"RQDX3", "MSCP"},
      {"RQZX1", "MSCP"},  {"QDA50", "MSCP"},
  };
  return aliases;
}

const std::vector<DiskUnitDefaults>& diskUnitDefaultsRows() {
  // clang-format off
  static const std::vector<DiskUnitDefaults> rows = {
      // type   model  writeprotect offline size sector_size caching delay_factor
      {"RL11",  "",    false,       true,   0,   512,        1,      1},
      {"RK11",  "",    false,       true,   0,   512,        1,      1},
      {"MSCP",  "*",   false,       true,   0,   512,        1,      1},
      {"*",     "*",   false,       true,   0,   512,        1,      1},
  };
  // clang-format on
  return rows;
}

void VelmorDiskUnit::applyUnitDefaults(std::string_view ownerType, std::string_view ownerModel) {
  if (const DiskUnitDefaults* row = findUnitDefaults(diskUnitDefaultsRows(), ownerType, ownerModel))
    fillUnitDefaults(kDiskUnitFields, *this, *row);
}

bool VelmorDiskDevice::setParameter(std::string_view key, int index, std::string_view value) {
  clearUnitTouched();
  if (setCommonParameter(key, index, value)) return true;
  if (key == "model") return setModelKey(value);
  VelmorDiskUnit* unit = applyUnitKey(*this, index, kDiskUnitFields, key, value);
  if (!unit) return false;
  // A unit given a file takes part in the script.
  if (key == "file") unit->offline = false;
  markUnitTouched(index);
  return true;
}

void VelmorDiskDevice::writeUnit(std::string& out, const VelmorUnit& unit, const std::string& disabledSign) const {
  writeUnitBlockOf(out, statementPrefix(disabledSign), disabledSign, *this, diskUnitDefaultsRows(), kDiskUnitFields, unit);
}

void VelmorDiskDevice::writeStatements(std::string& out, const std::string& disabledSign) const {
  VelmorBusDevice::writeStatements(out, disabledSign);
  writeUnits(out, disabledSign);
}
