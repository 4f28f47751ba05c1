#include "devices/network_device.h"

#include "devices/number_format.h"
#include "devices/set_line_writer.h"
#include "devices/text_utils.h"

const std::vector<ModelDescriptor>& networkModelRows() {
  static const std::vector<std::int32_t> kWhRegisters = {017774440, 017774460};
  static const std::vector<std::int32_t> kWhVectors = {0120, 0130};
  static const std::vector<std::int32_t> kWhPriorities = {4, 5};
  // Columns: type, model, prefix, bus, area (bytes), units, registers, vectors, priorities, vector1 choices.
  static const std::vector<ModelDescriptor> rows = {
      {"DEQNA", "", "WH", BusQbus,   16, 1, kWhRegisters, kWhVectors, kWhPriorities, {-1}},
      {"DELQA", "", "WH", BusQbus,   16, 1, kWhRegisters, kWhVectors, kWhPriorities, {-1}},
      {"DESQA", "", "WH", BusQbus,   16, 1, kWhRegisters, kWhVectors, kWhPriorities, {-1}},
      {"DELUA", "", "XE", BusUnibus,  8, 1, kWhRegisters, kWhVectors, kWhPriorities, {-1}},
      {"VELNA", "", "VN", BusBoth,   22, 1, {017760560},  {0340},     {4},           {0344}},
  };
  return rows;
}

const std::vector<ModelAlias>& networkModelAliases() {
  static const std::vector<ModelAlias> aliases;
  return aliases;
}

bool VelmorNetworkDevice::isVelna() const { return equalsIgnoreCase(type, "velna"); }

bool VelmorNetworkDevice::isInterfaceVirtual() const {
  std::string_view text = hostInterface;
  const std::size_t start = text.find_first_not_of(' ');
  if (start == std::string_view::npos) return false;
  std::string_view word = text.substr(start);
  word = word.substr(0, word.find(' '));
  // "virtual:1600" is what the network page writes for a virtual interface
  // without a host name; it names a virtual interface as much as "virtual".
  return word == "virtual" || word.starts_with("virtual:");
}

bool VelmorNetworkDevice::setParameter(std::string_view key, int index, std::string_view value) {
  clearUnitTouched();
  if (setCommonParameter(key, index, value)) return true;
  if (key == "interface") {
    hostInterface = value;
  } else if (key == "protocols" && !isVelna()) {
    protocols = value;
    ++protocolsPairs_;
  } else if (key == "address" && !isVelna()) {
    address = value;
    ++addressPairs_;
  } else if (key == "vector1" && isVelna()) {
    vector1 = parseNumber(value);
  } else {
    return false;
  }
  return true;
}

void VelmorNetworkDevice::applyModelDefaults(bool reset) {
  applyCommonModelDefaults(reset);
  if (!isVelna()) return;
  if (const ModelDescriptor* row = ModelTable::instance().findDescriptor(className(), type, model))
    if (reset || vector1 == 0) vector1 = firstChoice(row->vectors1);
}

void VelmorNetworkDevice::writeStatements(std::string& out, const std::string& disabledSign) const {
  VelmorBusDevice::writeStatements(out, disabledSign);
  const ModelDescriptor* row = readBackDefaults();
  if (!row) return;
  SetLineWriter set(out, statementPrefix(disabledSign), name);
  if (isVelna()) set.octalChanged(" vector1=", vector1, firstChoice(row->vectors1));
  if (!hostInterface.empty()) set.quoted(" interface=", hostInterface);
  if (writesProtocols() && !protocols.empty()) set.quoted(" protocols=", protocols);
  if (writesAddress() && !address.empty()) set.quoted(" address=", address);
}

std::vector<std::int32_t> VelmorNetworkDevice::checkedVectors(bool) const {
  if (isVelna()) return {vector, vector1};
  return {vector};
}
