#include "config/script_reader.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <new>
#include <optional>
#include <unordered_map>
#include <vector>

#include "config/configuration.h"
#include "config/device_name_index.h"
#include "config/device_properties.h"
#include "config/native_path.h"
#include "config/script_writer.h"
#include "config/user_messages.h"
#include "devices/device_registry.h"
#include "devices/network_device.h"
#include "devices/number_format.h"
#include "devices/rom_device.h"
#include "devices/script_lines.h"
#include "devices/text_utils.h"
#include "devices/velmor_unit_device.h"

namespace {

// Fills `words` (kept by the caller, so its storage is reused line after line).
void wordsOf(std::string_view line, std::vector<std::string_view>& words) {
  words.clear();
  std::size_t pos = 0;
  for (std::string_view word = nextWord(line, pos); !word.empty(); word = nextWord(line, pos)) words.push_back(word);
}

// Comment lines waiting for the device or unit that follows them.
class PendingComment {
 public:
  void addLine(std::string_view line) {
    if (hasLines_) text_ += "\r\n";
    text_ += line;
    hasLines_ = true;
  }
  void addWord(std::string_view word) {
    text_ += ' ';
    text_ += word;
  }
  bool empty() const { return !hasLines_; }
  std::string take() {
    hasLines_ = false;
    std::string taken = std::move(text_);
    text_.clear();  // a moved-from string need not be empty
    return taken;
  }

 private:
  std::string text_;
  bool hasLines_ = false;
};

void attachComment(std::string& comments, std::string pending) {
  if (comments.empty())
    comments = std::move(pending);
  else
    comments += "\r\n" + pending;
}

bool hasUnits(const VelmorDevice& device) {
  switch (device.kind()) {
    case DeviceKind::Disk:
    case DeviceKind::Tape:
    case DeviceKind::Serial:
    case DeviceKind::Loader: return true;
    default: return false;
  }
}

// The device's units, built or not (not the model's default `units` count).
std::size_t unitCountOf(const VelmorDevice& device) {
  return hasUnits(device) ? static_cast<const VelmorUnitDevice&>(device).unitCount() : 0;
}

// A file without header lines gets these.
void giveDefaultNames(Configuration& config) {
  if (config.userName.empty()) config.userName = "Default User";
  if (config.projectName.empty()) config.projectName = "Default Project";
}

// Lost lines are listed in file order.
bool comesBefore(const LostLine& a, const LostLine& b) { return a.number < b.number; }

// Calls visit(line) for every line of `text` as Windows text mode reads it:
// split at LF, with a CR directly before the LF dropped.
template <class Visit>
void forEachTextModeLine(std::string_view text, Visit visit) {
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t lf = text.find('\n', start);
    const std::size_t end = lf == std::string_view::npos ? text.size() : lf;
    std::string_view line = text.substr(start, end - start);
    if (lf != std::string_view::npos && !line.empty() && line.back() == '\r') line.remove_suffix(1);
    visit(line);
    start = lf == std::string_view::npos ? text.size() : lf + 1;
  }
}

// A line of the script being read, kept as a view until it is reported lost.
struct SourceLine {
  std::size_t number;
  std::string_view text;
};

// How many pairs had set a network adapter's two texts, and the lines that set them.
struct NetworkPairs {
  unsigned protocols = 0, address = 0;
};
struct NetworkTextLines {
  std::vector<SourceLine> protocols, address;
};

class ScriptReader {
 public:
  ScriptReader(Configuration& config, UserMessages& messages, ReadReport* report)
      : config_(config), messages_(messages), report_(report) {
    for (DeviceListId id : kFindOrder)
      for (auto& device : config_.list(id)) {
        names_.add(*device);
        units_ += unitCountOf(*device);
      }
    activeTimer_ = config_.HasActiveTimer();
    activeClock_ = config_.HasActiveClock();
  }

