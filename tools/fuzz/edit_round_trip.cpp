// A script, then a few of the editor's commands chosen by the input: whatever
// the commands leave must be saved in a layout that reads back with no message
// and no lost line and saves again to the same bytes, and the checker the
// commands kept up to date must flag what a checker built afresh flags.
// Run by tools/fuzz.sh edit.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "check/conflict_checker.h"
#include "config/configuration.h"
#include "config/device_properties.h"
#include "config/document.h"
#include "config/user_messages.h"
#include "tests/support/unchanged_sheet.h"
#include "tools/fuzz/saved_text_check.h"
#include "ui/group_table.h"

namespace {

// Answers every question from the input's next bit, as a user might.
class FuzzedUser : public UserMessages {
 public:
  void warning(const std::string&) override {}
  void stop(const std::string&) override {}
  bool askYesNo(const std::string&) override {
    const bool yes = answers_ & 1;
    answers_ >>= 1;
    return yes;
  }
  void setAnswers(unsigned answers) { answers_ = answers; }

 private:
  unsigned answers_ = 0;
};

constexpr const char* kTargetOsNames[] = {"Windows NT 4.0", "Digital UNIX", "Open VMS"};
// Names a user might type on the General page, the refused ones among them.
constexpr const char* kNames[] = {"NEW", "dua", "DLA", "X", "", "A B", "KWA", "ROA"};
// Comments a user might type: empty, several lines, and lines that look like statements.
constexpr const char* kComments[] = {"", "one", "two\r\nlines", "  blanks\tand tab", "#$load RL11 DLX", "load RL11 DLX",
                                     "set DUA units=2", "## User Name: x"};
constexpr const char* kSystemModels[] = {"PDP 11/94", "PDP 11/70", "PDP 11/23", "PDP 11/04"};

std::vector<VelmorBusDevice*> devicesOf(Configuration& config) {
  std::vector<VelmorBusDevice*> devices;
  for (DeviceListId id : kFindOrder)
    for (auto& device : config.list(id)) devices.push_back(device.get());
  return devices;
}

std::size_t bootDeviceCount(Configuration& config) {
  std::size_t count = 0;
  for (const VelmorBusDevice* device : devicesOf(config)) count += IsBootDevice(*device);
  return count;
}

// A sheet confirmed unchanged saves as before; one given a name or a comment
// only has to save as the rest demands. A boot device's sheet keeps it the
// one boot device by design, so a hand-written file with a boot and a start
// may lose the other one.
void runSheet(CVelmorCfgEditorDoc& document, VelmorBusDevice& device, std::uint8_t a, std::uint8_t b) {
  const std::string before = FormatScript(document.configuration());
  const bool textMustStay = b == 0 && (!IsBootDevice(device) || bootDeviceCount(document.configuration()) == 1);
  document.DeviceProperties(device, [&](VelmorBusDevice& copy, DeviceSheetValues& values) {
    values.general = unchangedGeneral(copy);
    values.comments = copy.comments;
    if (b & 1) values.general.name = kNames[a % std::size(kNames)];
    if (b & 2) values.comments = kComments[(a >> 3) % std::size(kComments)];
    return true;
  });
  if (textMustStay && FormatScript(document.configuration()) != before)
    fuzzFailure("an unchanged sheet changed the text", before + "\n----\n" + FormatScript(document.configuration()));
}

const std::string& scratchPath() {
  static const std::string path = "/dev/shm/velmor-fuzz-" + std::to_string(getpid()) + ".cfg";
  return path;
}

void runCommand(CVelmorCfgEditorDoc& document, std::uint8_t op, std::uint8_t a, std::uint8_t b, bool& addedSingly) {
  std::vector<VelmorBusDevice*> devices = devicesOf(document.configuration());
  VelmorBusDevice* device = devices.empty() ? nullptr : devices[a % devices.size()];
  switch (op % 8) {
    case 0: {
      const std::span<const GroupInfo> groups = groupTable();
      const GroupInfo& group = groups[1 + a % (groups.size() - 1)];
      const AddCommand& add = group.adds[b % group.adds.size()];
      if (group.kind == AddKind::Va1000 || group.kind == AddKind::ROM) addedSingly = true;
      document.AddDevice(group.kind, add.typeWord);
      break;
    }
    case 1:
      if (device) document.RemoveDevice(*device);
      break;
    case 2:
      if (device) document.Enable(*device);
      break;
    case 3:
      if (device) document.Disable(*device);
      break;
    case 4:
      document.SetGroupEnabled(static_cast<DeviceGroup>(a % kDeviceGroupCount), b & 1);
      break;
    case 5:
      document.SetTargetOs(kTargetOsNames[a % 3]);
      break;
    case 6:
      if (!device) break;
      // A confirmed sheet enters its device again as if added singly.
      if (device->kind() == DeviceKind::Va1000 || device->kind() == DeviceKind::ROM) addedSingly = true;
      runSheet(document, *device, a, b);
      break;
    default:
      document.SystemProperties([&](SystemSheetValues& values) {
        values.model = kSystemModels[a % std::size(kSystemModels)];
        values.memorySize = kMinMemorySize + 8 * (b % ((kMaxMemorySize - kMinMemorySize) / 8 + 1));
        values.comments = kComments[(b >> 4) % std::size(kComments)];
        return true;
      });
      break;
  }
}

// The findings of the kept checker against a fresh one. Va1000 adapters and
// ROMs added singly, or entered again by a sheet, take other vectors and
// buses by design, so such runs are left out.
void compareCheckers(const CVelmorCfgEditorDoc& document, const std::string& text) {
  ConflictChecker fresh(document.checker().systemBus());
  fresh.build(document.configuration());
  const std::vector<CheckEntry>& kept = document.checker().entries();
  if (kept.size() != fresh.entries().size()) fuzzFailure("checker entries differ in number", text);
  for (const CheckEntry& entry : fresh.entries()) {
    if (document.checker().hasConflict(entry.name) != entry.hasConflict) fuzzFailure("conflict flag differs", entry.name + "\n" + text);
    if (document.checker().hasBusError(entry.name) != entry.hasBusError) fuzzFailure("bus flag differs", entry.name + "\n" + text);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 3) return 0;
  const std::string sign = kFuzzedSigns[data[0] % 3];
  const std::size_t commands = data[1] % 16;
  const unsigned answers = data[2];
  if (size < 3 + 3 * commands) return 0;
  const std::uint8_t* command = data + 3;
  const std::string_view script(reinterpret_cast<const char*>(command + 3 * commands), size - 3 - 3 * commands);

  std::FILE* file = std::fopen(scratchPath().c_str(), "wb");
  if (!file) fuzzFailure("cannot write", scratchPath());
  std::fwrite(script.data(), 1, script.size(), file);
  std::fclose(file);

  FuzzedUser user;
  user.setAnswers(answers);
  CVelmorCfgEditorDoc document(user);
  document.configuration().disabledSign = sign;
  if (!document.OnOpenDocument(scratchPath())) return 0;
  bool addedSingly = false;
  for (std::size_t i = 0; i < commands; ++i, command += 3) runCommand(document, command[0], command[1], command[2], addedSingly);

  const std::string text = FormatScript(document.configuration());
  if (!addedSingly) compareCheckers(document, text);
  checkSavedTextReadsBack(document.configuration(), text);
  return 0;
}
