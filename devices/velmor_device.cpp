#include "devices/velmor_device.h"

#include "devices/model_tables.h"
#include "devices/number_format.h"
#include "devices/script_lines.h"
#include "devices/text_utils.h"

VelmorDevice::VelmorDevice(DeviceKind kind, std::string type, std::string model, std::string name)
    : type(std::move(type)), model(std::move(model)), name(std::move(name)), kind_(kind) {}

void VelmorDevice::setType(const std::string& newType) {
  type = newType;
  applyModelDefaults(true);
}

namespace {

// Splits "file[10]" into "file" and 10; the index is always decimal.
void splitIndex(std::string& key, int& index) {
  index = 0;
  std::size_t open = key.find('['), close = key.find(']');
  if (open == std::string::npos || close == std::string::npos) return;
  std::string digits = close > open ? key.substr(open + 1, close - open - 1) : std::string();
  index = parseNumber(digits + ".");
  key.erase(open);
}

}  // namespace

bool VelmorDevice::parseSetStatement(std::string_view line) {
  std::size_t pos = 0;
  for (int word = 0; word < 2; ++word) {
    while (pos < line.size() && isSpace(line[pos])) ++pos;
    while (pos < line.size() && !isSpace(line[pos])) ++pos;
  }

  refusedPairs_ = 0;
  bool answer = true;
  bool readingKey = true, valueStarted = false, skipBlanks = true;
  char terminator = '=';
  std::string key, value;

  auto handOn = [&] {
    int index = 0;
    splitIndex(key, index);
    answer = setParameter(toLower(key), index, value);
    if (!answer) ++refusedPairs_;
    key.clear();
    value.clear();
    readingKey = true;
    valueStarted = false;
    skipBlanks = true;
    terminator = '=';
  };

  for (; pos < line.size(); ++pos) {
    const char c = line[pos];
    if (skipBlanks && isSpace(c)) continue;
    if (c == terminator) {
      if (readingKey) {
        readingKey = false;
        terminator = ' ';
      } else if (valueStarted) {
        handOn();
      }
    } else if (c == '"') {
      terminator = '"';
      skipBlanks = false;
      valueStarted = true;
    } else if (readingKey) {
      key += c;
    } else {
      valueStarted = true;
      skipBlanks = false;
      value += c;
    }
  }
  if (valueStarted) handOn();
  return answer;
}

void writeDeviceComments(std::string& out, const std::string& comments, const std::string& disabledSign) {
  for (std::string_view line : splitLines(comments)) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    out += commentLine(line, disabledSign);
    out += "\r\n";
  }
}

void writeUnitComments(std::string& out, const std::string& comments, const std::string& disabledSign) {
  for (std::string_view line : splitLines(comments)) {
    out += commentLine(line, disabledSign);
    out += '\n';
  }
}

VelmorBusDevice::VelmorBusDevice(DeviceKind kind, std::string type, std::string model, std::string name)
    : VelmorDevice(kind, std::move(type), std::move(model), std::move(name)) {}

bool VelmorBusDevice::setCommonParameter(const std::string& key, int, const std::string& value) {
  if (key == "register")
    registerAddress = parseNumber(value);
  else if (key == "vector" || key == "vector0")
    vector = parseNumber(value);
  else if (key == "priority")
    priority = parseNumber(value);
  else if (key == "units")
    units = parseNumber(value);
  else
    return false;
  return true;
}

void VelmorBusDevice::applyCommonModelDefaults(bool reset) {
  if (const ModelDescriptor* row = ModelTable::instance().findDescriptor(className(), type, model)) {
    if (reset || registerAddress == 0) registerAddress = firstChoice(row->registers);
    if (reset || vector == 0) vector = firstChoice(row->vectors);
    if (reset || priority == 0) priority = firstChoice(row->priorities);
    if (reset || units == 0) units = row->units;
    bus = row->bus;
  }
  if (reset) comments.clear();
}

void VelmorBusDevice::applyModelDefaults(bool reset) { applyCommonModelDefaults(reset); }

void VelmorBusDevice::writeStatements(std::string& out, const std::string& disabledSign) const {
  const std::string p = statementPrefix(disabledSign);
  writeDeviceComments(out, comments, disabledSign);
  out += p + "load " + type + " " + name + "\n";
  if (!model.empty()) out += p + "set " + name + " model=\"" + model + "\"\n";
  const ModelDescriptor* row = readBackDefaults();
  if (!row) return;
  auto line = [&](const char* key, std::int32_t value, std::int32_t defaultValue) {
    if (value != defaultValue) out += p + "set " + name + " " + key + "=" + formatOctal(value) + "\n";
  };
  line("register", registerAddress, firstChoice(row->registers));
  line("vector", vector, firstChoice(row->vectors));
  line("priority", priority, firstChoice(row->priorities));
  line("units", units, row->units);
}

std::vector<std::int32_t> VelmorBusDevice::checkedVectors(bool) const { return {vector}; }

std::int32_t VelmorBusDevice::checkedAreaSize() const {
  return ModelTable::instance().areaSizeOf(className(), type, model);
}

std::uint16_t VelmorBusDevice::checkedBus(bool) const { return ModelTable::instance().busOf(className(), type, model); }

const ModelDescriptor* VelmorBusDevice::readBackDefaults() const {
  const ModelTable& table = ModelTable::instance();
  if (!table.findDescriptor(className(), type, model)) return nullptr;
  return table.findDescriptor(className(), type, "");
}
