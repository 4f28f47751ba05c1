#include "devices/serial_device.h"

#include "devices/script_lines.h"

#include <optional>

#include "devices/number_format.h"
#include "devices/set_line_writer.h"
#include "devices/text_utils.h"
#include "devices/unit_fields.h"

bool takesParity(std::string_view type) { return equalsIgnoreCase(type, "dl11"); }

bool isLinePrinterType(std::string_view type) { return equalsIgnoreCase(type, "lp11"); }

namespace {

// Builds a row from the columns in the order the serial table lists them.
ModelDescriptor row(std::string type, std::string model, std::string prefix, std::uint16_t bus,
                    std::vector<std::int32_t> registers, std::int32_t area, std::vector<std::int32_t> vectors,
                    std::vector<std::int32_t> vectors1, std::vector<std::int32_t> priorities, std::uint16_t units) {
  return ModelDescriptor(std::move(type), std::move(model), std::move(prefix), bus, area, units,
                         std::move(registers), std::move(vectors), std::move(priorities), std::move(vectors1));
}

// Choice lists that several rows share.
const std::vector<std::int32_t> kDl11Registers = {0177560, 0176500, 0176510, 0176520, 0176530,
                                                  0176540, 0176550, 0176560, 0176570};
const std::vector<std::int32_t> kDl11Vectors = {060, 0300, 0310, 0320, 0330, 0340, 0350, 0360, 0370};
const std::vector<std::int32_t> kDl11Vectors1 = {064, 0304, 0314, 0324, 0334, 0344, 0354, 0364, 0374};
const std::vector<std::int32_t> kDj11Registers = {017760010, 017760020, 017760030, 017760040,
                                                  017760050, 017760060, 017760070, 017760100};
const std::vector<std::int32_t> kDhv11Registers = {017760440, 017760460, 017760500, 017760520,
                                                   017760540, 017760560, 017760600, 017760620};
const std::vector<std::int32_t> kDz11Registers = {017760100, 017760110, 017760120, 017760130,
                                                  017760140, 017760150, 017760160, 017760170};
const std::vector<std::int32_t> kMuxVectors = {0300, 0310, 0320, 0330, 0340, 0350, 0360, 0370};
const std::vector<std::int32_t> kMuxVectors1 = {0304, 0314, 0324, 0334, 0344, 0354, 0364, 0374};

}  // namespace

