#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <limits>
#include <stdexcept>

#include "config/configuration.h"
#include "config/script_reader.h"
#include "config/script_writer.h"
#include "devices/device_registry.h"
#include "devices/rom_device.h"
#include "devices/text_utils.h"
#include "devices/velmor_unit_device.h"
#include "support/recording_messages.h"
#include "support/test_files.h"

namespace {

const std::string kRule(73, '#');

std::tm at(int year, int month, int day, int hour, int minute, int second) {
  std::tm when{};
  when.tm_year = year - 1900;
  when.tm_mon = month - 1;
  when.tm_mday = day;
  when.tm_hour = hour;
  when.tm_min = minute;
  when.tm_sec = second;
  return when;
}

const std::tm kSaveTime = at(2026, 12, 6, 14, 5, 9);

// The device the reader would make for `load WORD NAME`.
VelmorBusDevice& load(Configuration& config, const char* word, const char* name) {
  std::unique_ptr<VelmorBusDevice> device = createDeviceForLoadWord(word, name);
  EXPECT_TRUE(device) << "no kind loads " << word;
  if (!device) throw std::runtime_error("missing kind");
  return config.append(std::move(device));
}

void setBootUnit(VelmorBusDevice& device, int number) {
  VelmorUnit* unit = static_cast<VelmorUnitDevice&>(device).unitAt(number);
  ASSERT_TRUE(unit);
  unit->setBoot(true);
}

std::string afterBootHeading(const std::string& text) {
  const std::string heading = "\n\n# Boot Device\n";
  const std::size_t at = text.rfind(heading);
  return at == std::string::npos ? "<no boot heading>" : text.substr(at + heading.size());
}

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  for (std::string_view line : splitLines(text)) lines.emplace_back(line);
  return lines;
}

class ScriptFile : public ::testing::Test {
 protected:
  std::string path(const char* name) const { return (std::filesystem::path(dir_) / name).string(); }
  std::string dir_ = makeTempDir();
};

}  // namespace

TEST(WriteDate, TwoDigitFieldsMonthFirst) {
  struct Case {
    std::tm when;
    const char* text;
  } cases[] = {
      {at(2026, 12, 6, 14, 5, 9), "12/06/26 14:05:09"},
      {at(2001, 9, 9, 1, 46, 40), "09/09/01 01:46:40"},
      {at(2000, 1, 1, 0, 0, 0), "01/01/00 00:00:00"},  // the year 2000 is "00", not "100"
      {at(1999, 10, 31, 23, 59, 59), "10/31/99 23:59:59"},
  };
  for (const Case& c : cases) {
    Configuration config;
    StampWriteDate(config, c.when);
    EXPECT_EQ(config.date, c.text);
  }
  // The last year the C library can break a time into (2147485547): adding
  // 1900 to its count would pass the int range.
  std::tm last = at(2000, 12, 31, 23, 59, 59);
  last.tm_year = std::numeric_limits<int>::max();
  Configuration config;
  StampWriteDate(config, last);
  EXPECT_EQ(config.date, "12/31/47 23:59:59");
}

TEST(FormatScript, NewConfigurationHasEmptyHeaderValuesAndTheSystemEntryOnly) {
  Configuration config;
  StampWriteDate(config, kSaveTime);
  EXPECT_EQ(FormatScript(config), kRule +
                                      "\n"
                                      "## This is general header for the configuration file.\n"
                                      "## File Name: \n"
                                      "## Date Of Writing: 12/06/26 14:05:09\n"
                                      "## User Name: \n"
                                      "## Project Name: \n" +
                                      kRule +
                                      "\n"
                                      "\n"
                                      "#OS Windows NT 4.0\n"
                                      "\n"
                                      "set CPU model=\"PDP 11/94\"\n"
                                      "set MMU memory_size=1000\n"
                                      "\n"
                                      "\n"
                                      "# Boot Device\n");
}

TEST(FormatScript, HeaderValuesAndWarningOff) {
  Configuration config;
  config.fileName = "C:\\cfg\\rsx.cfg";
  config.date = "9/5/2026 7:5:3";  // as read; FormatScript leaves the date alone
  config.userName = "Ann";
  config.projectName = "Apollo";
  config.targetOs = "Open VMS";
  config.warnings = false;
  const std::vector<std::string> lines = linesOf(FormatScript(config));
  ASSERT_GE(lines.size(), 14u);
  EXPECT_EQ(lines[2], "## File Name: C:\\cfg\\rsx.cfg");
  EXPECT_EQ(lines[3], "## Date Of Writing: 9/5/2026 7:5:3");
  EXPECT_EQ(lines[4], "## User Name: Ann");
  EXPECT_EQ(lines[5], "## Project Name: Apollo");
  EXPECT_EQ(lines[8], "#OS Open VMS");
  EXPECT_EQ(lines[9], "");
  EXPECT_EQ(lines[10], "warning off");
  EXPECT_EQ(lines[11], "");
  EXPECT_EQ(lines[12], "set CPU model=\"PDP 11/94\"");
}

