#include "devices/dci1300_device.h"

#include "devices/key_fields.h"
#include "devices/set_line_writer.h"

const std::vector<ModelDescriptor>& dci1300ModelRows() {
  static const std::vector<std::int32_t> kRegisters = {017767770, 017770000, 017770010, 017770020};
  static const std::vector<std::int32_t> kVectors = {0300, 0310, 0320, 0330};
  static const std::vector<std::int32_t> kVectors1 = {0304, 0314, 0324, 0334};
  // Columns: type, model, prefix, bus, area (bytes), units, registers, vectors, priorities, vector1 choices.
  static const std::vector<ModelDescriptor> rows = {
      {"DRV11",  "", "DC", BusQbus,   6, 1, kRegisters, kVectors, {5}, kVectors1},
      {"DR11-C", "", "DC", BusUnibus, 6, 1, kRegisters, kVectors, {5}, kVectors1},
  };
  return rows;
}

const std::vector<ModelAlias>& dci1300ModelAliases() {
  static const std::vector<ModelAlias> aliases;
  return aliases;
}

const std::vector<DCI1300Defaults>& dci1300DefaultsRows() {
  // Columns: type, model, image, ndr_strobe, dt_strobe (decimal), maintenance, trace.
  static const std::vector<DCI1300Defaults> rows = {
      {"DRV11",  "*", "\\\\.\\DR0", 420, 420, true, false},
      {"DR11-C", "*", "\\\\.\\DR0", 420, 420, true, false},
  };
  return rows;
}

const DCI1300Defaults* findDCI1300Defaults(std::string_view type, std::string_view model) {
  return findUnitDefaults(dci1300DefaultsRows(), type, model);
}

VelmorDCI1300Device::VelmorDCI1300Device(std::string type, std::string model, std::string name)
    : VelmorBusDevice(DeviceKind::DCI1300, std::move(type), std::move(model), std::move(name)) {
  // The two flags are taken from the row only on a reset, so a new card starts
  // at the row's values rather than at "off" (which would write a
  // maintenance=0 line for every card that never asked for it).
  if (const DCI1300Defaults* own = findDCI1300Defaults(this->type, this->model)) {
    maintenance = own->maintenance;
    trace = own->trace;
  }
}

namespace {

using DCI1300 = VelmorDCI1300Device;
constexpr KeyField<DCI1300> kDCI1300Keys[] = {
    {"vector1", &DCI1300::vector1},
    {"image", &DCI1300::image},
    {"ndr_strobe", &DCI1300::ndrStrobe},
    {"dt_strobe", &DCI1300::dtStrobe},
    {"maintenance", &DCI1300::maintenance},
    {"trace", &DCI1300::trace},
};

}  // namespace

bool VelmorDCI1300Device::setParameter(std::string_view key, int index, std::string_view value) {
  clearUnitTouched();
  return setCommonParameter(key, index, value) || applyKeyField<DCI1300>(*this, kDCI1300Keys, key, value);
}

void VelmorDCI1300Device::applyModelDefaults(bool reset) {
  // A type change keeps the common fields and comments; only the card's own fields start afresh.
  applyCommonModelDefaults(false);
  if (const ModelDescriptor* row = ModelTable::instance().findDescriptor(className(), type, model))
    if (reset || vector1 == 0) vector1 = firstChoice(row->vectors1);
  const DCI1300Defaults* own = findDCI1300Defaults(type, model);
  if (!own) return;
  if (reset || image.empty()) image = own->image;
  if (reset || ndrStrobe == 0) ndrStrobe = own->ndrStrobe;
  if (reset || dtStrobe == 0) dtStrobe = own->dtStrobe;
  if (reset) {
    maintenance = own->maintenance;
    trace = own->trace;
  }
}

void VelmorDCI1300Device::writeStatements(std::string& out, const std::string& disabledSign) const {
  VelmorBusDevice::writeStatements(out, disabledSign);
  const ModelDescriptor* row = readBackDefaults();
  const DCI1300Defaults* own = findDCI1300Defaults(type, model);
  if (!row || !own) return;
  SetLineWriter set(out, statementPrefix(disabledSign), name);
  set.octalChanged(" vector1=", vector1, firstChoice(row->vectors1));
  set.quotedChanged(" image=", image, own->image);
  set.octalChanged(" ndr_strobe=", ndrStrobe, own->ndrStrobe);
  set.octalChanged(" dt_strobe=", dtStrobe, own->dtStrobe);
  set.flagChanged(" maintenance=", maintenance, own->maintenance);
  set.flagChanged(" trace=", trace, own->trace);
}

std::vector<std::int32_t> VelmorDCI1300Device::checkedVectors(bool) const { return {vector, vector1}; }