const std::vector<ModelDescriptor>& serialModelRows() {
  // type, model, prefix, bus, registers, area, vectors, vector1s, priorities, units
  static const std::vector<ModelDescriptor> rows = {
      row("DL11", "", "YL", BusUnibus, kDl11Registers, 8, kDl11Vectors, kDl11Vectors1, {4, 5}, 1),
      row("DL11", "DL11-A", "YL", BusUnibus, kDl11Registers, 8, kDl11Vectors, kDl11Vectors1, {4, 5}, 1),
      row("DL11", "DL11-B", "YL", BusUnibus, kDl11Registers, 8, kDl11Vectors, kDl11Vectors1, {4, 5}, 1),
      row("DL11", "DL11-C", "YL", BusUnibus, kDl11Registers, 8, kDl11Vectors, kDl11Vectors1, {4, 5}, 1),
      row("DL11", "DL11-D", "YL", BusUnibus, kDl11Registers, 8, kDl11Vectors, kDl11Vectors1, {4, 5}, 1),
      row("DL11", "DL11-E", "YL", BusUnibus, kDl11Registers, 8, kDl11Vectors, kDl11Vectors1, {4, 5}, 1),
      row("DL11", "DL11-F", "YL", BusUnibus, kDl11Registers, 8, kDl11Vectors, kDl11Vectors1, {4, 5}, 1),
      row("DL11", "DLV11", "YL", BusQbus, kDl11Registers, 8, kDl11Vectors, kDl11Vectors1, {4, 5}, 1),
      row("DJ11", "", "YJ", BusUnibus, kDj11Registers, 8, kMuxVectors, kMuxVectors1, {5, 4}, 16),
      row("DHV11", "", "YV", BusQbus, kDhv11Registers, 16, kMuxVectors, kMuxVectors1, {5}, 16),
      row("DHV11", "DHU11", "YV", BusQbus, kDhv11Registers, 16, kMuxVectors, kMuxVectors1, {5}, 16),
      row("DHV11", "CXA11", "YV", BusQbus, kDhv11Registers, 16, kMuxVectors, kMuxVectors1, {5}, 16),
      row("DHV11", "CXB11", "YV", BusQbus, kDhv11Registers, 16, kMuxVectors, kMuxVectors1, {5}, 16),
      row("DHV11", "CXY08", "YV", BusQbus, kDhv11Registers, 16, kMuxVectors, kMuxVectors1, {5}, 16),
      row("DZ11", "", "YZ", BusUnibus, kDz11Registers, 8, kMuxVectors, kMuxVectors1, {5, 4}, 8),
      row("DZ11", "DZV11", "YZ", BusQbus, kDz11Registers, 8, kMuxVectors, kMuxVectors1, {5, 4}, 8),
      row("DZ11", "DZQ11", "YZ", BusQbus, kDz11Registers, 8, kMuxVectors, kMuxVectors1, {5, 4}, 8),
      row("DZ11", "DFA01", "YZ", BusQbus, kDz11Registers, 8, kMuxVectors, kMuxVectors1, {5, 4}, 8),
      row("DZ11", "DZ11-A", "YZ", BusUnibus, kDz11Registers, 8, kMuxVectors, kMuxVectors1, {5, 4}, 8),
      row("DZ11", "DZ11-B", "YZ", BusUnibus, kDz11Registers, 8, kMuxVectors, kMuxVectors1, {5, 4}, 8),
      row("DZ11", "DZ11-C", "YZ", BusUnibus, kDz11Registers, 8, kMuxVectors, kMuxVectors1, {5, 4}, 8),
      row("DZ11", "DZ11-D", "YZ", BusUnibus, kDz11Registers, 8, kMuxVectors, kMuxVectors1, {5, 4}, 8),
      row("DZ11", "DZ11-E", "YZ", BusUnibus, kDz11Registers, 8, kMuxVectors, kMuxVectors1, {5, 4}, 8),
      row("DZ11", "DZ11-F", "YZ", BusUnibus, kDz11Registers, 8, kMuxVectors, kMuxVectors1, {5, 4}, 8),
      row("QQ11", "", "QQ", BusBoth, {017767560}, 16, {0360}, {0364}, {4}, 1),
      row("QQ11-N", "", "QQ", BusBoth, {017767570}, 16, {0370}, {0374}, {4}, 1),
      row("LP11", "LP11", "LP", BusUnibus, {017777514}, 4, {0200}, {0200}, {4}, 1),
      row("LP11", "LXY11", "LP", BusUnibus, {017767560}, 4, {0360}, {0364}, {4}, 1),
      row("LP11", "LAV11", "LP", BusQbus, {017767560}, 4, {0360}, {0364}, {4}, 1),
      row("LP11", "LPV11", "LP", BusQbus, {017767560}, 4, {0360}, {0364}, {4}, 1),
  };
  return rows;
}

const std::vector<ModelAlias>& serialModelAliases() {
  static const std::vector<ModelAlias> aliases = {
      {"DL11-A", "DL11"}, {"DL11-B", "DL11"}, {"DL11-C", "DL11"}, {"DL11-D", "DL11"},
      {"DL11-E", "DL11"}, {"DL11-F", "DL11"}, {"DLV11", "DL11"},

      {"DHQ11", "DHV11"}, {"DHU11", "DHV11"}, {"CXA16", "DHV11"}, {"CXB16", "DHV11"}, {"CXY08", "DHV11"},

      {"DZV11", "DZ11"},  {"DZ11-A", "DZ11"}, {"DZ11-B", "DZ11"}, {"DZ11-C", "DZ11"}, {"DZ11-D", "DZ11"},
      {"DZ11-E", "DZ11"}, {"DZ11-F", "DZ11"}, {"DZQ11", "DZ11"},  {"DFA01", "DZ11"},
  };
  return aliases;
}