TEST(FormatScript, LineBreakInAHeaderValueCannotStartAStatement) {
  Configuration config;
  config.fileName = "evil\nload RL11 DLX\r\n";
  const std::vector<std::string> lines = linesOf(FormatScript(config));
  EXPECT_EQ(lines[2], "## File Name: evil load RL11 DLX  ");
  EXPECT_EQ(lines[3], "## Date Of Writing: ");
}

TEST(FormatScript, KindsInWriterOrderEachFollowedByAnEmptyLine) {
  Configuration config;
  // Appended against the writer's order; Va1000 adapters come before bridges
  // in the search order but after them in the file.
  const char* devices[][2] = {{"ROM", "ROA"},   {"LOADER", "LDA"},      {"TOY", "TOA"},    {"KW11-L", "KWA"},
                              {"DRV11", "DCA"}, {"DRXXX", "XXA"},       {"VA1000", "EDA"}, {"QBUS-BRIDGE", "QBA"},
                              {"DEQNA", "WHA"}, {"LP11", "LPA"},        {"DL11", "YLA"},   {"TM11", "MTA"},
                              {"RL11", "DLA"}};
  for (const auto& device : devices) load(config, device[0], device[1]);
  const std::string text = FormatScript(config);

  const char* expectedOrder[] = {"DLA", "MTA", "YLA", "LPA", "WHA", "QBA", "EDA",
                                 "XXA", "DCA", "KWA", "TOA", "LDA", "ROA"};
  std::size_t previous = text.find("set MMU memory_size=");
  ASSERT_NE(previous, std::string::npos);
  for (const char* name : expectedOrder) {
    const std::size_t at = text.find(std::string(" ") + name + "\n");
    ASSERT_NE(at, std::string::npos) << name;
    EXPECT_GT(at, previous) << name << " is out of order";
    // The device's block starts after an empty line.
    EXPECT_EQ(text.substr(text.rfind("\n", text.rfind("load ", at)) - 1, 2), "\n\n") << name;
    previous = at;
  }
  EXPECT_TRUE(text.ends_with("\n\n\n# Boot Device\n"));
}

TEST(FormatScript, BootSection) {
  struct Case {
    const char* what;
    std::function<void(Configuration&)> build;
    const char* boot;  // the text after "# Boot Device" and its line end
  } cases[] = {
      {"no boot device", [](Configuration& c) { load(c, "RL11", "DLA"); }, ""},
      {"one disk", [](Configuration& c) { setBootUnit(load(c, "RL11", "DLA"), 2); }, "boot DLA 2"},
      {"first disk in list order that has a boot unit",
       [](Configuration& c) {
         load(c, "RL11", "DLA");
         setBootUnit(load(c, "RL11", "DLB"), 1);
         setBootUnit(load(c, "RL11", "DLC"), 0);
       },
       "boot DLB 1"},
      {"a controller reports its first boot unit",
       [](Configuration& c) {
         VelmorBusDevice& disk = load(c, "RL11", "DLA");
         setBootUnit(disk, 3);
         setBootUnit(disk, 1);
       },
       "boot DLA 1"},
      {"ROM start alone, in octal",
       [](Configuration& c) {
         auto& rom = static_cast<VelmorROMDevice&>(load(c, "ROM", "ROA"));
         rom.start = true;
         rom.startAddress = 0173000;
       },
       "start ROA 173000"},
      {"a ROM without its start flag writes nothing",
       [](Configuration& c) { static_cast<VelmorROMDevice&>(load(c, "ROM", "ROA")).startAddress = 0173000; }, ""},
      {"disk, tape, loader and ROM each on its own line, the last without a line end",
       [](Configuration& c) {
         auto& rom = static_cast<VelmorROMDevice&>(load(c, "ROM", "ROA"));
         rom.start = true;
         rom.startAddress = 0165000;
         setBootUnit(load(c, "LOADER", "LDA"), 12);
         setBootUnit(load(c, "TM11", "MTA"), 0);
         setBootUnit(load(c, "RL11", "DLA"), 1);
       },
       "boot DLA 1\nboot MTA 0\nboot LDA 12\nstart ROA 165000"},
      {"a boot unit beyond the units a save writes (a count lowered after the list grew)",
       [](Configuration& c) {
         auto& disk = static_cast<VelmorUnitDevice&>(load(c, "MSCP", "DUA"));
         disk.units = 10;
         disk.unitWithinCount(4)->file = "a.dsk";
         disk.units = 2;
         setBootUnit(disk, 4);
       },
       ""},
      {"tape and ROM without a disk",
       [](Configuration& c) {
         setBootUnit(load(c, "TM11", "MTA"), 7);
         auto& rom = static_cast<VelmorROMDevice&>(load(c, "ROM", "ROA"));
         rom.start = true;
       },
       "boot MTA 7\nstart ROA 0"},
  };
  for (const Case& c : cases) {
    Configuration config;
    c.build(config);
    EXPECT_EQ(afterBootHeading(FormatScript(config)), c.boot) << c.what;
  }
}