  bool read(std::string_view bytes) {
    // A Ctrl-Z ends the text, as Windows text mode (and so the emulator) reads
    // it: a file padded after one, as DOS and RT-11 left them, reads cleanly.
    // Files written under a disabled sign holding one (an older editor took
    // such signs) are still read whole, as they always were.
    const bool signHoldsMark = config_.disabledSign.find(kEndOfTextMark) != std::string::npos;
    const std::size_t endMark = signHoldsMark ? std::string_view::npos : bytes.find(kEndOfTextMark);
    const std::string_view whole = bytes;
    bytes = bytes.substr(0, endMark);
    // A file that holds more than padding after a mark at its very start is
    // refused, not opened as the default configuration of an empty file.
    if (bytes.empty() && (endMark == std::string_view::npos || isPadding(whole.substr(endMark + 1)))) {
      config_.BuildDefaultConfiguration();
      succeeded_ = true;
    }
    forEachTextModeLine(bytes, [this](std::string_view line) {
      ++lineNumber_;
      if (stopped_)
        loseUnlessBlank(line);
      else if (afterBoot_)
        readLineAfterBoot(line);
      else
        readLine(line);
      if (!stopped_ && units_ > kMaxReadUnits) stopReading(false, true);
    });
    if (endMark != std::string_view::npos) loseBeyondEndMark(whole, endMark);
    noteUnwrittenStarts();
    noteUnwrittenUnits();
    noteUnwrittenNetworkTexts();
    if (report_ && !pending_.empty()) loseUnattachedComments();
    // Some losses are only known at the end; the user reads them in file order.
    if (report_) {
      std::vector<LostLine>& lost = report_->lost;
      // Sorting takes a second list as long as the first: most files need none.
      if (!std::is_sorted(lost.begin(), lost.end(), comesBefore))
        std::stable_sort(lost.begin(), lost.end(), comesBefore);
      // A line can be lost for two reasons (a refused pair, then a unit
      // rebuild); it is listed once.
      lost.erase(std::unique(lost.begin(), lost.end(),
                             [](const LostLine& a, const LostLine& b) { return a.number == b.number; }),
                 lost.end());
    }
    giveDefaultNames(config_);
    return succeeded_;
  }

 private:
  void readLine(std::string_view line) {
    if (line.empty()) return;
    std::size_t keywordEnd = 0;
    if (startsWith(line, kHeaderMark)) {
      readHeaderLine(line);
    } else if (startsWith(line, kTargetOsMark)) {
      std::vector<std::string_view>& words = words_;
      wordsOf(line, words);
      std::string os;
      for (std::size_t i = 1; i < words.size(); ++i) {
        if (i > 1) os += ' ';
        os += words[i];
      }
      replaceSingle(lastOsLine_, line);
      config_.targetOs = os;
    } else if (const StatementKeyword keyword = statementKeywordOf(line, config_.disabledSign, &keywordEnd);
               keyword != StatementKeyword::None) {
      readStatement(line, keyword, keywordEnd);
    } else {
      while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.remove_suffix(1);
      if (!line.empty() && line.front() != '#') lose(lineNumber_, line);
      pending_.addLine(line.empty() ? line : line.substr(1));
      pendingSource_.push_back({lineNumber_, line});
    }
  }

  // Comment lines that no device or unit follows are lost. A line that was
  // neither statement nor comment was reported as it was read: a file of
  // such lines would otherwise list each twice before dropping the copies.
  void loseUnattachedComments() {
    const std::vector<LostLine>& lost = report_->lost;
    const std::size_t before = lost.size();
    const bool sorted = std::is_sorted(lost.begin(), lost.end(), comesBefore);
    for (const SourceLine& line : pendingSource_) {
      if (line.text == kBootHeading) continue;
      if (sorted) {
        const auto end = lost.begin() + static_cast<std::ptrdiff_t>(before);
        const auto found = std::lower_bound(lost.begin(), end, LostLine{line.number, {}}, comesBefore);
        if (found != end && found->number == line.number) continue;
      }
      lose(line.number, line.text);
    }
  }