const std::vector<SerialUnitDefaults>& serialUnitDefaultsRows() {
  // type, model, offline, rx_trace, tx_trace, speed, rx_buf_size, tx_buf_size,
  // ri_timeout, rm_timeout, rc_timeout, wm_timeout, wc_timeout, bits, ttsync, hsync
  // (counts and rates in decimal)
  static const std::vector<SerialUnitDefaults> rows = {
      {"DL11", "", true, false, false, 9600, 1023, 1023, 1, 0, -1, 0, 1000, 8, true, true},
      {"DZ11", "", true, false, false, 9600, 1023, 1023, 1, 0, -1, 0, 1000, -1, true, true},
      {"DHV11", "", true, false, false, 9600, 1023, 1023, 1, 0, -1, 0, 1000, -1, true, true},
      {"QQ11", "", true, false, false, 9600, 1023, 1023, -1, -1, -1, 0, 0, -1, true, true},
      {"QQ11-N", "", true, false, false, 9600, 1023, 1023, -1, -1, -1, 0, 0, -1, true, true},
      {"LP11", "LP11", true, false, false, 9600, 1023, 1023, 1, 0, -1, 0, 1000, 7, true, true},
      {"LP11", "LXY11", true, false, false, 9600, 1023, 1023, 1, 0, -1, 0, 1000, 8, true, true},
      {"LP11", "LAV11", true, false, false, 9600, 1023, 1023, 1, 0, -1, 0, 1000, 8, true, true},
      {"LP11", "LPV11", true, false, false, 9600, 1023, 1023, 1, 0, -1, 0, 1000, 8, true, true},
      {"*", "*", true, false, false, 9600, 1023, 1023, 1, 0, -1, 0, 1000, -1, true, true},
  };
  return rows;
}

const SerialUnitDefaults& serialUnitDefaultsFor(std::string_view type, std::string_view model) {
  const std::vector<SerialUnitDefaults>& rows = serialUnitDefaultsRows();
  const SerialUnitDefaults* found = findUnitDefaults(rows, type, model);
  return found ? *found : rows.back();
}

void VelmorSerialUnit::applyUnitDefaults(std::string_view ownerType, std::string_view ownerModel) {
  const SerialUnitDefaults& d = serialUnitDefaultsFor(ownerType, ownerModel);
  auto fill = [](auto& field, auto fallback) {
    if (field == decltype(fallback){}) field = fallback;
  };
  // The trace flags and parity are not taken from the row.
  fill(offline, d.offline);
  fill(speed, d.speed);
  fill(rxBufSize, d.rxBufSize);
  fill(txBufSize, d.txBufSize);
  fill(riTimeout, d.riTimeout);
  fill(rmTimeout, d.rmTimeout);
  fill(rcTimeout, d.rcTimeout);
  fill(wmTimeout, d.wmTimeout);
  fill(wcTimeout, d.wcTimeout);
  fill(bits, d.bits);
  fill(ttsync, d.ttsync);
  fill(hsync, d.hsync);
}

