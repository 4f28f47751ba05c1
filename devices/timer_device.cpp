#include "devices/timer_device.h"

#include <algorithm>

#include "devices/number_format.h"
#include "devices/set_line_writer.h"
#include "devices/text_utils.h"

const std::vector<TimerModelRow>& timerModelTable() {
  // type, prefix, bus, register, area, vector, vector1, vector2, priority,
  // linefrequency (decimal), silent, overflow_pulse, internal_only
  static const std::vector<TimerModelRow> rows = {
      {"KW11-L", "KW", BusBoth, 017777546, 2, 0100, -1, -1, 6, {50, 60}, false, false, false},
      {"KW11-P", "KW", BusBoth, 017772540, 6, 0100, -1, -1, 6, {50, 60}, false, false, false},
      {"KW11-W", "KW", BusBoth, 017772400, 8, 0350, 0350, 0354, 6, {-1}, true, false, false},
      {"KWV11", "KW", BusBoth, 01770420, 4, 0444, 0446, -1, 6, {50, 60}, false, false, false},
  };
  return rows;
}

const TimerModelRow* findTimerModel(std::string_view type) {
  for (const TimerModelRow& row : timerModelTable())
    if (equalsIgnoreCase(row.type, type)) return &row;
  return nullptr;
}

const std::vector<ModelDescriptor>& timerModelRows() {
  static const std::vector<ModelDescriptor> rows = [] {
    std::vector<ModelDescriptor> descriptors;
    for (const TimerModelRow& row : timerModelTable())
      descriptors.emplace_back(std::string(row.type), "", std::string(row.prefix), row.bus, row.areaSize, 1,
                               std::vector<std::int32_t>{row.registerAddress}, std::vector<std::int32_t>{row.vector},
                               std::vector<std::int32_t>{row.priority}, std::vector<std::int32_t>{row.vector1},
                               std::vector<std::int32_t>{row.vector2});
    return descriptors;
  }();
  return rows;
}

const std::vector<ModelAlias>& timerModelAliases() {
  static const std::vector<ModelAlias> aliases;
  return aliases;
}

namespace {

// Which timer types a key or a written statement belongs to.
enum TimerTypes : unsigned {
  kKw11L = 1,
  kKw11P = 2,
  kKw11W = 4,
  kKwv11 = 8,
  kEveryTimer = kKw11L | kKw11P | kKw11W | kKwv11,
  kLineClocks = kKw11L | kKw11P | kKwv11,
};

unsigned typeBit(std::string_view type, bool exactCase) {
  static constexpr std::pair<std::string_view, unsigned> kBits[] = {
      {"KW11-L", kKw11L}, {"KW11-P", kKw11P}, {"KW11-W", kKw11W}, {"KWV11", kKwv11}};
  for (const auto& [word, bit] : kBits)
    if (exactCase ? word == type : equalsIgnoreCase(word, type)) return bit;
  return 0;
}

enum class TimerValue { Number, Flag, Text };

struct TimerKey {
  std::string_view key;
  unsigned types;
  TimerValue form;
  std::int32_t VelmorTimerDevice::*number = nullptr;
  bool VelmorTimerDevice::*flag = nullptr;
  std::string VelmorTimerDevice::*text = nullptr;
};

const TimerKey kTimerKeys[] = {
    {"register", kEveryTimer, TimerValue::Number, &VelmorTimerDevice::registerAddress},
    {"vector", kEveryTimer, TimerValue::Number, &VelmorTimerDevice::vector},
    {"vector1", kKw11W | kKwv11, TimerValue::Number, &VelmorTimerDevice::vector1},
    {"linefrequency", kLineClocks, TimerValue::Number, &VelmorTimerDevice::linefrequency},
    {"vector2", kKw11W, TimerValue::Number, &VelmorTimerDevice::vector2},
    {"silent", kKw11W, TimerValue::Flag, nullptr, &VelmorTimerDevice::silent},
    {"overflow_pulse", kKwv11, TimerValue::Flag, nullptr, &VelmorTimerDevice::overflowPulse},
    {"internal_only", kKwv11, TimerValue::Flag, nullptr, &VelmorTimerDevice::internalOnly},
    {"lines", kKwv11, TimerValue::Text, nullptr, nullptr, &VelmorTimerDevice::lines},
};

// Timers take yes/no in exactly these spellings; "YES" changes nothing.
bool applyExactYesNo(std::string_view value, bool& flag) {
  if (value == "1" || value == "yes")
    flag = true;
  else if (value == "0" || value == "no")
    flag = false;
  else
    return false;
  return true;
}

// Unquoted, a blank would cut the text short when the script is read again,
// and any other white space would let a following "#" word start a comment.
std::string linesValue(const std::string& lines) {
  const bool cutOnReading = std::any_of(lines.begin(), lines.end(), isSpace);
  return cutOnReading ? "\"" + lines + "\"" : lines;
}

}  // namespace