  void readHeaderLine(std::string_view line) {
    const std::size_t colon = line.find(':');
    // A line holding the user name heading is the user name's, whatever else it holds.
    if (line.find(kUserNameHeading) != std::string_view::npos && colon != std::string_view::npos) {
      replaceSingle(lastUserLine_, line);
      config_.userName = trim(line.substr(colon + 1));
    } else if (line.find(kProjectNameHeading) != std::string_view::npos && colon != std::string_view::npos) {
      replaceSingle(lastProjectLine_, line);
      config_.projectName = trim(line.substr(colon + 1));
    } else if (!isWrittenHeaderLine(line)) {
      lose(lineNumber_, line);
    }
  }

  // Header lines that every save writes afresh; a rule of another length
  // (a banner of the user's own) is not one of them.
  static bool isWrittenHeaderLine(std::string_view line) {
    if (line.find_first_not_of('#') == std::string_view::npos) return line.size() == kHeaderRuleLength;
    return startsWith(line, kGeneralHeaderLine) || startsWith(line, kFileNameHeading) ||
           startsWith(line, kDateHeading);
  }

  // `line` is reported whole, disabled sign included, when it is lost; the
  // statement is what follows the sign.
  void readStatement(std::string_view line, StatementKeyword keyword, std::size_t keywordEnd) {
    std::string_view statement = line;
    bool disabledStatement = false;
    if (!config_.disabledSign.empty() && startsWith(line, config_.disabledSign)) {
      disabledStatement = true;
      statement.remove_prefix(config_.disabledSign.size());
      keywordEnd -= config_.disabledSign.size();
    }
    // A `set` hands all after the device name to the device; only other
    // statements use word3.
    std::string_view setName, setPairs;
    if (keyword == StatementKeyword::Set) {
      std::size_t pos = keywordEnd;
      setName = nextWord(statement, pos);
      setPairs = statement.substr(pos);
      // Without a "#" there is no trailing comment to look for.
      if (statement.find('#') == std::string_view::npos) {
        readSet(line, setName, setPairs);
        return;
      }
    }
    const bool keepWord3 = keyword != StatementKeyword::Set;
    std::vector<std::string_view>& words = words_;
    wordsOf(statement, words);
    std::string_view word2 = words.size() > 1 ? words[1] : std::string_view();
    std::string& word3 = word3_;
    word3.clear();
    if (keepWord3 && words.size() > 2) word3 = words[2];
    // A "#" inside a quoted value of a `set` (a path such as
    // "C:\disks #2\a.dsk") is part of the value, not the start of a comment.
    // Quotes group nothing elsewhere: not in a device name, nor in the words
    // of the other statements.
    auto quotes = [](std::string_view word) { return std::count(word.begin(), word.end(), '"'); };
    const bool pairsQuote = keyword == StatementKeyword::Set;
    bool quoted = pairsQuote && words.size() > 2 && quotes(words[2]) % 2 != 0;
    bool inComment = false;
    std::size_t commentFrom = std::string_view::npos;  // in setPairs
    for (std::size_t i = 3; i < words.size(); ++i) {
      std::string_view word = words[i];
      if (!quoted && !word.empty() && word.front() == '#') {
        // Every "#" word starts a comment line of its own.
        pending_.addLine(word.substr(1));
        if (!inComment) {
          pendingSource_.push_back({lineNumber_, line});
          if (pairsQuote) commentFrom = static_cast<std::size_t>(word.data() - setPairs.data());
        }
        inComment = true;
      } else if (inComment) {
        pending_.addWord(word);
      } else if (keepWord3) {
        word3 += ' ';
        word3 += word;
      }
      if (!inComment && pairsQuote) quoted ^= (quotes(word) % 2 != 0);
    }

    switch (keyword) {
      case StatementKeyword::Load: readLoad(line, word2, word3, disabledStatement); break;
      case StatementKeyword::Set: readSet(line, setName, setPairs, commentFrom); break;
      case StatementKeyword::Boot: readBoot(line, word2, word3); break;
      case StatementKeyword::Warning: readWarning(line, word2, word3); break;
      case StatementKeyword::Start: readStart(line, word2, word3); break;
      case StatementKeyword::None: break;
    }
  }

