// A few bytes of script can ask for a device with 16 units, or for 256 units:
// at the line that goes past the device or unit limit the reader stops and
// reports the rest of the file lost. Also here: the limit on name length and
// what a read does when memory runs out.
#include <gtest/gtest.h>

#include <new>
#include <string>
#include <vector>

#include "config/configuration.h"
#include "config/device_properties.h"
#include "config/script_reader.h"
#include "devices/device_registry.h"
#include "devices/velmor_unit_device.h"
#include "support/recording_messages.h"

namespace {

// `count` lines of `line`, "%" replaced by the line's own number (a name).
std::string repeated(const std::string& line, std::size_t count) {
  std::string out;
  const std::size_t mark = line.find('%');
  for (std::size_t i = 0; i < count; ++i) out += line.substr(0, mark) + std::to_string(i) + line.substr(mark + 1) + "\r\n";
  return out;
}

std::size_t unitsHeld(const Configuration& config) {
  std::size_t units = 0;
  for (std::size_t id = 0; id < kDeviceListCount; ++id)
    for (const auto& device : config.list(static_cast<DeviceListId>(id)))
      if (const auto* controller = dynamic_cast<const VelmorUnitDevice*>(device.get())) units += controller->unitCount();
  return units;
}

std::size_t devicesHeld(const Configuration& config) {
  std::size_t devices = 0;
  for (std::size_t id = 0; id < kDeviceListCount; ++id) devices += config.list(static_cast<DeviceListId>(id)).size();
  return devices;
}

// After the line that goes past: a statement, a comment, a blank line and a statement.
const std::string kTail = "load TOY LATE\r\n# late comment\r\n  \r\nset LATE register=17777000\r\n";

}  // namespace