TEST(FormatScript, DisabledDevicePrefixesStatementLinesNotCommentLines) {
  for (const char* sign : {"#$", "$", "!!"}) {
    Configuration config;
    config.disabledSign = sign;
    VelmorBusDevice& disk = load(config, "RL11", "DLA");
    disk.comments = "first note\r\nsecond note";
    disk.disabled = true;
    disk.registerAddress = 017774410;  // so there are set lines as well
    disk.parseSetStatement("set DLA file[0]=\"rsx.dsk\"");
    static_cast<VelmorUnitDevice&>(disk).unit(0).comments = "unit note";
    load(config, "KW11-L", "KWA");

    const std::string text = FormatScript(config);
    const std::size_t begin = text.find("#first note");
    const std::size_t end = text.find("\nload KW11-L KWA");
    ASSERT_NE(begin, std::string::npos);
    ASSERT_NE(end, std::string::npos);
    int statements = 0;
    for (const std::string& line : linesOf(text.substr(begin, end - begin))) {
      if (line.empty() || line == "#first note\r" || line == "#second note\r" || line == "#unit note") continue;
      EXPECT_EQ(line.rfind(sign, 0), 0u) << "sign " << sign << ": " << line;
      ++statements;
    }
    EXPECT_GE(statements, 3) << "load, register and the unit's file";
    EXPECT_NE(text.find("\nload KW11-L KWA\n"), std::string::npos) << "enabled devices carry no sign";
    EXPECT_NE(text.find("\nset CPU model="), std::string::npos) << "the system entry is never disabled";
  }
}

TEST(DiskLineEnds, EveryLineFeedGetsACarriageReturn) {
  EXPECT_EQ(DiskLineEnds("a\nb\r\n\n"), "a\r\nb\r\r\n\r\n");
  EXPECT_EQ(DiskLineEnds("no end"), "no end");
  EXPECT_EQ(DiskLineEnds(""), "");
}

TEST_F(ScriptFile, CommentLinesEndInCrCrLfOnDiskAndReadBackWhole) {
  Configuration config;
  config.system.comments = "first\r\nsecond";
  const std::string target = path("out.cfg");
  ASSERT_TRUE(WriteScript(config, target, {.when = kSaveTime}));
  const std::string bytes = readBytes(target);
  EXPECT_NE(bytes.find("\r\n#first\r\r\n#second\r\r\nset CPU model=\"PDP 11/94\"\r\nset MMU"), std::string::npos);
  EXPECT_EQ(bytes.find("\r\r\r"), std::string::npos);
  EXPECT_EQ(DiskLineEnds(FormatScript(config)), bytes);
  EXPECT_NE(FormatScript(config).find("\n#first\r\n#second\r\nset CPU"), std::string::npos);

  Configuration back;
  RecordingMessages messages;
  ASSERT_TRUE(ReadScript(back, target, messages));
  EXPECT_EQ(back.system.comments, "first\r\nsecond");
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ScriptFile, WriteKeepsTheFileNameLastReadAndSetsDateAndCurrentPath) {
  const std::string source = path("old.cfg");
  ASSERT_TRUE(writeBytes(source, "set CPU model=\"PDP 11/73\"\r\n"));
  Configuration config;
  RecordingMessages messages;
  ASSERT_TRUE(ReadScript(config, source, messages));

  const std::string target = path("new.cfg");
  ASSERT_TRUE(WriteScript(config, target, {.when = kSaveTime}));
  EXPECT_EQ(config.date, "12/06/26 14:05:09");
  EXPECT_EQ(config.currentPath, target);
  EXPECT_EQ(config.fileName, source);
  const std::string bytes = readBytes(target);
  EXPECT_EQ(bytes.substr(0, 75), kRule + "\r\n");
  EXPECT_NE(bytes.find("\r\n## File Name: " + source + "\r\n## Date Of Writing: 12/06/26 14:05:09\r\n"),
            std::string::npos);
  EXPECT_NE(bytes.find("## User Name: Default User\r\n## Project Name: Default Project\r\n"), std::string::npos);
  EXPECT_TRUE(bytes.ends_with("\r\n\r\n# Boot Device\r\n"));
}