  void readLoad(std::string_view line, std::string_view word, const std::string& name, bool disabledStatement) {
    std::unique_ptr<VelmorBusDevice> device = createDeviceForLoadWord(word, name);
    if (!device) {
      messages_.warning("Unable to load device " + name + "!\nUnknown device type " + std::string(word));
      lose(lineNumber_, line);
      return;
    }
    // Every `set` and `boot` of such a device would reach the system entry,
    // and so would the lines a save writes for it.
    if (equalsIgnoreCase(name, "cpu") || equalsIgnoreCase(name, "mmu")) {
      messages_.warning("Unable to load device " + name + "!\nThe names CPU and MMU belong to the system.");
      lose(lineNumber_, line);
      return;
    }
    // `set` and `boot` name a device by one word and reach the first device
    // of that name: a device without a name, with a name of several words or
    // with the name of a device already loaded could never be set, and the
    // lines a save writes for it would fail or change another device.
    const NameProblem shape = checkNameShape(name);
    if (shape == NameProblem::Empty || shape == NameProblem::HasBlank) {
      messages_.warning("Unable to load device " + name + "!\nA device name must be one word.");
      lose(lineNumber_, line);
      return;
    }
    if (shape == NameProblem::TooLong) {
      messages_.warning("Unable to load device " + name + "!\nA device name must not be longer than " +
                        std::to_string(kMaxDeviceNameLength) + " characters.");
      lose(lineNumber_, line);
      return;
    }
    if (names_.contains(name)) {
      messages_.warning("Unable to load device " + name + "!\nDevice with such name already exists.");
      lose(lineNumber_, line);
      return;
    }
    // A load past a limit is not kept, so that a save of what was read reads
    // back whole.
    const bool tooManyDevices = config_.DeviceCount() + 1 > kMaxReadDevices;
    if (tooManyDevices || units_ + unitCountOf(*device) > kMaxReadUnits) {
      lose(lineNumber_, line);
      stopReading(tooManyDevices, false);
      return;
    }
    if (!pending_.empty()) {
      device->comments = pending_.take();
      noteEmptyComment(device->comments);
      pendingSource_.clear();
    }
    if (disabledStatement) device->disabled = true;
    if (device->kind() == DeviceKind::Timer) {
      if (activeTimer_) device->disabled = true;
      activeTimer_ = activeTimer_ || !device->disabled;
    } else if (device->kind() == DeviceKind::Clock) {
      if (activeClock_) device->disabled = true;
      activeClock_ = activeClock_ || !device->disabled;
    }
    VelmorBusDevice& added = config_.append(std::move(device));
    names_.add(added);
    units_ += unitCountOf(added);
    succeeded_ = true;
  }

