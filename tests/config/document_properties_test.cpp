#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "config/document.h"
#include "config/script_reader.h"
#include "config/script_writer.h"
#include "devices/device_registry.h"
#include "devices/rom_device.h"
#include "devices/velmor_unit_device.h"
#include "support/checker_checks.h"
#include "support/counting_window.h"
#include "support/device_script.h"
#include "support/recording_messages.h"
#include "support/unchanged_sheet.h"

namespace {

// A sheet confirmed with the values `edit` leaves in an unchanged sheet's values.
template <class Edit>
DeviceSheetRunner confirming(Edit edit) {
  return [edit](VelmorBusDevice& copy, DeviceSheetValues& values) {
    values.general = unchangedGeneral(copy);
    values.comments = copy.comments;
    edit(values);
    return true;
  };
}

DeviceSheetRunner confirmingUnchanged() {
  return confirming([](DeviceSheetValues&) {});
}

struct PropertiesTest : ::testing::Test {
  void SetUp() override {
    doc.OnNewDocument();
    doc.setWindow(&window);
    doc.setModified(false);
  }
  VelmorBusDevice& device(const std::string& name) { return *doc.configuration().FindBusDevice(name); }
  std::string add(AddKind kind, const std::string& type) {
    std::string name = doc.AddDevice(kind, type);
    doc.setModified(false);
    window.resets = 0;
    return name;
  }

  RecordingMessages messages;
  CountingWindow window;
  CVelmorCfgEditorDoc doc{messages};
};

}  // namespace

TEST_F(PropertiesTest, UnknownOrDisabledDeviceGetsNoSheet) {
  const std::string name = add(AddKind::Disk, "MSCP");
  doc.Disable(name);
  doc.setModified(false);
  bool shown = false;
  const DeviceSheetRunner runner = [&shown](VelmorBusDevice&, DeviceSheetValues&) { return shown = true; };
  EXPECT_FALSE(doc.DeviceProperties(name, runner));
  EXPECT_FALSE(doc.DeviceProperties("NOSUCH", runner));
  EXPECT_FALSE(shown);
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_FALSE(doc.isModified());
  EXPECT_EQ(window.resets, 0);
}

TEST_F(PropertiesTest, CancelLeavesTheDeviceUntouched) {
  const std::string name = add(AddKind::Serial, "DL11");
  device(name).comments = "kept";
  const std::string before = writtenForm(device(name));
  // The sheet edits its copy freely; none of it may reach the device.
  EXPECT_FALSE(doc.DeviceProperties(name, [](VelmorBusDevice& copy, DeviceSheetValues& values) {
    copy.name = "XX";
    copy.setType("DHV11");
    values.general.name = "XX";
    return false;
  }));
  EXPECT_EQ(writtenForm(device(name)), before);
  EXPECT_EQ(static_cast<VelmorUnitDevice&>(device(name)).unitCount(), 1u);
  EXPECT_FALSE(doc.isModified());
  EXPECT_EQ(window.resets, 0);
}

TEST_F(PropertiesTest, ConfirmedUnchangedSheetMarksModifiedAndRebuilds) {
  const std::string name = add(AddKind::Disk, "RL11");
  device(name).comments = "first\r\nsecond";
  device(name).registerAddress = 017774410;  // not the model's default
  const std::string before = writtenForm(device(name));
  EXPECT_TRUE(doc.DeviceProperties(name, confirmingUnchanged()));
  EXPECT_EQ(writtenForm(device(name)), before);
  EXPECT_TRUE(doc.isModified());
  EXPECT_EQ(window.resets, 1);
}