TEST(ReaderLimits, StopsAtTheLineThatGoesPastALimit) {
  // DJ11 lines come with 16 units each: 4,096 of them hold exactly the limit.
  const std::size_t fullOfUnits = kMaxReadUnits / 16;
  const std::string nearlyFull = repeated("load DJ11 Y%", fullOfUnits - 1);
  struct Case {
    const char* what;
    std::string script;
    std::size_t passingLine;
    bool kept;  // a `load` past a limit is refused; a `set` or `boot` has done its work
    std::string limit;
  } cases[] = {
      {"devices", repeated("load TOY C%", kMaxReadDevices + 1), kMaxReadDevices + 1, false, "65536 devices"},
      {"units of a load", repeated("load DJ11 Y%", fullOfUnits + 1), fullOfUnits + 1, false, "65536 units"},
      {"units of a model", nearlyFull + "load MSCP DU\r\nset DU units=400 model=UDA50\r\n", fullOfUnits + 1, true,
       "65536 units"},
      {"units of a unit key", nearlyFull + "load MSCP DU\r\nset DU units=400\r\nset DU file[255]=\"a.dsk\"\r\n",
       fullOfUnits + 2, true, "65536 units"},
      {"units of a boot", nearlyFull + "load MSCP DU\r\nset DU units=400\r\nboot DU 255\r\n", fullOfUnits + 2, true,
       "65536 units"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Configuration config;
    RecordingMessages messages;
    ReadReport report;
    EXPECT_TRUE(ReadScriptBytes(config, c.script + kTail, messages, &report));
    const std::string line = std::to_string(c.passingLine);
    EXPECT_EQ(messages.shown, std::vector<std::string>{"warning: Unable to read the rest of the file!\n" +
                                                       (c.kept ? "After line " + line +
                                                                     " the configuration holds more than "
                                                               : "Line " + line + " would take the configuration past ") +
                                                       c.limit + ", more than the editor can hold."});
    EXPECT_EQ(config.FindDevice("LATE"), nullptr);
    // The lines after the passing one but the blank one, in file order,
    // and the passing one itself when it is refused.
    std::vector<std::size_t> lost;
    for (const LostLine& l : report.lost) lost.push_back(l.number);
    std::vector<std::size_t> expected = {c.passingLine + 1, c.passingLine + 2, c.passingLine + 4};
    if (!c.kept) expected.insert(expected.begin(), c.passingLine);
    EXPECT_EQ(lost, expected);
    // A refused load leaves the configuration at the limit; a kept line takes it one step past at most.
    if (c.kept) {
      EXPECT_LE(unitsHeld(config), kMaxReadUnits + kMaxUnits);
    } else {
      EXPECT_LE(unitsHeld(config), kMaxReadUnits);
      EXPECT_LE(devicesHeld(config), kMaxReadDevices);
    }
  }
}

TEST(ReaderLimits, UnitsGivenBackCountNoMore) {
  Configuration config;
  RecordingMessages messages;
  ReadReport report;
  // 256 units (400 octal) lowered to 4 again, then 65,520 more: 16 below the limit.
  const std::string script = "load MSCP DU\r\nset DU units=400 model=UDA50\r\nset DU units=4 model=UDA50\r\n" +
                             repeated("load DJ11 Y%", kMaxReadUnits / 16 - 1) + "load TOY C\r\n";
  EXPECT_TRUE(ReadScriptBytes(config, script, messages, &report));
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_TRUE(report.lost.empty());
  EXPECT_EQ(unitsHeld(config), kMaxReadUnits - 12);
  EXPECT_NE(config.FindDevice("C"), nullptr);
}

TEST(ReaderLimits, DevicesAlreadyThereCount) {
  Configuration config;
  for (std::size_t i = 0; i < kMaxReadUnits / 16; ++i)
    config.append(createDeviceForLoadWord("DJ11", "Y" + std::to_string(i)));
  RecordingMessages messages;
  ReadReport report;
  // The configuration is full before the first line: nothing of the file is read.
  EXPECT_FALSE(ReadScriptBytes(config, "load DJ11 Z\r\nload TOY C\r\n", messages, &report));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_NE(messages.shown[0].find("Line 1 would take"), std::string::npos);
  ASSERT_EQ(report.lost.size(), 2u);
  EXPECT_EQ(report.lost[1].text, "load TOY C");
}

// Memory that runs out in the middle of a read, as on a machine without
// overcommit, stands in for by a message that cannot be shown.
TEST(ReaderLimits, RunningOutOfMemoryKeepsNothingOfTheFile) {
  class FailingOnce : public RecordingMessages {
   public:
    void warning(const std::string& text) override {
      if (!failed_) {
        failed_ = true;
        throw std::bad_alloc();
      }
      RecordingMessages::warning(text);
    }

   private:
    bool failed_ = false;
  } messages;
  Configuration config;
  ReadReport report;
  const std::string script =
      "## User Name: Ann\r\nwarning off\r\nset CPU model=\"PDP 11/73\"\r\nload MSCP DUA\r\n"
      "set DUA file[0]=\"a\" nokey=1\r\nload NONE X\r\nload MSCP DUB\r\n";
  EXPECT_FALSE(ReadScriptBytes(config, script, messages, &report));
  EXPECT_EQ(messages.shown,
            std::vector<std::string>{"warning: Unable to read the file!\nThe editor ran out of memory while reading it."});
  EXPECT_EQ(devicesHeld(config), 0u);
  EXPECT_TRUE(report.lost.empty());
  // As a new configuration, as an empty file would give.
  EXPECT_TRUE(config.warnings);
  EXPECT_EQ(config.system.model, "PDP 11/94");
  EXPECT_EQ(config.userName, "Default User");
  EXPECT_EQ(config.projectName, "Default Project");
}

// Every line a save writes for a device starts with its name.
TEST(ReaderLimits, ANameLongerThanAnyRealOneIsRefused) {
  const std::string longest(kMaxDeviceNameLength, 'N'), tooLong(kMaxDeviceNameLength + 1, 'T');
  Configuration config;
  RecordingMessages messages;
  ReadReport report;
  EXPECT_TRUE(ReadScriptBytes(config, "load DZ11 " + tooLong + "\r\nload DZ11 " + longest + "\r\n", messages, &report));
  EXPECT_EQ(messages.shown, std::vector<std::string>{"warning: Unable to load device " + tooLong +
                                                     "!\nA device name must not be longer than 255 characters."});
  ASSERT_EQ(devicesHeld(config), 1u);
  EXPECT_NE(config.FindDevice(longest), nullptr);
  ASSERT_EQ(report.lost.size(), 1u);
  EXPECT_EQ(report.lost[0].number, 1u);
}