  // The pairs hold the line's trailing comment words from `commentFrom` on.
  void readSet(std::string_view line, std::string_view name, std::string_view pairs,
               std::size_t commentFrom = std::string_view::npos) {
    DeviceNameIndex::Entry* entry = nullptr;
    VelmorDevice* device = names_.find(config_, name, &entry);
    if (!device) {
      const std::string n(name);
      messages_.warning("Unable to set a parameter for " + n + "!\nDevice" + n +
                        "isn't loaded or invalid device type has been specified!");
      lose(lineNumber_, line);
      return;
    }
    auto* controller = hasUnits(*device) ? static_cast<VelmorUnitDevice*>(device) : nullptr;
    auto* adapter = device->kind() == DeviceKind::Network ? static_cast<VelmorNetworkDevice*>(device) : nullptr;
    const NetworkPairs pairsBefore = adapter ? NetworkPairs{adapter->protocolsPairs(), adapter->addressPairs()}
                                             : NetworkPairs{};
    const bool systemHadComments = device == &config_.system && !device->comments.empty();
    const std::size_t unitsBefore = unitCountOf(*device);
    succeeded_ = device->parseSetPairs(pairs, commentFrom);
    recountUnits(*device, unitsBefore);
    // A `model` key clears the comments earlier statements gave the system entry.
    if (systemHadComments && device->comments.empty()) {
      for (const SourceLine& source : systemCommentLines_) lose(source.number, source.text);
      systemCommentLines_.clear();
    }
    if (adapter) noteNetworkTexts(*adapter, pairsBefore, line);
    if (device->refusedPairs() > 0) lose(lineNumber_, line);
    if (controller) {
      // A "[" in the name or the pairs may name a unit.
      const bool bracketed = name.find('[') != std::string_view::npos || pairs.find('[') != std::string_view::npos;
      noteUnitSettings(*entry, *controller, line, bracketed);
    }
    if (pending_.empty()) return;
    VelmorUnit* unit = nullptr;
    if (controller && controller->unitTouched()) unit = controller->unitAt(controller->lastUnitIndex());
    // A unit's comment lines go with the unit when a `model` key rebuilds
    // the units, as its settings do.
    if (unit)
      for (const SourceLine& source : pendingSource_) chainUnitLine(*entry, source, unit->number);
    else if (device == &config_.system)
      systemCommentLines_.insert(systemCommentLines_.end(), pendingSource_.begin(), pendingSource_.end());
    std::string& comments = unit ? unit->comments : device->comments;
    attachComment(comments, pending_.take());
    noteEmptyComment(comments);
    pendingSource_.clear();
  }

  // A lone "#" line gives comments that are empty text, which a save cannot
  // tell from none: it writes nothing for them.
  void noteEmptyComment(const std::string& comments) {
    if (comments.empty())
      for (const SourceLine& source : pendingSource_) lose(source.number, source.text);
  }

  void readBoot(std::string_view line, std::string_view name, const std::string& unitWord) {
    VelmorDevice* device = names_.find(config_, name);
    if (device && IsBootController(device->kind())) {
      const std::int32_t number = parseInteger(unitWord, 10);
      auto* controller = static_cast<VelmorUnitDevice*>(device);
      // A unit the controller does not have is reported like an unknown
      // device; one below a raised count is there, as for unit keys.
      const std::size_t unitsBefore = unitCountOf(*controller);
      VelmorUnit* unit = controller->unitWithinCount(number);
      recountUnits(*controller, unitsBefore);
      if (unit) {
        unit->setBoot(true);
        bootController_ = controller;
        bootLine_ = SourceLine{lineNumber_, line};
        succeeded_ = true;
        afterBoot_ = true;
        return;
      }
    }
    const std::string n(name);
    messages_.warning("Unable to boot from " + n + "!\nDevice " + n +
                      "isn't loaded or invalid device type has been specified!");
    lose(lineNumber_, line);
  }

  void readStart(std::string_view line, std::string_view name, const std::string& address) {
    VelmorDevice* device = names_.find(config_, name);
    if (device && device->kind() == DeviceKind::ROM) {
      auto* rom = static_cast<VelmorROMDevice*>(device);
      rom->start = true;
      rom->startAddress = parseNumber(address);
      startLines_.push_back({rom, {lineNumber_, line}});
      return;
    }
    lose(lineNumber_, line);
  }

  // A `model` key rebuilds the units: unit settings of earlier lines are
  // gone, and so are those of earlier pairs of the same line.
  void noteUnitSettings(DeviceNameIndex::Entry& entry, const VelmorUnitDevice& controller,
                        std::string_view line, bool bracketed) {
    if (controller.unitsRebuiltByLastParse()) {
      for (std::size_t i = entry.lastUnitLine; i != DeviceNameIndex::kNoLine; i = unitLines_[i].previous)
        lose(unitLines_[i].line.number, unitLines_[i].line.text);
      entry.lastUnitLine = DeviceNameIndex::kNoLine;
      if (controller.unitPairsDropped()) lose(lineNumber_, line);
    }
    const SourceLine source{lineNumber_, line};
    controller.unitsSet().forEach([&](int unit) { chainUnitLine(entry, source, unit); });
    if (controller.unitsSet().empty() && bracketed) chainUnitLine(entry, source, -1);
  }

