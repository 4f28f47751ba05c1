#include "devices/velmor_device.h"

#include <algorithm>

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
std::string_view splitIndex(std::string_view key, int& index) {
  index = 0;
  const std::size_t open = key.find('[');
  if (open == std::string_view::npos) return key;
  const std::size_t close = key.find(']');
  if (close == std::string_view::npos) return key;
  if (close > open) index = parseInteger(key.substr(open + 1, close - open - 1), 10);
  return key.substr(0, open);
}

// A key or value taken from the line: a view of it while it is one run of
// bytes, a copy only once a second run joins the first.
class PiecedText {
 public:
  void append(std::string_view run) {
    if (text_.empty()) {
      text_ = run;
      return;
    }
    if (text_.data() != pieces_.data()) pieces_.assign(text_);
    pieces_ += run;
    text_ = pieces_;
  }
  std::string_view text() const { return text_; }
  void clear() { text_ = {}; }

 private:
  std::string_view text_;
  std::string pieces_;
};

// Keys compare in lower case; most are written so already and need no copy.
std::string_view lowered(std::string_view key, std::string& buffer) {
  if (std::none_of(key.begin(), key.end(), [](char c) { return c >= 'A' && c <= 'Z'; })) return key;
  buffer.assign(key);
  lowerInPlace(buffer);
  return buffer;
}

// The bytes that end a run of key or value bytes: the terminator, a quote,
// and white space while blanks are skipped.
struct RunStops {
  bool stops[256] = {};
  constexpr RunStops(char terminator, bool blanksStop) {
    stops[static_cast<unsigned char>(terminator)] = true;
    stops[static_cast<unsigned char>('"')] = true;
    if (blanksStop)
      for (int c = 0; c < 256; ++c) stops[c] = stops[c] || isSpace(static_cast<char>(c));
  }
};

const bool* runStops(char terminator, bool blanksStop) {
  static constexpr RunStops kTables[] = {{'=', false}, {'=', true}, {' ', false},
                                         {' ', true},  {'"', false}, {'"', true}};
  const int column = terminator == '=' ? 0 : terminator == ' ' ? 2 : 4;
  return kTables[column + (blanksStop ? 1 : 0)].stops;
}

}  // namespace

bool VelmorDevice::parseSetStatement(std::string_view line) {
  std::size_t pos = 0;
  nextWord(line, pos);  // "set"
  nextWord(line, pos);  // the device name
  return parseSetPairs(line.substr(pos));
}

bool VelmorDevice::parseSetPairs(std::string_view line, std::size_t commentFrom) {
  std::size_t pos = 0;
  std::size_t pairStart = std::string_view::npos;  // where the pair being read began
  refusedPairs_ = 0;
  unitsSet_.clear();
  unitPairsDropped_ = false;
  unitsRebuiltByLastParse_ = false;
  bool answer = true;
  bool readingKey = true, valueStarted = false, skipBlanks = true;
  char terminator = '=';
  PiecedText key, value;
  std::string lowerKey;

  auto handOn = [&] {
    int index = 0;
    const std::string_view keyName = lowered(splitIndex(key.text(), index), lowerKey);
    const int refusedBefore = refusedPairs_;
    answer = setParameter(keyName, index, value.text());
    if (!answer) ++refusedPairs_;
    if (pairStart >= commentFrom) refusedPairs_ = refusedBefore;
    pairStart = std::string_view::npos;
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
    if (pairStart == std::string_view::npos) pairStart = pos;
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
    } else {
      if (!readingKey) {
        valueStarted = true;
        skipBlanks = false;
      }
      // The bytes up to the next one that changes the state go in at once.
      const bool* stops = runStops(terminator, skipBlanks);
      std::size_t end = pos + 1;
      while (end < line.size() && !stops[static_cast<unsigned char>(line[end])]) ++end;
      (readingKey ? key : value).append(line.substr(pos, end - pos));
      pos = end - 1;
    }
  }
  if (valueStarted)
    handOn();
  else if (!key.text().empty() && pairStart < commentFrom)
    ++refusedPairs_;  // a key without a value at the end is never handed on: nothing of it is kept
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

bool VelmorBusDevice::setCommonParameter(std::string_view key, int, std::string_view value) {
  if (!takesCommonKey(key == "vector0" ? std::string_view("vector") : key)) return false;
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
    if (value != defaultValue && takesCommonKey(key))
      out += p + "set " + name + " " + key + "=" + formatOctal(value) + "\n";
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
  return ModelTable::instance().findDescriptor(className(), type, "");
}