TEST_F(ScriptFile, TargetThatCannotBeOpenedChangesNothing) {
  Configuration config;
  config.date = "as read";
  config.currentPath = "before";
  std::string failure;
  EXPECT_FALSE(WriteScript(config, path("missing-folder/out.cfg"), {.when = kSaveTime, .failure = &failure}));
  EXPECT_EQ(config.date, "as read");
  EXPECT_EQ(config.currentPath, "before");
  EXPECT_FALSE(failure.empty());
}

TEST_F(ScriptFile, WriteFailingPartWayKeepsTheOldFile) {
  const std::string target = path("keep.cfg");
  ASSERT_TRUE(writeBytes(target, "old bytes\r\n"));
  Configuration config;
  config.date = "as read";
  // Half of the text reaches the file, then the disk is full.
  ChunkWriter halfThenFull = [](std::FILE* file, std::string_view bytes) {
    std::fwrite(bytes.data(), 1, bytes.size() / 2, file);
    return false;
  };
  EXPECT_FALSE(WriteScript(config, target, {.when = kSaveTime, .writeChunk = halfThenFull}));
  EXPECT_EQ(readBytes(target), "old bytes\r\n");
  EXPECT_EQ(config.date, "12/06/26 14:05:09") << "the date is set before anything is written";
  EXPECT_EQ(config.currentPath, target) << "the current path follows the target even after a failed write";
  std::size_t files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir_)) files += entry.exists() ? 1 : 0;
  EXPECT_EQ(files, 1u) << "no temporary file is left";
}

TEST_F(ScriptFile, RoundTripKeepsDevicesAndWritingAgainGivesTheSameBytes) {
  Configuration config;
  config.userName = "Ann";
  config.projectName = "Apollo";
  config.targetOs = "Digital UNIX";
  config.warnings = false;
  const char* devices[][2] = {{"RL11", "DLA"},   {"MSCP", "DUA"},         {"TM11", "MTA"},   {"DL11-A", "YLA"},
                              {"LP11", "LPA"},   {"DEQNA", "WHA"},        {"VA1000", "EDA"}, {"QBUS-BRIDGE", "QBA"},
                              {"DRXXX", "XXA"},  {"DR11-C", "DCA"},       {"KW11-L", "KWA"}, {"TOY", "TOA"},
                              {"LOADER", "LDA"}, {"ROM", "ROA"}};
  int n = 0;
  for (const auto& [word, name] : devices) {
    VelmorBusDevice& device = load(config, word, name);
    device.comments = std::string("note on ") + name + "\r\nsecond line";
    device.disabled = (n++ % 3 == 1);
  }
  setBootUnit(static_cast<VelmorBusDevice&>(*config.FindDevice("DUA")), 1);

  const std::string first = path("first.cfg");
  ASSERT_TRUE(WriteScript(config, first, {.when = kSaveTime}));
  Configuration back;
  RecordingMessages messages;
  ASSERT_TRUE(ReadScript(back, first, messages));
  EXPECT_TRUE(messages.shown.empty()) << messages.shown.front();

  EXPECT_EQ(back.userName, "Ann");
  EXPECT_EQ(back.projectName, "Apollo");
  EXPECT_EQ(back.targetOs, "Digital UNIX");
  EXPECT_FALSE(back.warnings);
  for (DeviceListId id : kWriteOrder) {
    const DeviceList& before = config.list(id);
    const DeviceList& after = back.list(id);
    ASSERT_EQ(after.size(), before.size()) << static_cast<int>(id);
    for (std::size_t i = 0; i < before.size(); ++i) {
      const VelmorBusDevice& a = *before[i];
      const VelmorBusDevice& b = *after[i];
      EXPECT_STREQ(b.className(), a.className());
      EXPECT_EQ(b.name, a.name);
      EXPECT_EQ(b.type, a.type) << a.name;
      EXPECT_EQ(b.model, a.model) << a.name;
      EXPECT_EQ(b.comments, a.comments) << a.name;
      EXPECT_EQ(b.disabled, a.disabled) << a.name;
    }
  }
  EXPECT_EQ(static_cast<VelmorUnitDevice&>(*back.FindDevice("DUA")).bootUnitNumber(), 1);

  const std::string second = path("second.cfg");
  ASSERT_TRUE(WriteScript(back, second, {.when = at(2027, 1, 2, 3, 4, 5)}));
  std::vector<std::string> a = linesOf(readBytes(first)), b = linesOf(readBytes(second));
  ASSERT_EQ(a.size(), b.size());
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (i == 3) {
      EXPECT_EQ(b[i], "## Date Of Writing: 01/02/27 03:04:05\r");
      continue;
    }
    if (i == 2) {
      // Only the first file was written from a configuration that was never read.
      EXPECT_EQ(a[i], "## File Name: \r");
      EXPECT_EQ(b[i], "## File Name: " + first + "\r");
      continue;
    }
    EXPECT_EQ(a[i], b[i]) << "line " << i + 1;
  }
}