namespace {

enum class LineValue { Number, Bits, Flag, Parity };

// A per-line key: how its value is read, and where its default lives.
struct LineKey {
  std::string_view key;
  LineValue form;
  std::int32_t VelmorSerialUnit::*number = nullptr;
  std::int32_t SerialUnitDefaults::*numberDefault = nullptr;
  bool VelmorSerialUnit::*flag = nullptr;
  bool SerialUnitDefaults::*flagDefault = nullptr;
};

constexpr LineKey numberKey(std::string_view key, std::int32_t VelmorSerialUnit::*field,
                            std::int32_t SerialUnitDefaults::*fallback) {
  return {key, LineValue::Number, field, fallback, nullptr, nullptr};
}
constexpr LineKey flagKey(std::string_view key, bool VelmorSerialUnit::*field, bool SerialUnitDefaults::*fallback) {
  return {key, LineValue::Flag, nullptr, nullptr, field, fallback};
}

// In the order the written form lists them. `line` and `offline` are read
// apart: they decide whether and how a line is written at all.
const LineKey kLineKeys[] = {
    numberKey("speed", &VelmorSerialUnit::speed, &SerialUnitDefaults::speed),
    {"bits", LineValue::Bits},
    flagKey("rx_trace", &VelmorSerialUnit::rxTrace, &SerialUnitDefaults::rxTrace),
    flagKey("tx_trace", &VelmorSerialUnit::txTrace, &SerialUnitDefaults::txTrace),
    numberKey("rx_buf_size", &VelmorSerialUnit::rxBufSize, &SerialUnitDefaults::rxBufSize),
    numberKey("tx_buf_size", &VelmorSerialUnit::txBufSize, &SerialUnitDefaults::txBufSize),
    {"parity", LineValue::Parity},
    numberKey("ri_timeout", &VelmorSerialUnit::riTimeout, &SerialUnitDefaults::riTimeout),
    numberKey("rm_timeout", &VelmorSerialUnit::rmTimeout, &SerialUnitDefaults::rmTimeout),
    numberKey("rc_timeout", &VelmorSerialUnit::rcTimeout, &SerialUnitDefaults::rcTimeout),
    numberKey("wm_timeout", &VelmorSerialUnit::wmTimeout, &SerialUnitDefaults::wmTimeout),
    numberKey("wc_timeout", &VelmorSerialUnit::wcTimeout, &SerialUnitDefaults::wcTimeout),
    flagKey("ttsync", &VelmorSerialUnit::ttsync, &SerialUnitDefaults::ttsync),
    flagKey("hsync", &VelmorSerialUnit::hsync, &SerialUnitDefaults::hsync),
};

const LineKey* findLineKey(std::string_view key) {
  for (const LineKey& lineKey : kLineKeys)
    if (lineKey.key == key) return &lineKey;
  return nullptr;
}

bool readParity(std::string_view value, SerialParity& parity) {
  if (equalsIgnoreCase(value, "none"))
    parity = SerialParity::None;
  else if (equalsIgnoreCase(value, "odd"))
    parity = SerialParity::Odd;
  else if (equalsIgnoreCase(value, "even"))
    parity = SerialParity::Even;
  else
    return false;
  return true;
}

const char* parityWord(SerialParity parity) {
  switch (parity) {
    case SerialParity::Odd: return "odd";
    case SerialParity::Even: return "even";
    default: return "none";
  }
}

// False when the value changed nothing (a flag given neither yes nor no, an
// unknown parity word).
bool readLineValue(const LineKey& key, VelmorSerialUnit& line, std::string_view value) {
  switch (key.form) {
    case LineValue::Number: line.*key.number = parseNumber(value); break;
    case LineValue::Bits: line.bits = static_cast<std::int16_t>(parseNumber(value)); break;
    case LineValue::Flag: return applyYesNo(value, line.*key.flag);
    case LineValue::Parity: return readParity(value, line.parity);
  }
  return true;
}

// The value text of a key, or nothing when the line keeps the default.
std::optional<std::string> differingValue(const LineKey& key, const VelmorSerialUnit& line,
                                          const SerialUnitDefaults& defaults) {
  switch (key.form) {
    case LineValue::Number:
      if (line.*key.number == defaults.*key.numberDefault) return std::nullopt;
      return formatOctal(line.*key.number);
    case LineValue::Bits:
      if (line.bits == defaults.bits) return std::nullopt;
      return formatOctal(line.bits);
    case LineValue::Flag:
      if (line.*key.flag == defaults.*key.flagDefault) return std::nullopt;
      return std::string(line.*key.flag ? "1" : "0");
    case LineValue::Parity:
      // Every controller's lines default to no parity.
      if (line.parity == SerialParity::None) return std::nullopt;
      return std::string(parityWord(line.parity));
  }
  return std::nullopt;
}

// Line comments open with a line feed instead of ending with one, so the
// block of a line starts with an empty line. Every piece is written, an empty
// last one too: the reader joins comment lines without a final line end, so a
// final LF stands for an empty last line, which a reread gives back.
void writeLineComments(std::string& out, const std::string& comments, const std::string& disabledSign) {
  for (std::string_view piece : splitLines(comments)) {
    out += '\n';
    out += commentLine(piece, disabledSign);
  }
}

}  // namespace