TEST_F(PropertiesTest, WriteBackReadsTextsAsAScriptWould) {
  const std::string name = add(AddKind::Serial, "DL11");
  ASSERT_TRUE(doc.DeviceProperties(name, confirming([](DeviceSheetValues& values) {
    values.general.type = "DHV11";
    values.general.model = "";
    values.general.name = "YVA";
    values.general.registerText = "17760440";
    values.general.vectorText = "300.";  // decimal with the point
    values.general.priorityText = "junk";
    values.general.unitsText = "16";  // decimal, the point is added
    values.comments = "line";
  })));
  VelmorBusDevice& rewritten = device("YVA");
  EXPECT_EQ(rewritten.type, "DHV11");
  EXPECT_EQ(rewritten.registerAddress, 017760440);
  EXPECT_EQ(rewritten.vector, 300);
  EXPECT_EQ(rewritten.priority, 0);
  EXPECT_EQ(rewritten.units, 16);
  EXPECT_EQ(rewritten.comments, "line");
  EXPECT_EQ(doc.configuration().FindBusDevice(name), nullptr);
}

TEST_F(PropertiesTest, NewTypeRebuildsTheUnitsToThePagesCount) {
  const std::string name = add(AddKind::Serial, "DL11");
  ASSERT_TRUE(doc.DeviceProperties(name, confirming([](DeviceSheetValues& values) {
    values.general.type = "DZ11";
    values.general.model = "DZV11";
    values.general.unitsText = "8";
  })));
  auto& rewritten = static_cast<VelmorUnitDevice&>(device(name));
  EXPECT_EQ(rewritten.model, "DZV11");
  EXPECT_EQ(rewritten.units, 8);
  EXPECT_EQ(rewritten.unitCount(), 8u);
  EXPECT_EQ(rewritten.bus, BusQbus);
}

// A new type or model sets the device's defaults afresh, comments included;
// the Comments page's text is written after them, so it is kept.
TEST_F(PropertiesTest, NewTypeOrModelKeepsTheCommentsOfThePage) {
  const std::string name = add(AddKind::Disk, "MSCP");
  device(name).comments = "system disk";
  ASSERT_TRUE(doc.DeviceProperties(name, confirming([](DeviceSheetValues& values) {
    values.general.type = "RL11";
    values.comments = "system disk\r\nmoved to an RL11";
  })));
  EXPECT_EQ(device(name).type, "RL11");
  EXPECT_EQ(device(name).comments, "system disk\r\nmoved to an RL11");
  ASSERT_TRUE(doc.DeviceProperties(name, confirming([](DeviceSheetValues& values) {
    values.general.model = "RLV12";
  })));
  EXPECT_EQ(device(name).model, "RLV12");
  EXPECT_EQ(device(name).comments, "system disk\r\nmoved to an RL11");
}

TEST_F(PropertiesTest, UnchangedTypeKeepsAUnitCountAScriptSet) {
  const std::string name = add(AddKind::Disk, "MSCP");
  auto& disk = static_cast<VelmorUnitDevice&>(device(name));
  const std::size_t built = disk.unitCount();
  disk.units = 2;  // as "set DUA units=2" leaves it: the list stays
  EXPECT_TRUE(doc.DeviceProperties(name, confirmingUnchanged()));
  EXPECT_EQ(disk.units, 2);
  EXPECT_EQ(disk.unitCount(), built);
}

// A type chosen on the page and then undone shows the model's count, not the
// one a script set: the device keeps its own count and units, and does not
// pass for the boot device through a unit its file could not hold.
TEST_F(PropertiesTest, TypeChosenAndUndoneKeepsTheCountAndTheUnits) {
  const std::string name = add(AddKind::Disk, "MSCP");
  const std::string rom = add(AddKind::ROM, "ROM");
  auto& disk = static_cast<VelmorUnitDevice&>(device(name));
  ASSERT_TRUE(disk.parseSetStatement("set " + name + " units=6. file[5]=five.dsk"));
  disk.unit(5).setBoot(true);
  static_cast<VelmorROMDevice&>(device(rom)).start = true;
  ASSERT_TRUE(doc.DeviceProperties(name, confirming([](DeviceSheetValues& values) { values.general.unitsText = "4"; })));
  EXPECT_EQ(disk.units, 6);
  EXPECT_EQ(disk.unitCount(), 6u);
  EXPECT_EQ(disk.unit(5).file, "five.dsk");
  EXPECT_EQ(disk.bootUnitNumber(), 5);
  EXPECT_NE(FormatScript(doc.configuration()).find("boot " + name + " 5"), std::string::npos);
}