  void chainUnitLine(DeviceNameIndex::Entry& entry, const SourceLine& line, int unit) {
    unitLines_.push_back({line, entry.lastUnitLine, unit});
    entry.lastUnitLine = unitLines_.size() - 1;
  }

  // What was set on a unit that a save leaves out is lost: a unit the kind
  // does not write (an offline disk unit or serial line, a tape or loader
  // unit without a file), and one beyond a `units` count lowered after unit
  // keys raised the list (its own file would refuse it), together with a
  // boot from such a unit. A unit left out that holds nothing a fresh one
  // does not loses nothing: its lines are not reported.
  void noteUnwrittenUnits() {
    if (!report_) return;
    names_.forEachEntry([&](DeviceNameIndex::Entry& entry) {
      if (!hasUnits(*entry.device)) return;
      const auto& controller = static_cast<const VelmorUnitDevice&>(*entry.device);
      enum class Loses : signed char { Unknown, No, Yes };
      std::vector<Loses> loses;  // per unit, worked out once: a long file may set one unit many times
      for (std::size_t i = entry.lastUnitLine; i != DeviceNameIndex::kNoLine; i = unitLines_[i].previous) {
        const int unit = unitLines_[i].unit;
        if (unit < 0 || static_cast<std::size_t>(unit) >= controller.unitCount()) continue;
        if (loses.empty()) loses.resize(controller.unitCount(), Loses::Unknown);
        Loses& answer = loses[static_cast<std::size_t>(unit)];
        if (answer == Loses::Unknown)
          answer = !controller.unitIsWritten(unit) && controller.unitHoldsSettings(unit) ? Loses::Yes : Loses::No;
        if (answer == Loses::Yes) lose(unitLines_[i].line.number, unitLines_[i].line.text);
      }
      const std::size_t readable = controller.readableUnitCount();
      if (bootLine_ && bootController_ == &controller && controller.bootUnitNumber() >= 0 &&
          static_cast<std::size_t>(controller.bootUnitNumber()) >= readable)
        lose(bootLine_->number, bootLine_->text);
    });
  }

  // The lines that set each text of a network adapter.
  void noteNetworkTexts(const VelmorNetworkDevice& adapter, const NetworkPairs& before, std::string_view line) {
    if (adapter.protocolsPairs() == before.protocols && adapter.addressPairs() == before.address) return;
    NetworkTextLines& lines = networkTextLines_[&adapter];
    if (adapter.protocolsPairs() != before.protocols) lines.protocols.push_back({lineNumber_, line});
    if (adapter.addressPairs() != before.address) lines.address.push_back({lineNumber_, line});
  }

  // A hardware adapter keeps both texts, but a save writes only the one its
  // interface uses: the lines that set the other are lost.
  void noteUnwrittenNetworkTexts() {
    for (const auto& [adapter, lines] : networkTextLines_) {
      if (!adapter->protocols.empty() && !adapter->writesProtocols())
        for (const SourceLine& line : lines.protocols) lose(line.number, line.text);
      if (!adapter->address.empty() && !adapter->writesAddress())
        for (const SourceLine& line : lines.address) lose(line.number, line.text);
    }
  }

  // Only the last of the lines that set one header value is written back.
  void replaceSingle(std::optional<SourceLine>& last, std::string_view line) {
    if (last) lose(last->number, last->text);
    last = SourceLine{lineNumber_, line};
  }

  // Any `warning` clears the flag; what is written back is "warning off",
  // without any further word (a "#" word right after "off" included).
  void readWarning(std::string_view line, std::string_view word2, const std::string& word3) {
    config_.warnings = false;
    if (!equalsIgnoreCase(word2, "off") || !word3.empty()) lose(lineNumber_, line);
  }