bool VelmorSerialDevice::setParameter(std::string_view key, int index, std::string_view value) {
  clearUnitTouched();
  if (setCommonParameter(key, index, value)) return true;
  if (key == "model") return setModelKey(value);
  if (key == "vector1") {
    vector1 = parseNumber(value);
    return true;
  }

  const LineKey* lineKey = findLineKey(key);
  const bool lineText = key == "line", offlineFlag = key == "offline";
  if (!lineKey && !lineText && !offlineFlag) return false;
  if (lineKey && lineKey->form == LineValue::Parity && !takesParity(type)) return false;
  // As on the other controllers, an index below a raised `units` count adds
  // the lines up to that count.
  VelmorSerialUnit* unit = unitForKey<VelmorSerialUnit>(*this, index);
  if (!unit) return false;
  if (lineText) {
    unit->file = value;
    unit->offline = false;
  } else if (offlineFlag) {
    if (!applyYesNo(value, unit->offline)) noteValueIgnored();
  } else if (!readLineValue(*lineKey, *unit, value)) {
    noteValueIgnored();
  }
  markUnitTouched(index);
  return true;
}

void VelmorSerialDevice::applyModelDefaults(bool reset) {
  VelmorUnitDevice::applyModelDefaults(false);
  if (const ModelDescriptor* row = ModelTable::instance().findDescriptor(className(), type, model))
    if (reset || vector1 == 0) vector1 = firstChoice(row->vectors1);
}

void VelmorSerialDevice::writeStatements(std::string& out, const std::string& disabledSign) const {
  VelmorUnitDevice::writeStatements(out, disabledSign);
  SetLineWriter set(out, statementPrefix(disabledSign), name);
  if (const ModelDescriptor* row = readBackDefaults())
    set.octalChanged(" vector1 = ", vector1, firstChoice(row->vectors1));

  writeUnits(out, disabledSign);
}

void VelmorSerialDevice::writeUnit(std::string& out, const VelmorUnit& unit, const std::string& disabledSign) const {
  const auto& line = static_cast<const VelmorSerialUnit&>(unit);
  const SerialUnitDefaults& defaults = serialUnitDefaultsFor(type, model);
  SetLineWriter set(out, statementPrefix(disabledSign), name);
  writeLineComments(out, line.comments, disabledSign);
  out += '\n';
  const std::string index = concat({"[", std::to_string(line.number), "]="});
  set.quoted(concat({" line", index}), line.file);
  for (const LineKey& key : kLineKeys) {
    // Written for another type, parity would make the saved file refuse its own line.
    if (key.form == LineValue::Parity && !takesParity(type)) continue;
    if (std::optional<std::string> value = differingValue(key, line, defaults))
      set.line(concat({" ", key.key, index}), *value);
  }
}

std::vector<std::int32_t> VelmorSerialDevice::checkedVectors(bool) const { return {vector, vector1}; }