// A new type or model rebuilds the units, and what they held comes back into
// the units of the same numbers that the new count still has.
TEST_F(PropertiesTest, NewTypeOrModelKeepsWhatTheUnitsHeld) {
  struct Case {
    const char* type;
    const char* model;
    const char* units;
    bool bootKept;  // the boot unit is unit 6
  } cases[] = {
      {"RH11", "RM03", "8", true},  // a new model, the same count
      {"RL11", "", "4", false},     // a new type with fewer units
  };
  for (const Case& c : cases) {
    const std::string name = add(AddKind::Disk, "RH11");
    auto& disk = static_cast<VelmorUnitDevice&>(device(name));
    ASSERT_TRUE(disk.parseSetStatement("set " + name + " file[0]=a.dsk writeprotect[0]=yes file[6]=g.dsk"));
    disk.unit(0).comments = "system disk";
    disk.unit(6).setBoot(true);
    ASSERT_TRUE(doc.DeviceProperties(name, confirming([&](DeviceSheetValues& values) {
      values.general.type = c.type;
      values.general.model = c.model;
      values.general.unitsText = c.units;
    })));
    auto& rewritten = static_cast<VelmorUnitDevice&>(device(name));
    EXPECT_EQ(rewritten.type, c.type);
    EXPECT_EQ(rewritten.unitCount(), static_cast<std::size_t>(std::stoi(c.units))) << c.type;
    EXPECT_EQ(rewritten.unit(0).file, "a.dsk") << c.type;
    EXPECT_EQ(rewritten.unit(0).comments, "system disk") << c.type;
    EXPECT_EQ(rewritten.unit(0).number, 0);
    EXPECT_EQ(rewritten.bootUnitNumber(), c.bootKept ? 6 : -1) << c.type;
    const std::string text = FormatScript(doc.configuration());
    EXPECT_NE(text.find("set " + name + " file[0]=\"a.dsk\""), std::string::npos) << text;
    EXPECT_NE(text.find("set " + name + " writeprotect[0]=1"), std::string::npos) << text;
    doc.RemoveDevice(name);
  }
}

// Lines taken over by another serial type keep their parity, but only DL11
// lines are read with one: the saved file must not carry it for the others.
TEST_F(PropertiesTest, NewSerialTypeSavesAFileThatReadsBack) {
  const std::string name = add(AddKind::Serial, "DL11");
  ASSERT_TRUE(device(name).parseSetStatement("set " + name + " line[0]=\"run terminal\" parity[0]=odd"));
  ASSERT_TRUE(doc.DeviceProperties(name, confirming([](DeviceSheetValues& values) {
    values.general.type = "DZ11";
    values.general.model = "";
    values.general.unitsText = "8";
  })));
  const std::string text = FormatScript(doc.configuration());
  EXPECT_EQ(text.find("parity"), std::string::npos) << text;
  Configuration back;
  RecordingMessages backMessages;
  ReadReport report;
  EXPECT_TRUE(ReadScriptBytes(back, text, backMessages, &report)) << text;
  EXPECT_TRUE(report.lost.empty()) << text;
}

// Renaming one of two devices that share a name: the checker describes the
// devices as they are afterwards, not a stale entry of the renamed one.
TEST_F(PropertiesTest, RenamingADeviceOfASharedNameKeepsTheCheckerRight) {
  // A script cannot load two devices of one name; a configuration can hold them.
  doc.configuration().append(createDeviceForLoadWord("MSCP", "XA"));
  VelmorBusDevice& serial = doc.configuration().append(createDeviceForLoadWord("DL11", "XA"));
  ASSERT_TRUE(doc.DeviceProperties(serial, confirming([](DeviceSheetValues& values) { values.general.name = "XB"; })));
  expectCheckerMatchesAFreshOne(doc.checker(), doc.configuration());
}

