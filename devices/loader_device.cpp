#include "devices/loader_device.h"

#include "devices/unit_fields.h"

namespace {

// Written in this order.
constexpr UnitField<VelmorLoaderUnit, LoaderUnitDefaults> kLoaderUnitFieldRows[] = {
    unitField("load", &VelmorLoaderUnit::loadAddress, &LoaderUnitDefaults::loadAddress, UnitFieldForm::Octal),
    unitField("boot", &VelmorLoaderUnit::bootAddress, &LoaderUnitDefaults::bootAddress, UnitFieldForm::Octal),
    unitField("length", &VelmorLoaderUnit::length, &LoaderUnitDefaults::length, UnitFieldForm::Octal),
    unitField("offset", &VelmorLoaderUnit::offset, &LoaderUnitDefaults::offset, UnitFieldForm::Octal),
};
constexpr std::span<const UnitField<VelmorLoaderUnit, LoaderUnitDefaults>> kLoaderUnitFields(kLoaderUnitFieldRows);

}  // namespace

const std::vector<ModelDescriptor>& loaderModelRows() {
  static const std::vector<ModelDescriptor> rows = {
      // type     model prefix bus     area units registers vectors priorities
      {"LOADER", "",    "LD",  BusBoth, 0,   16,  {0},      {0},    {0}},
  };
  return rows;
}

const std::vector<ModelAlias>& loaderModelAliases() {
  static const std::vector<ModelAlias> aliases;
  return aliases;
}

const std::vector<LoaderUnitDefaults>& loaderUnitDefaultsRows() {
  static const std::vector<LoaderUnitDefaults> rows = {
      // type     model load     boot     length   offset
      {"LOADER", "",    0140000, 0140000, 0200000, 0},
  };
  return rows;
}

void VelmorLoaderUnit::applyUnitDefaults(std::string_view ownerType, std::string_view ownerModel) {
  if (const LoaderUnitDefaults* row = findUnitDefaults(loaderUnitDefaultsRows(), ownerType, ownerModel))
    fillUnitDefaults(kLoaderUnitFields, *this, *row);
}

bool VelmorLoaderDevice::setParameter(std::string_view key, int index, std::string_view value) {
  // Only unit keys: register, units and model belong to no loader.
  clearUnitTouched();
  if (!applyUnitKey(*this, index, kLoaderUnitFields, key, value)) return false;
  markUnitTouched(index);
  return true;
}

void VelmorLoaderDevice::writeUnit(std::string& out, const VelmorUnit& unit, const std::string& disabledSign) const {
  writeUnitBlockOf(out, statementPrefix(disabledSign), disabledSign, *this, loaderUnitDefaultsRows(), kLoaderUnitFields, unit);
}

void VelmorLoaderDevice::writeStatements(std::string& out, const std::string& disabledSign) const {
  VelmorBusDevice::writeStatements(out, disabledSign);
  writeUnits(out, disabledSign);
}