bool timerTypeTakes(std::string_view type, std::string_view key) {
  const unsigned bit = typeBit(type, false);
  for (const TimerKey& timerKey : kTimerKeys)
    if (timerKey.key == key) return (timerKey.types & bit) != 0;
  return false;
}

bool VelmorTimerDevice::setParameter(std::string_view key, int, std::string_view value) {
  clearUnitTouched();
  const unsigned bit = typeBit(type, true);
  for (const TimerKey& timerKey : kTimerKeys) {
    if (timerKey.key != key) continue;
    if (timerKey.types != kEveryTimer && !(timerKey.types & bit)) return false;
    switch (timerKey.form) {
      case TimerValue::Number: this->*timerKey.number = parseNumber(value); break;
      case TimerValue::Flag:
        if (!applyExactYesNo(value, this->*timerKey.flag)) noteValueIgnored();
        break;
      case TimerValue::Text: this->*timerKey.text = value; break;
    }
    return true;
  }
  return false;
}

void VelmorTimerDevice::applyModelDefaults(bool reset) {
  applyCommonModelDefaults(reset);
  if (!ModelTable::instance().findDescriptor(className(), type, model)) return;
  const TimerModelRow* row = findTimerModel(type);
  if (!row) return;
  if (reset || vector1 == 0) vector1 = row->vector1;
  if (reset || vector2 == 0) vector2 = row->vector2;
  if (reset || !silent) silent = row->silent;
  if (reset || linefrequency == 0) linefrequency = row->lineFrequencies.front();
  if (reset || !overflowPulse) overflowPulse = row->overflowPulse;
  if (reset || !internalOnly) internalOnly = row->internalOnly;
}

bool VelmorTimerDevice::isComplete() const {
  if (typeBit(type, false) & (kKw11L | kKw11P)) return linefrequency != 0;
  return true;
}

void VelmorTimerDevice::writeStatements(std::string& out, const std::string& disabledSign) const {
  VelmorBusDevice::writeStatements(out, disabledSign);
  if (!ModelTable::instance().findDescriptor(className(), type, model)) return;
  const TimerModelRow* row = findTimerModel(type);
  if (!row) return;

  SetLineWriter set(out, statementPrefix(disabledSign), name);
  const unsigned bit = typeBit(type, false);
  if ((bit & kLineClocks) && linefrequency != row->lineFrequencies.front())
    set.line(" linefrequency=", formatDecimalPoint(linefrequency));
  if (bit & kKw11W) {
    set.octalChanged(" vector1=", vector1, row->vector1);
    set.octalChanged(" vector2=", vector2, row->vector2);
    set.flagChanged(" silent=", silent, row->silent);
  }
  if (bit & kKwv11) {
    set.octalChanged(" vector1=", vector1, row->vector1);
    set.flagChanged(" overflow_pulse=", overflowPulse, row->overflowPulse);
    set.flagChanged(" internal_only=", internalOnly, row->internalOnly);
    // No line end of its own: the writer ends every device's block with one.
    if (!lines.empty()) out += statementPrefix(disabledSign) + "set " + name + " lines=" + linesValue(lines);
  }
}

std::vector<std::int32_t> VelmorTimerDevice::checkedVectors(bool) const {
  const unsigned bit = typeBit(type, false);
  std::vector<std::int32_t> vectors = {vector};
  if (bit & (kKw11W | kKwv11)) vectors.push_back(vector1);
  if (bit & kKw11W) vectors.push_back(vector2);
  return vectors;
}