TEST_F(PropertiesTest, KindPagesWriteAfterTheGeneralValues) {
  const std::string name = add(AddKind::Disk, "RL11");
  ASSERT_TRUE(doc.DeviceProperties(name, [](VelmorBusDevice& copy, DeviceSheetValues& values) {
    values.general = unchangedGeneral(copy);
    values.general.registerText = "17774420";
    values.specificWriters.push_back([](VelmorBusDevice& target) {
      // Runs on the rewritten device: its new register is already in place.
      EXPECT_EQ(target.registerAddress, 017774420);
      target.vector = 0200;
    });
    // A second page's writer runs after the first.
    values.specificWriters.push_back([](VelmorBusDevice& target) { target.vector += 4; });
    return true;
  }));
  EXPECT_EQ(device(name).vector, 0204);
}

TEST_F(PropertiesTest, ConfirmedDiskSheetKeepsItTheOnlyBootDevice) {
  const std::string first = add(AddKind::Disk, "MSCP");
  const std::string second = add(AddKind::Disk, "RL11");
  const std::string rom = add(AddKind::ROM, "ROM");
  static_cast<VelmorUnitDevice&>(device(first)).unit(0).setBoot(true);
  static_cast<VelmorROMDevice&>(device(rom)).start = true;
  // The unit page marks unit 1 of the second controller as the boot unit.
  ASSERT_TRUE(doc.DeviceProperties(second, [](VelmorBusDevice& copy, DeviceSheetValues& values) {
    values.general = unchangedGeneral(copy);
    values.specificWriters.push_back([](VelmorBusDevice& target) {
      static_cast<VelmorUnitDevice&>(target).unit(1).setBoot(true);
    });
    return true;
  }));
  EXPECT_EQ(static_cast<VelmorUnitDevice&>(device(second)).bootUnitNumber(), 1);
  EXPECT_EQ(static_cast<VelmorUnitDevice&>(device(first)).bootUnitNumber(), -1);
  EXPECT_FALSE(static_cast<VelmorROMDevice&>(device(rom)).start);
}

// A ROM started from its sheet is the one boot device too.
TEST_F(PropertiesTest, ConfirmedRomSheetWithStartKeepsItTheOnlyBootDevice) {
  const std::string disk = add(AddKind::Disk, "MSCP");
  const std::string rom = add(AddKind::ROM, "ROM");
  static_cast<VelmorUnitDevice&>(device(disk)).unit(0).setBoot(true);
  ASSERT_TRUE(doc.DeviceProperties(rom, [](VelmorBusDevice& copy, DeviceSheetValues& values) {
    values.general = unchangedGeneral(copy);
    values.specificWriters.push_back([](VelmorBusDevice& target) { static_cast<VelmorROMDevice&>(target).start = true; });
    return true;
  }));
  EXPECT_TRUE(static_cast<VelmorROMDevice&>(device(rom)).start);
  EXPECT_EQ(static_cast<VelmorUnitDevice&>(device(disk)).bootUnitNumber(), -1);
}

TEST_F(PropertiesTest, ConfirmedSerialSheetLeavesBootDevicesAlone) {
  const std::string disk = add(AddKind::Disk, "MSCP");
  const std::string serial = add(AddKind::Serial, "DL11");
  static_cast<VelmorUnitDevice&>(device(disk)).unit(0).setBoot(true);
  ASSERT_TRUE(doc.DeviceProperties(serial, confirmingUnchanged()));
  EXPECT_EQ(static_cast<VelmorUnitDevice&>(device(disk)).bootUnitNumber(), 0);
}

