#include "devices/bridge_device.h"

#include "devices/key_fields.h"
#include "devices/set_line_writer.h"

namespace {

// Function statics, so no other file's start-up code can see them unbuilt.
// Many entries are other kinds' defaults (17777560 and 60 of the DL11,
// 17777514 and 200 of the LP11): a bridge usually carries one of those devices.
const std::vector<std::int32_t>& bridgeAddresses() {
  static const std::vector<std::int32_t> addresses = {
      017776700, 017777400, 017774400, 017776710, 017777170, 017772520, 017774500,
      017772440, 017760020, 017760440, 017760010, 017777560, 017760100, 017777514,
      017767770, 017760000, 017774510, 017774440, 017777546, 017772540, 017777526,
  };
  return addresses;
}

const std::vector<std::int32_t>& bridgeVectors() {
  static const std::vector<std::int32_t> vectors = {0254, 0220, 0210, 0160, 0264, 0224,
                                                    0300, 0310, 060,  0200, 0120, 0100};
  return vectors;
}

}  // namespace

const std::vector<ModelDescriptor>& bridgeModelRows() {
  // Columns: type, model, prefix, bus, area (bytes, also the default size), units, registers, vectors,
  // priorities.
  static const std::vector<ModelDescriptor> rows = {
      {"QBUS-BRIDGE",   "", "QB", BusQbus,   2, 1, bridgeAddresses(), bridgeVectors(), {4, 5, 6}},
      {"UNIBUS-BRIDGE", "", "UB", BusUnibus, 2, 1, bridgeAddresses(), bridgeVectors(), {4, 5, 6}},
  };
  return rows;
}

const std::vector<ModelAlias>& bridgeModelAliases() {
  static const std::vector<ModelAlias> aliases;
  return aliases;
}

const std::vector<BridgeDefaults>& bridgeDefaultsRows() {
  // Columns: type, model, address choices, size choices, trace.
  static const std::vector<BridgeDefaults> rows = {
      {"*", "*", bridgeAddresses(), {054, 022, 040, 012, 030, 04, 014, 020, 010, 06, 020000, 02}, false},
  };
  return rows;
}

const BridgeDefaults* findBridgeDefaults(std::string_view type, std::string_view model) {
  return findUnitDefaults(bridgeDefaultsRows(), type, model);
}

namespace {

using Bridge = VelmorBridgeDevice;
constexpr KeyField<Bridge> kBridgeKeys[] = {
    {"size", &Bridge::size},
    {"address", &Bridge::address},
    {"trace", &Bridge::trace},
};

}  // namespace

bool VelmorBridgeDevice::setParameter(std::string_view key, int index, std::string_view value) {
  clearUnitTouched();
  return setCommonParameter(key, index, value) || applyKeyField<Bridge>(*this, kBridgeKeys, key, value);
}

void VelmorBridgeDevice::applyModelDefaults(bool reset) {
  applyCommonModelDefaults(reset);
  const ModelDescriptor* row = ModelTable::instance().findDescriptor(className(), type, model);
  const BridgeDefaults* own = findBridgeDefaults(type, model);
  if (!row || !own) return;
  if (reset || size == 0) size = row->areaSize;
  if (reset || address == 0) address = firstChoice(own->addresses);
  if (reset || trace) trace = own->trace;
}

void VelmorBridgeDevice::writeStatements(std::string& out, const std::string& disabledSign) const {
  VelmorBusDevice::writeStatements(out, disabledSign);
  const ModelDescriptor* row = ModelTable::instance().findDescriptor(className(), type, model);
  const BridgeDefaults* own = findBridgeDefaults(type, model);
  if (!row || !own) return;
  SetLineWriter set(out, statementPrefix(disabledSign), name);
  set.octalChanged(" size=", size, row->areaSize);
  set.octalChanged(" address=", address, firstChoice(own->addresses));
  set.flagChanged(" trace=", trace, own->trace);
}

std::vector<std::int32_t> VelmorBridgeDevice::checkedVectors(bool) const { return {}; }