  // A save writes one start statement: the first ROM in list order that has
  // its start flag, with the address its last `start` gave.
  void noteUnwrittenStarts() {
    const VelmorROMDevice* written = nullptr;
    for (const auto& device : config_.list(DeviceListId::ROMs)) {
      const auto& rom = static_cast<const VelmorROMDevice&>(*device);
      if (rom.start) {
        written = &rom;
        break;
      }
    }
    const SourceLine* kept = nullptr;
    for (const auto& [rom, line] : startLines_)
      if (rom == written) kept = &line;
    for (const auto& [rom, line] : startLines_)
      if (&line != kept) lose(line.number, line.text);
  }

  // Reading ends at `boot`, but for the `start` statements a save writes
  // after it: without them a ROM's start flag would be gone at every open.
  // Anything else after the boot is lost.
  void readLineAfterBoot(std::string_view line) {
    std::size_t keywordEnd = 0;
    if (statementKeywordOf(line, config_.disabledSign, &keywordEnd) == StatementKeyword::Start)
      readStatement(line, StatementKeyword::Start, keywordEnd);
    else
      loseUnlessBlank(line);
  }

  // A statement may grow or shrink a device's unit list.
  void recountUnits(const VelmorDevice& device, std::size_t unitsBefore) {
    units_ = units_ - unitsBefore + unitCountOf(device);
  }

  static bool isPadding(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return isSpace(c) || c == '\0' || c == kEndOfTextMark; });
  }

  // What stands after the end mark is never read: lines holding more than
  // padding (blanks, NULs, further marks) are lost. The mark's own line is
  // then listed whole, mark included, in place of what it lost before it.
  void loseBeyondEndMark(std::string_view whole, std::size_t mark) {
    if (!report_) return;
    const std::size_t lf = mark == 0 ? std::string_view::npos : whole.rfind('\n', mark - 1);
    const std::size_t start = lf == std::string_view::npos ? 0 : lf + 1;
    // The mark's line was the last one read unless the mark begins it.
    std::size_t number = start < mark ? lineNumber_ : lineNumber_ + 1;
    bool markLine = true;
    forEachTextModeLine(whole.substr(start), [&](std::string_view line) {
      if (markLine && !isPadding(line.substr(mark - start + 1)))
        loseInstead(number, line);
      else if (!markLine && !isPadding(line))
        lose(number, line);
      markLine = false;
      ++number;
    });
  }

  // Lists `text` for line `number`, replacing what was listed for it.
  void loseInstead(std::size_t number, std::string_view text) {
    for (LostLine& lost : report_->lost)
      if (lost.number == number) {
        lost.text = text;
        return;
      }
    lose(number, text);
  }

  void loseUnlessBlank(std::string_view line) {
    if (!trim(line).empty()) lose(lineNumber_, line);
  }

  // The line just read takes the configuration past what the editor holds;
  // everything after it is reported lost. A `load` is refused whole; a `set`
  // or `boot` has done its work, and is kept.
  void stopReading(bool devices, bool lineKept) {
    stopped_ = true;
    const std::string limit =
        devices ? std::to_string(kMaxReadDevices) + " devices" : std::to_string(kMaxReadUnits) + " units";
    const std::string number = std::to_string(lineNumber_);
    messages_.warning("Unable to read the rest of the file!\n" +
                      (lineKept ? "After line " + number + " the configuration holds more than "
                                : "Line " + number + " would take the configuration past ") +
                      limit + ", more than the editor can hold.");
  }

  void lose(std::size_t number, std::string_view text) {
    if (!report_) return;
    // A line that set 256 units comes once per unit: one copy of it is enough.
    if (!report_->lost.empty() && report_->lost.back().number == number) return;
    report_->lost.push_back({number, std::string(text)});
  }

  Configuration& config_;
  UserMessages& messages_;
  ReadReport* report_;
  DeviceNameIndex names_;
  PendingComment pending_;
  std::vector<SourceLine> pendingSource_;  // where the pending comment came from, for the report
  std::vector<SourceLine> systemCommentLines_;  // where the system entry's comments came from
  std::vector<std::string_view> words_;
  std::string word3_;
  std::optional<SourceLine> lastOsLine_, lastUserLine_, lastProjectLine_;
  const VelmorUnitDevice* bootController_ = nullptr;
  std::optional<SourceLine> bootLine_;
  std::vector<std::pair<const VelmorROMDevice*, SourceLine>> startLines_;
  // Unit lines of every controller, each chained to the one before it of the
  // same controller: a `model` key that rebuilds the units reports them lost.
  struct UnitLine {
    SourceLine line;
    std::size_t previous;
    int unit;  // the unit the line set, -1 when it applied no unit key
  };
  std::vector<UnitLine> unitLines_;
  std::unordered_map<const VelmorNetworkDevice*, NetworkTextLines> networkTextLines_;
  std::size_t lineNumber_ = 0;
  std::size_t units_ = 0;  // what the configuration holds, against the limit
  bool stopped_ = false;
  bool succeeded_ = false;
  bool afterBoot_ = false;
  bool activeTimer_ = false;
  bool activeClock_ = false;
};