TEST_F(PropertiesTest, CheckerFollowsTheRenamedDevice) {
  const std::string first = add(AddKind::Serial, "DL11");
  const std::string second = add(AddKind::Disk, "RL11");
  ASSERT_TRUE(doc.DeviceProperties(first, confirming([](DeviceSheetValues& values) { values.general.name = "CONS"; })));
  const std::vector<CheckEntry>& entries = doc.checker().entries();
  ASSERT_EQ(entries.size(), 2u);
  // Removed by its old name, added again at the end under the new one.
  EXPECT_EQ(entries[0].name, second);
  EXPECT_EQ(entries[1].name, "CONS");
}

TEST_F(PropertiesTest, WriteBackRefusesANameThePageWouldRefuse) {
  const std::string first = add(AddKind::Disk, "MSCP");
  const std::string second = add(AddKind::Disk, "MSCP");
  const std::string before = writtenForm(device(second));
  EXPECT_FALSE(doc.DeviceProperties(second, confirming([&first](DeviceSheetValues& values) {
    values.general.name = first;
  })));
  EXPECT_EQ(messages.shown, std::vector<std::string>{"stop: Device with such name already exists. Specify another name."});
  EXPECT_EQ(writtenForm(device(second)), before);
  EXPECT_FALSE(doc.isModified());
}

TEST_F(PropertiesTest, NameRules) {
  const std::string dua = add(AddKind::Disk, "MSCP");  // DUA
  add(AddKind::Serial, "DL11");                        // YLA
  Configuration& config = doc.configuration();
  struct Case {
    const char* name;
    NameProblem expected;
    const char* why;
  };
  const std::string longest(kMaxDeviceNameLength, 'N'), tooLong(kMaxDeviceNameLength + 1, 'N');
  const Case cases[] = {
      {longest.c_str(), NameProblem::None, "as long as a name may be"},
      {tooLong.c_str(), NameProblem::TooLong, "a save repeats the name on every line"},
      {"DUA", NameProblem::None, "its own name"},
      {"dua", NameProblem::None, "its own name in other letter case"},
      {"DUB", NameProblem::None, "a free name"},
      {"yla", NameProblem::Taken, "another device's name in other letter case"},
      {"CPU", NameProblem::Taken, "the system entry answers to cpu"},
      {"mmu", NameProblem::Taken, "and to mmu"},
      {"", NameProblem::Empty, "empty"},
      {"DU A", NameProblem::HasBlank, "a blank would cut the tree's lookup"},
      {"DU\tA", NameProblem::HasBlank, "so would a tab"},
  };
  for (const Case& c : cases) EXPECT_EQ(checkDeviceName(config, c.name, dua), c.expected) << c.why;
  EXPECT_EQ(nameProblemText(NameProblem::Empty), "Empty device name is not allowed.Specify valid name.");
  EXPECT_EQ(nameProblemText(NameProblem::Taken), "Device with such name already exists. Specify another name.");
  EXPECT_EQ(nameProblemText(NameProblem::TooLong),
            "Device name must not be longer than 255 characters. Specify valid name.");
  EXPECT_EQ(nameProblemText(NameProblem::None), "");
}

TEST_F(PropertiesTest, LoaderSheetWritesUnitsAndCommentsOnly) {
  const std::string name = add(AddKind::Loader, "LOADER");
  const std::size_t entries = doc.checker().entries().size();
  const std::string type = device(name).type;
  bool unitsWritten = false;
  ASSERT_TRUE(doc.DeviceProperties(name, [&unitsWritten](VelmorBusDevice&, DeviceSheetValues& values) {
    values.comments = "boot image";
    values.specificWriters.push_back([&unitsWritten](VelmorBusDevice&) { unitsWritten = true; });
    return true;  // no General page: its values stay empty
  }));
  EXPECT_TRUE(unitsWritten);
  EXPECT_EQ(device(name).comments, "boot image");
  EXPECT_EQ(device(name).type, type);
  EXPECT_EQ(device(name).name, name);
  EXPECT_EQ(doc.checker().entries().size(), entries);
  EXPECT_TRUE(doc.isModified());
  EXPECT_EQ(window.resets, 1);
}

