#include "devices/va1000_device.h"

#include "devices/key_fields.h"
#include "devices/set_line_writer.h"

const std::vector<ModelDescriptor>& va1000ModelRows() {
  // Columns: type, model, prefix, bus, area (bytes), units, registers, vectors, priorities.
  static const std::vector<ModelDescriptor> rows = {
      {"VA1000", "", "ED", BusBoth, 4096, 1, {017740000, 017750000, 017760000, 017770000},
       {01300, 01302, 01304, 01306}, {4}},
  };
  return rows;
}

const std::vector<ModelAlias>& va1000ModelAliases() {
  static const std::vector<ModelAlias> aliases;
  return aliases;
}

const std::vector<Va1000Defaults>& va1000DefaultsRows() {
  // Columns: type, model, ip_address, ip_port, base_addr choices, static_window, window,
  // window_size choices, sr10 choices, new_protocol, timeout. Port, window and timeout are decimal.
  static const std::vector<Va1000Defaults> rows = {
      {"VA1000", "*", "DARI210", 1600, {017740000, 017750000, 017760000, 017770000}, true, 8192,
       {010000, 040000}, {0, 010}, false, 3000},
  };
  return rows;
}

const Va1000Defaults* findVa1000Defaults(std::string_view type, std::string_view model) {
  return findUnitDefaults(va1000DefaultsRows(), type, model);
}

namespace {

using Va1000 = VelmorVa1000Device;
// The adapter's own keys; of the common keys it takes only register (takesCommonKey).
constexpr KeyField<Va1000> kVa1000Keys[] = {
    {"ip_address", &Va1000::ipAddress},
    {"ip_port", &Va1000::ipPort},
    {"base_addr", &Va1000::baseAddr},
    {"base_address", &Va1000::baseAddr},  // the key earlier scripts were written with
    {"static_window", &Va1000::staticWindow},
    {"window", &Va1000::window},
    {"window_size", &Va1000::windowSize},
    {"sr10", &Va1000::sr10},
    {"new_protocol", &Va1000::newProtocol},
    {"timeout", &Va1000::timeout},
};

}  // namespace

bool VelmorVa1000Device::setParameter(std::string_view key, int, std::string_view value) {
  clearUnitTouched();
  return setCommonParameter(key, 0, value) || applyKeyField<Va1000>(*this, kVa1000Keys, key, value);
}

void VelmorVa1000Device::applyModelDefaults(bool reset) {
  // A type change keeps the common fields and comments; only the adapter's own fields start afresh.
  applyCommonModelDefaults(false);
  const Va1000Defaults* own = findVa1000Defaults(type, model);
  if (!own) return;
  if (reset || ipAddress.empty()) ipAddress = own->ipAddress;
  if (reset || ipPort == 0) ipPort = own->ipPort;
  if (reset || baseAddr == 0) baseAddr = firstChoice(own->baseAddrs);
  if (reset || !staticWindow) staticWindow = own->staticWindow;
  if (reset || window == 0) window = own->window;
  if (reset || windowSize == 0) windowSize = firstChoice(own->windowSizes);
  if (reset || sr10 == 0) sr10 = firstChoice(own->sr10s);
  if (reset || newProtocol) newProtocol = own->newProtocol;
  if (reset || timeout == 0) timeout = own->timeout;
}

void VelmorVa1000Device::writeStatements(std::string& out, const std::string& disabledSign) const {
  VelmorBusDevice::writeStatements(out, disabledSign);
  const Va1000Defaults* own = findVa1000Defaults(type, model);
  if (!ModelTable::instance().findDescriptor(className(), type, model) || !own) return;
  SetLineWriter set(out, statementPrefix(disabledSign), name);
  set.quotedChanged(" ip_address=", ipAddress, own->ipAddress);
  set.octalChanged(" ip_port=", ipPort, own->ipPort);
  set.octalChanged(" base_addr=", baseAddr, firstChoice(own->baseAddrs));
  set.flagChanged(" static_window=", staticWindow, own->staticWindow);
  set.octalChanged(" window=", window, own->window);
  set.octalChanged(" window_size=", windowSize, firstChoice(own->windowSizes));
  set.octalChanged(" sr10=", sr10, firstChoice(own->sr10s));
  set.flagChanged(" new_protocol=", newProtocol, own->newProtocol);
  set.octalChanged(" timeout=", timeout, own->timeout);
}

std::vector<std::int32_t> VelmorVa1000Device::checkedVectors(bool withConfiguration) const {
  if (withConfiguration) return {};
  return {vector};
}