bool readFileBytes(const std::string& path, std::string& bytes) {
  // A folder opens as a stream on some systems and then fails to read.
  std::error_code error;
  if (std::filesystem::is_directory(nativePath(path), error)) return false;
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  try {
    // An endless source (a device such as /dev/zero) must not fill memory.
    char chunk[1 << 16];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
      const auto got = static_cast<std::size_t>(in.gcount());
      if (bytes.size() + got > kMaxScriptBytes) return false;
      bytes.append(chunk, got);
    }
  } catch (const std::exception&) {
    return false;
  }
  return !in.bad();
}

bool fileWriteDate(const std::string& path, std::string& date) {
  std::error_code error;
  const auto written = std::filesystem::last_write_time(nativePath(path), error);
  if (error) return false;
#ifdef _MSC_VER
  // Microsoft's file clock converts by way of UTC and has no to_sys.
  const auto systemTime = std::chrono::clock_cast<std::chrono::system_clock>(written);
#else
  const auto systemTime = std::chrono::file_clock::to_sys(written);
#endif
  const std::time_t seconds = std::chrono::system_clock::to_time_t(
      std::chrono::time_point_cast<std::chrono::system_clock::duration>(systemTime));
  std::tm local{};
  if (!LocalTimeOf(seconds, local)) return false;
  date = FormatReadDate(local.tm_mday, local.tm_mon + 1, local.tm_year + 1900, local.tm_hour, local.tm_min,
                        local.tm_sec);
  return true;
}

}  // namespace

std::string FormatReadDate(int day, int month, int year, int hour, int minute, int second) {
  return std::to_string(day) + "/" + std::to_string(month) + "/" + std::to_string(year) + " " +
         std::to_string(hour) + ":" + std::to_string(minute) + ":" + std::to_string(second);
}

bool ReadScriptBytes(Configuration& config, std::string_view bytes, UserMessages& messages, ReadReport* report) {
  const bool warningsBefore = config.warnings;
  try {
    return ScriptReader(config, messages, report).read(bytes);
  } catch (const std::bad_alloc&) {
    // Within the limits a file cannot ask for much, but a machine can still
    // run short: free what was read and keep nothing of the file, rather
    // than end the program.
    config.ResetConfiguration();
    config.warnings = warningsBefore;
    giveDefaultNames(config);
    if (report) std::vector<LostLine>().swap(report->lost);
    messages.warning("Unable to read the file!\nThe editor ran out of memory while reading it.");
    return false;
  }
}

bool ReadScript(Configuration& config, const std::string& path, UserMessages& messages, ReadReport* report) {
  config.currentPath = path;
  std::string bytes;
  if (!readFileBytes(path, bytes)) return false;
  const bool result = ReadScriptBytes(config, bytes, messages, report);
  config.fileName = path;
  std::string date;
  if (fileWriteDate(path, date)) config.date = date;
  return result;
}

bool ProjectNameReadsBack(std::string_view projectName) {
  return projectName.find(kUserNameHeading) == std::string_view::npos;
}