// A boot unit chosen on a loader's sheet makes the loader the one boot
// device; a loader sheet without one leaves the others alone.
TEST_F(PropertiesTest, LoaderSheetKeepsASingleBootDevice) {
  const std::string disk = add(AddKind::Disk, "MSCP");
  const std::string loader = add(AddKind::Loader, "LOADER");
  auto& dua = static_cast<VelmorUnitDevice&>(device(disk));
  dua.unit(0).setBoot(true);
  ASSERT_TRUE(doc.DeviceProperties(loader, [](VelmorBusDevice&, DeviceSheetValues&) { return true; }));
  EXPECT_EQ(dua.bootUnitNumber(), 0);
  ASSERT_TRUE(doc.DeviceProperties(loader, [](VelmorBusDevice&, DeviceSheetValues& values) {
    values.specificWriters.push_back(
        [](VelmorBusDevice& target) { static_cast<VelmorUnitDevice&>(target).unit(0).setBoot(true); });
    return true;
  }));
  EXPECT_EQ(static_cast<VelmorUnitDevice&>(device(loader)).bootUnitNumber(), 0);
  EXPECT_EQ(dua.bootUnitNumber(), -1);
}

TEST_F(PropertiesTest, SystemSheetSetsModelSizeCommentsAndTheCheckersBus) {
  const std::string name = add(AddKind::Serial, "DL11");  // a UNIBUS device
  ASSERT_TRUE(doc.SystemProperties([](SystemSheetValues& values) {
    EXPECT_EQ(values.model, "PDP 11/94");
    EXPECT_EQ(values.memorySize, 512);
    values.model = "PDP 11/73";
    values.memorySize = 4088;
    values.comments = "qbus system";
    return true;
  }));
  const VelmorBaseDevice& system = doc.configuration().system;
  EXPECT_EQ(system.model, "PDP 11/73");
  EXPECT_EQ(system.memorySize, 4088);
  EXPECT_EQ(system.comments, "qbus system");
  EXPECT_EQ(system.bus, BusQbus);
  EXPECT_EQ(doc.checker().systemBus(), BusQbus);
  EXPECT_TRUE(doc.checker().hasBusError(name));
  EXPECT_TRUE(doc.isModified());
  EXPECT_EQ(window.resets, 1);
}

TEST_F(PropertiesTest, CancelledSystemSheetChangesNothing) {
  EXPECT_FALSE(doc.SystemProperties([](SystemSheetValues& values) {
    values.model = "PDP 11/73";
    return false;
  }));
  EXPECT_EQ(doc.configuration().system.model, "PDP 11/94");
  EXPECT_FALSE(doc.isModified());
}

TEST(MemorySizeRule, RangeMultipleOfEightAndIntegers) {
  const std::string range = "Please, enter value between 512 and 4088.\nThis value must be multiple of 8.";
  const std::string integer = "Please enter an integer.";
  struct Case {
    const char* text;
    std::string refusal;
    std::int32_t size;
  };
  const Case cases[] = {
      {"512", "", 512},       {"4088", "", 4088},    {" 1024 ", "", 1024},  // blanks around are fine
      {"4090", range, 0},     {"4096", range, 0},    {"504", range, 0},     {"-8", range, 0},
      {"1020", range, 0},     // in range but not a multiple of 8
      {"", integer, 0},       {"abc", integer, 0},   {"1024kb", integer, 0}, {"1024.", integer, 0},
      {"-", integer, 0},      {"99999999999", integer, 0},  // does not fit an integer
  };
  for (const Case& c : cases) {
    std::int32_t size = 0;
    EXPECT_EQ(checkMemorySize(c.text, size), c.refusal) << c.text;
    EXPECT_EQ(size, c.size) << c.text;
  }
}

// A double quote would end the written model early, and the saved file would
// refuse the line; a line feed would split the line in two.
TEST(CpuModelRule, RefusesWhatWouldBreakTheWrittenLine) {
  EXPECT_EQ(checkCpuModel("PDP 11/94"), "");
  EXPECT_EQ(checkCpuModel("PDP 11/94 \"fast\""), "The CPU model cannot contain a double quote.");
  EXPECT_EQ(checkCpuModel("PDP 11/94\r\n"), "The CPU model cannot contain a line break.");
  EXPECT_EQ(checkCpuModel("PDP 11/94\nload DL11 TTZ"), "The CPU model cannot contain a line break.");
  EXPECT_EQ(checkCpuModel("PDP\r11/94"), "");  // a CR alone reads back as written
}

TEST(QuotedValueRule, NamesTheFieldInItsRefusal) {
  EXPECT_EQ(checkQuotedValue("file name", "C:\\disks\\a b.dsk"), "");
  EXPECT_EQ(checkQuotedValue("file name", "a\"b"), "The file name cannot contain a double quote.");
  EXPECT_EQ(checkQuotedValue("host name", "host\n"), "The host name cannot contain a line break.");
}

TEST(IntegerFieldRule, ReadsDecimalIntegersOnly) {
  struct Case {
    const char* text;
    bool read;
    std::int32_t value;
  };
  const Case cases[] = {
      {"0", true, 0},          {" 42 ", true, 42},        {"-7", true, -7},        {"+7", true, 7},
      {"2147483647", true, INT32_MAX},                    {"-2147483648", true, INT32_MIN},
      {"2147483648", false, 0}, {"", false, 0},           {"12a", false, 0},       {"0x10", false, 0},
      {"1 2", false, 0},       {"-", false, 0},           {"017", true, 17},  // decimal, not octal
  };
  for (const Case& c : cases) {
    std::int32_t value = 0;
    EXPECT_EQ(readIntegerText(c.text, value), c.read) << c.text;
    EXPECT_EQ(value, c.value) << c.text;
  }
}

// A script reads "19" as 1; an address field refuses it instead. No value
// means the text is refused.
TEST(OctalFieldRule, ReadsOctalOrDecimalWithPointOnly) {
  const std::pair<const char*, std::optional<std::int32_t>> cases[] = {
      {"17", 017},      {" 760 ", 0760},   {"-10", -010},     {"+7", 7},          {"19.", 19},
      {"-19.", -19},    {"19", {}},        {"", {}},          {".", {}},          {"-", {}},
      {"lots", {}},     {"1 2", {}},       {"0x10", {}},      {"17777777777", INT32_MAX},
      {"20000000000", {}},                 {"-20000000000", INT32_MIN},           {"2147483647.", INT32_MAX},
      {"2147483648.", {}},                 {"-2147483648.", INT32_MIN},
  };
  for (const auto& [text, expected] : cases) {
    std::int32_t value = 0;
    EXPECT_EQ(readOctalText(text, value), expected.has_value()) << text;
    if (expected) {
      EXPECT_EQ(value, *expected) << text;
    }
  }
}

// OK on an unchanged sheet keeps what only the device knows: unit files, the
// boot unit and the kind's own fields.
TEST(DevicePropertiesUnchanged, OkKeepsUnitsAndKindFields) {
  RecordingMessages messages;
  CVelmorCfgEditorDoc doc(messages);
  ASSERT_TRUE(ReadScriptBytes(doc.configuration(),
                              "load MSCP DUA\nset DUA file[1]=\"b.dsk\"\nload ROM ROA\nset ROA image=\"m.img\" "
                              "rom_size=512.\nboot DUA 1\n",
                              messages));
  for (const char* name : {"DUA", "ROA"}) {
    const std::string before = FormatScript(doc.configuration());
    EXPECT_TRUE(doc.DeviceProperties(name, confirming([](DeviceSheetValues&) {})));
    EXPECT_EQ(FormatScript(doc.configuration()), before) << name;
  }
}
