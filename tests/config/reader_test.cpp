#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "config/configuration.h"
#include "config/script_reader.h"
#include "devices/device_registry.h"
#include "devices/disk_device.h"
#include "devices/number_format.h"
#include "devices/rom_device.h"
#include "devices/velmor_unit_device.h"
#include "support/map_settings.h"
#include "support/recording_messages.h"
#include "support/test_files.h"

namespace {

struct Read {
  Configuration config;
  RecordingMessages messages;
  ReadReport report;
  bool result = false;
  explicit Read(const std::string& text, const SettingsStore* settings = nullptr) : config(settings) {
    result = ReadScriptBytes(config, text, messages, &report);
  }
  const VelmorBusDevice& device(DeviceListId list, std::size_t i = 0) const { return *config.list(list).at(i); }
  // The numbers of the lines a save would not keep, as reported.
  std::vector<std::size_t> lostNumbers() const {
    std::vector<std::size_t> numbers;
    for (const LostLine& lost : report.lost) numbers.push_back(lost.number);
    return numbers;
  }
  VelmorUnitDevice& controller(DeviceListId list, std::size_t i = 0) {
    return static_cast<VelmorUnitDevice&>(*config.list(list).at(i));
  }
};

}  // namespace

TEST(IsStatementLine, Classifies) {
  struct Case {
    const char* line;
    bool statement;
  } cases[] = {
      {"load MSCP DUA", true},     {"LOAD MSCP DUA", true},   {"  set DUA x=1", true},
      {"#$load MSCP DUA", true},   {"#$set DUA x=1", true},   {"boot DUA 0", true},
      {"#$boot DUA 0", false},     {"warning off", true},     {"#$warning off", false},
      {"start ROM 1000", true},    {"#$start ROM 1000", false}, {"# load MSCP DUA", false},
      {"", false},                 {"   ", false},             {"#$", false},
      {"loader x", false},         {"xyz abc", false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsStatementLine(c.line, "#$"), c.statement) << c.line;
  // The sign is compared exactly, letter case included.
  EXPECT_TRUE(IsStatementLine("Xload MSCP DUA", "X"));
  EXPECT_FALSE(IsStatementLine("xboot DUA 0", "x"));
}

TEST(Reader, EmptyFileGivesDefaultConfiguration) {
  Read r("");
  EXPECT_TRUE(r.result);
  ASSERT_EQ(r.config.list(DeviceListId::Disks).size(), 1u);
  EXPECT_EQ(r.device(DeviceListId::Disks).name, "DUA");
  EXPECT_EQ(r.controller(DeviceListId::Disks).bootUnitNumber(), 0);
  EXPECT_EQ(r.controller(DeviceListId::Disks).unit(0).file, "rsx.dsk");
  ASSERT_EQ(r.config.list(DeviceListId::Serials).size(), 1u);
  EXPECT_EQ(r.controller(DeviceListId::Serials).unit(0).file, "run terminal");
  ASSERT_EQ(r.config.list(DeviceListId::Timers).size(), 1u);
  EXPECT_EQ(r.device(DeviceListId::Timers).type, "KW11-L");
  EXPECT_EQ(r.config.userName, "Default User");
  EXPECT_EQ(r.config.projectName, "Default Project");
}

TEST(Reader, FilesWithoutDeviceStatementsAreRefused) {
  for (const char* text : {"\n", "\r\n", "# only a comment\n", "warning off\n", "## User Name: Ann\n"}) {
    Read r(text);
    EXPECT_FALSE(r.result) << text;
    EXPECT_TRUE(r.messages.shown.empty());
  }
}

TEST(Reader, HeaderLines) {
  struct Case {
    const char* text;
    const char* user;
    const char* project;
  } cases[] = {
      {"## User Name:   Ann  \n## Project Name: Lab : 2\n", "Ann", "Lab : 2"},
      {"##  User Name: Ann\n", "Default User", "Default Project"},  // two blanks: not the header line
      {"## User Name Ann\n", "Default User", "Default Project"},    // no colon
      {"## User Name:\n", "Default User", "Default Project"},
      {"##  Project Name: Lab\n", "Default User", "Default Project"},  // two blanks, as for the user
  };
  for (const Case& c : cases) {
    Read r(std::string(c.text) + "load MSCP DUA\n");
    EXPECT_EQ(r.config.userName, c.user) << c.text;
    EXPECT_EQ(r.config.projectName, c.project) << c.text;
    EXPECT_TRUE(r.device(DeviceListId::Disks).comments.empty()) << "header lines never become comments";
  }
}

// A project line holding the user's heading is read as the user's line, so
// such a project name cannot be kept by a save.
TEST(Reader, ProjectNameHoldingTheUserHeading) {
  const Read r("## Project Name: copy of ## User Name: Ann\nload MSCP DUA\n");
  EXPECT_EQ(r.config.userName, "copy of ## User Name: Ann");
  EXPECT_EQ(r.config.projectName, "Default Project");
  EXPECT_FALSE(ProjectNameReadsBack("copy of ## User Name: Ann"));
  EXPECT_TRUE(ProjectNameReadsBack("## Project Name: Lab"));
  EXPECT_TRUE(ProjectNameReadsBack("# User Name"));
}

TEST(Reader, TargetOs) {
  EXPECT_EQ(Read("#OS   Digital   UNIX\nload MSCP DUA\n").config.targetOs, "Digital UNIX");
  EXPECT_EQ(Read("#OS\nload MSCP DUA\n").config.targetOs, "");
  EXPECT_EQ(Read("load MSCP DUA\n").config.targetOs, "Windows NT 4.0");
  // Only "#OS" in capitals: "#os" is a comment of the device that follows.
  const Read lower("#os Digital UNIX\nload MSCP DUA\n");
  EXPECT_EQ(lower.config.targetOs, "Windows NT 4.0");
  EXPECT_EQ(lower.device(DeviceListId::Disks).comments, "os Digital UNIX");
}

TEST(Reader, CommentLinesGoToTheNextDevice) {
  Read r("xyz abc\n# note\n#\n#last\nload MSCP DUA # first disk\nload RL11 DLA\n");
  // Words after "#" on the statement line itself join the device's comment.
  EXPECT_EQ(r.device(DeviceListId::Disks, 0).comments, "yz abc\r\n note\r\n\r\nlast\r\n first disk");
  EXPECT_EQ(r.device(DeviceListId::Disks, 1).comments, "");
  EXPECT_EQ(Read("load MSCP DUA # first disk\n").device(DeviceListId::Disks).comments, " first disk");
  // Comments before a later `set` of the device join what it has, with CR LF.
  Read later("#first\nload MSCP DUA\n#third\nset DUA units=4\n");
  EXPECT_EQ(later.device(DeviceListId::Disks).comments, "first\r\nthird");
}

TEST(Reader, AHashInsideAQuotedValueIsNoComment) {
  Read r("load MSCP DUA\nset DUA file[0]=\"C:\\disks #2\\rsx.dsk\" file[1]=\"a b\" #real one\n");
  auto& dua = r.controller(DeviceListId::Disks);
  EXPECT_EQ(dua.unit(0).file, "C:\\disks #2\\rsx.dsk");
  EXPECT_EQ(dua.unit(0).comments, "");
  EXPECT_EQ(dua.unit(1).comments, "real one");
}

// Every word that begins with "#" starts a comment line of its own, and only
// a quoted `set` value hides one; a quote in a name or a `load` word does not.
TEST(Reader, TrailingCommentWords) {
  struct Case {
    const char* script;
    const char* deviceComments;
    const char* unitComments;  // of unit 0
  } cases[] = {
      {"load MSCP DUA #one #two three\n", "one\r\ntwo three", ""},
      {"load MSCP DUA\nset DUA file[0]=x #one #two\n", "", "one\r\ntwo"},
      {"load MSCP DUA\nset DUA file[0]=x # #two\n", "", "\r\ntwo"},
      {"load MSCP DU\"A # c\nset DU\"A file[0]=x\n", " c", ""},
      {"load MSCP DU\"A\nset DU\"A file[0]=x #note\n", "", "note"},
      {"load MSCP DUA\nset DUA file[0]=\"a #b\" #c #d\n", "", "c\r\nd"},
  };
  for (const Case& c : cases) {
    Read r(c.script);
    ASSERT_EQ(r.config.list(DeviceListId::Disks).size(), 1u) << c.script;
    auto& du = r.controller(DeviceListId::Disks);
    EXPECT_EQ(du.comments, c.deviceComments) << c.script;
    EXPECT_EQ(du.unit(0).comments, c.unitComments) << c.script;
    EXPECT_TRUE(r.messages.shown.empty()) << c.script;
  }
}

TEST(Reader, CommentBeforeSetGoesToTheAddressedUnitOrDevice) {
  Read r("load MSCP DUA\n# system disk\nset DUA file[1]=\"a.dsk\"\n# more\nset DUA register=17772154\n"
         "#cpu\nset CPU model=\"PDP 11/70\"\n");
  auto& dua = r.controller(DeviceListId::Disks);
  EXPECT_EQ(dua.unit(1).comments, " system disk");
  EXPECT_EQ(dua.comments, " more");
  // The system entry's comment is attached after the model key has cleared it.
  EXPECT_EQ(r.config.system.comments, "cpu");
}

TEST(Reader, DisabledSign) {
  Read r("#$load MSCP DUA\n#$set dua file[0]=a.dsk\n#$boot DUA 0\nload RL11 DLA\n");
  EXPECT_TRUE(r.device(DeviceListId::Disks, 0).disabled);
  EXPECT_EQ(r.controller(DeviceListId::Disks, 0).unit(0).file, "a.dsk");  // a disabled `set` still applies
  EXPECT_FALSE(r.device(DeviceListId::Disks, 1).disabled);
  EXPECT_EQ(r.device(DeviceListId::Disks, 1).comments, "$boot DUA 0");

  MapSettings settings;
  settings.values["DisabledSign"] = "!!";
  Read custom("!!load MSCP DUA\n!!  set   DUA register=17772150\n#$load RL11 DLA\n", &settings);
  ASSERT_EQ(custom.config.list(DeviceListId::Disks).size(), 1u);
  EXPECT_TRUE(custom.device(DeviceListId::Disks).disabled);
  EXPECT_EQ(custom.device(DeviceListId::Disks).registerAddress, 017772150);
  EXPECT_EQ(custom.device(DeviceListId::Disks).comments, "");

  settings.values["DisabledSign"] = "123456789012";  // longer than 11: ignored
  EXPECT_EQ(Configuration(&settings).disabledSign, "#$");
}

TEST(Reader, KeywordsIgnoreCaseAndNamesIgnoreCase) {
  Read r("LOAD MSCP DUA\nSet dua register=17772154\nset Mmu memory_size=2000\nset cpu model=\"PDP 11/73\"\n");
  EXPECT_TRUE(r.result);
  EXPECT_EQ(r.device(DeviceListId::Disks).registerAddress, 017772154);
  EXPECT_EQ(r.config.system.memorySize, 1024);
  EXPECT_EQ(r.config.system.model, "PDP 11/73");
}

// Hundreds of devices, each addressed in another letter case: every `set`
// still finds its own device.
TEST(Reader, EverySetFindsItsDeviceAmongMany) {
  std::string script;
  constexpr int kDevices = 500;
  for (int i = 0; i < kDevices; ++i) script += "load DL11 Yl" + std::to_string(i) + "\n";
  for (int i = 0; i < kDevices; ++i) script += "set yL" + std::to_string(i) + " vector=" + std::to_string(i) + "\n";
  Read r(script);
  ASSERT_TRUE(r.result);
  ASSERT_TRUE(r.messages.shown.empty());
  ASSERT_EQ(r.config.list(DeviceListId::Serials).size(), std::size_t(kDevices));
  for (int i = 0; i < kDevices; ++i)
    EXPECT_EQ(r.device(DeviceListId::Serials, i).vector, parseNumber(std::to_string(i))) << i;
}

// A configuration may already hold two devices of one name (reading never
// makes such a pair): a `set` reaches the one in the earlier list, whichever
// was added first.
TEST(Reader, ASetReachesTheSharedNameInTheEarlierList) {
  Configuration config;
  config.append(createDeviceForLoadWord("DL11", "Twin"));
  config.append(createDeviceForLoadWord("MSCP", "TWIN"));
  RecordingMessages messages;
  ReadScriptBytes(config, "set twin priority=6\n", messages);
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(config.list(DeviceListId::Disks).at(0)->priority, 6);
  EXPECT_NE(config.list(DeviceListId::Serials).at(0)->priority, 6);
}

TEST(Reader, MessagesForUnknownDevices) {
  Read r("load FOO X1\nset NOPE a=1\nboot NOPE 0\nload MSCP DUA\nstart DUA 100\n");
  EXPECT_TRUE(r.result);
  EXPECT_EQ(r.messages.shown,
            (std::vector<std::string>{
                "warning: Unable to load device X1!\nUnknown device type FOO",
                "warning: Unable to set a parameter for NOPE!\nDeviceNOPEisn't loaded or invalid device type has "
                "been specified!",
                "warning: Unable to boot from NOPE!\nDevice NOPEisn't loaded or invalid device type has been "
                "specified!",
            }));
}

TEST(Reader, ALoadWithoutWordsCreatesNothing) {
  Read r("load\nload MSCP DUA\n");
  EXPECT_EQ(r.config.list(DeviceListId::Disks).size(), 1u);
  EXPECT_EQ(r.messages.shown, (std::vector<std::string>{"warning: Unable to load device !\nUnknown device type "}));
}

TEST(Reader, LastOutcomeDecides) {
  EXPECT_FALSE(Read("load MSCP DUA\nset DUA bogus=1\n").result);
  EXPECT_TRUE(Read("load MSCP DUA\nset DUA bogus=1\nset DUA units=2\n").result);
  // A failed load or an unknown name leaves the outcome as it was.
  EXPECT_TRUE(Read("load MSCP DUA\nload FOO X\nset NOPE a=1\n").result);
  EXPECT_FALSE(Read("load MSCP DUA\nset DUA bogus=1\nload FOO X\n").result);
}

TEST(Reader, BootEndsTheRead) {
  Read r("load MSCP DUA\nboot DUA 2\nload RL11 DLA\n");
  EXPECT_TRUE(r.result);
  EXPECT_EQ(r.config.list(DeviceListId::Disks).size(), 1u);
  EXPECT_EQ(r.controller(DeviceListId::Disks).bootUnitNumber(), 2);
  ASSERT_EQ(r.report.lost.size(), 1u);
  EXPECT_EQ(r.report.lost[0].number, 3u);
  EXPECT_EQ(r.report.lost[0].text, "load RL11 DLA");
}

// A Ctrl-Z ends the text, as the emulator's text-mode read ends there; what
// follows it is lost unless it is padding.
TEST(Reader, ACtrlZEndsTheText) {
  struct Case {
    const char* what;
    std::string text;
    std::size_t disks;
    std::vector<std::size_t> lost;
    std::vector<std::string> lostTexts;
  };
  const Case cases[] = {
      {"padding after the mark", "load MSCP DUA\r\n\x1a" + std::string(40, '\0') + "\r\n \t\x1a\n", 1, {}, {}},
      {"statements after the mark", "load MSCP DUA\n\x1aload RL11 DLA\n\nset DUA x=1\r\n", 1, {2, 4},
       {"\x1aload RL11 DLA", "set DUA x=1"}},
      // The mark's line is listed whole: what was read of it and what was not.
      {"a mark within a line", "load MSCP DUA\x1a junk\nload RL11 DLA", 1, {1, 2},
       {"load MSCP DUA\x1a junk", "load RL11 DLA"}},
      {"a mark within a comment", "load MSCP DUA\n# note\x1a more\r\n", 1, {2}, {"# note\x1a more"}},
      {"a mark within a lost line", "load MSCP DUA\nxyz abc\x1a more", 1, {2}, {"xyz abc\x1a more"}},
      {"a mark after a comment", "load MSCP DUA\n# note\x1a\r\n", 1, {2}, {"# note"}},
      {"a mark after a line without its line end", "load MSCP DUA\x1a", 1, {}, {}},
  };
  for (const Case& c : cases) {
    Read r(c.text);
    EXPECT_TRUE(r.result) << c.what;
    ASSERT_EQ(r.config.list(DeviceListId::Disks).size(), c.disks) << c.what;
    EXPECT_EQ(r.device(DeviceListId::Disks).name, "DUA") << c.what;
    EXPECT_EQ(r.lostNumbers(), c.lost) << c.what;
    std::vector<std::string> texts;
    for (const LostLine& lost : r.report.lost) texts.push_back(lost.text);
    EXPECT_EQ(texts, c.lostTexts) << c.what;
    EXPECT_TRUE(r.messages.shown.empty()) << c.what;
  }
  // A mark at the very start with padding after it is an empty file; with
  // more after it, the file is refused rather than taken for an empty one.
  Read empty(std::string("\x1a\r\n\0\0", 5));
  EXPECT_TRUE(empty.result);
  EXPECT_EQ(empty.device(DeviceListId::Disks).name, "DUA");  // the default configuration
  Read refused("\x1a" "load RL11 DLA\n");
  EXPECT_FALSE(refused.result);
  EXPECT_TRUE(refused.config.list(DeviceListId::Disks).empty());
  EXPECT_EQ(refused.lostNumbers(), (std::vector<std::size_t>{1}));
  // Files written under a sign holding the mark are read whole, as before.
  MapSettings settings;
  settings.values["DisabledSign"] = "!\x1a";
  Read signed_("load MSCP DUA\n!\x1a" "load RL11 DLA\n", &settings);
  ASSERT_EQ(signed_.config.list(DeviceListId::Disks).size(), 2u);
  EXPECT_TRUE(signed_.device(DeviceListId::Disks, 1).disabled);
}

// A save writes the ROM's start after the boot: reading it back keeps the
// start flag; every other line after the boot is still lost.
TEST(Reader, AStartAfterTheBootIsRead) {
  Read r("load MSCP DUA\nload ROM ROA\nboot DUA 0\nstart ROA 173000\n# note\nset ROA rom_size=8.\n#$start ROA 1\r\r\n");
  const auto& rom = static_cast<const VelmorROMDevice&>(r.device(DeviceListId::ROMs));
  EXPECT_TRUE(rom.start);
  EXPECT_EQ(rom.startAddress, 0173000);
  EXPECT_EQ(r.lostNumbers(), (std::vector<std::size_t>{5, 6, 7}));
  EXPECT_EQ(r.report.lost.back().text, "#$start ROA 1\r");  // only the CR before the LF goes
  Read missing("load MSCP DUA\nboot DUA 0\nstart DUA 100\n");
  EXPECT_EQ(missing.lostNumbers(), (std::vector<std::size_t>{3}));
}

TEST(Reader, BootOfAMissingUnitIsReportedAndReadingGoesOn) {
  for (const char* unit : {"9", "-1", "99999999999999999999"}) {
    Read r(std::string("load MSCP DUA\nboot DUA ") + unit + "\nload RL11 DLA\n");
    EXPECT_EQ(r.config.list(DeviceListId::Disks).size(), 2u) << unit;
    EXPECT_EQ(r.controller(DeviceListId::Disks).bootUnitNumber(), -1);
    ASSERT_EQ(r.messages.shown.size(), 1u);
    EXPECT_EQ(r.messages.shown[0],
              "warning: Unable to boot from DUA!\nDevice DUAisn't loaded or invalid device type has been specified!");
  }
}

TEST(Reader, StartOfARom) {
  Read r("load ROM ROA\nstart ROA 173000\n");
  auto& rom = static_cast<const VelmorROMDevice&>(r.device(DeviceListId::ROMs));
  EXPECT_TRUE(rom.start);
  EXPECT_EQ(rom.startAddress, 0173000);
  Read decimal("load ROM ROA\nstart ROA 100.\n");
  EXPECT_EQ(static_cast<const VelmorROMDevice&>(decimal.device(DeviceListId::ROMs)).startAddress, 100);
}

TEST(Reader, WarningClearsTheFlag) {
  EXPECT_FALSE(Read("warning on\nload MSCP DUA\n").config.warnings);
  EXPECT_TRUE(Read("load MSCP DUA\n").config.warnings);
}

TEST(Reader, HostileUnitCountsStayBounded) {
  Read r("load MSCP DUA\nset DUA units=7777777777 model=\"RQDX3\"\nset DUA file[-1]=x\nset DUA file[300]=y\n");
  auto& dua = r.controller(DeviceListId::Disks);
  EXPECT_EQ(dua.unitCount(), static_cast<std::size_t>(kMaxUnits));
  EXPECT_FALSE(r.result);  // the unit index names no unit
  Read none("load MSCP DUA\nset DUA units=-5 model=\"RQDX3\"\n");
  EXPECT_EQ(none.controller(DeviceListId::Disks).unitCount(), 0u);
}

TEST(Reader, ReportsWhatASaveWouldNotKeep) {
  Read r("## A header of my own\n##########\nload FOO X\nxkept but clipped\nload MSCP DUA\nset DUA bogus=1\n"
         "# dangling\n");
  std::vector<std::size_t> lines = r.lostNumbers();
  // A banner of "#" is not the header's rule, which every save writes afresh.
  EXPECT_EQ(lines, (std::vector<std::size_t>{1, 2, 3, 4, 6, 7}));
}

// A lost line is reported as the file holds it: a disabled statement keeps
// its sign in the report.
TEST(Reader, ReportsDisabledLinesWithTheirSign) {
  Read r("load MSCP DUA\n#$load FOO X\n#$set DUA bogus=1\n#$set NONE x=1\n"
         "#$load RH11 DRB\n#$set DRB file[0]=a.dsk\n#$set DRB model=RM03\n");
  std::vector<std::string> texts;
  for (const LostLine& lost : r.report.lost) texts.push_back(std::to_string(lost.number) + " " + lost.text);
  EXPECT_EQ(texts, (std::vector<std::string>{"2 #$load FOO X", "3 #$set DUA bogus=1", "4 #$set NONE x=1",
                                             "6 #$set DRB file[0]=a.dsk"}));
}

TEST(Reader, ReportsReplacedHeaderValuesWarningsAndStarts) {
  Read r("#OS Digital UNIX\n#OS Open VMS\n## User Name: A\n## User Name: B\nwarning on\nwarning off\n"
         "load ROM ROA\nload ROM ROB\nstart ROB 1000\nstart ROA 2000\nstart ROA 3000\nload MSCP DUA\n");
  std::vector<std::size_t> lines = r.lostNumbers();
  std::sort(lines.begin(), lines.end());
  // Kept: the last #OS and user lines, "warning off", and ROA's last start
  // (ROA is the first ROM with a start flag, so the one written).
  EXPECT_EQ(lines, (std::vector<std::size_t>{1, 3, 5, 9, 10}));
}

TEST(Reader, ReportsUnitSettingsALaterModelKeyDrops) {
  Read r("load RH11 DRA\nset DRA file[0]=a.dsk\nset DRA writeprotect[1]=1\nstray words\nset DRA model=RM03\n"
         "set DRA file[2]=c.dsk\n");
  std::vector<std::size_t> lines = r.lostNumbers();
  // In file order, though the unit lines are only known lost at line 5.
  EXPECT_EQ(lines, (std::vector<std::size_t>{2, 3, 4}));

  // Unit pairs before the `model` pair of the same line go too; pairs after
  // it stay, and a line with only those is kept.
  Read sameLine("load DZ11 YZA\nset YZA line[3]=\"x\" speed[3]=300. model=\"DZV11\"\nset YZA model=\"DZV11\" "
                "line[1]=\"y\"\n");
  EXPECT_EQ(sameLine.lostNumbers(), (std::vector<std::size_t>{2}));
  // The comment lines a unit took go with the unit.
  Read comment("load DL11 YLA\n# console cable B\nset YLA line=\"x\"\n# kept\nset YLA model=\"DLV11\"\n");
  EXPECT_EQ(comment.lostNumbers(), (std::vector<std::size_t>{2, 3}));
  EXPECT_EQ(comment.device(DeviceListId::Serials).comments, " kept");
}

// A save leaves out the units a kind does not write; what lines set on
// them, and the comment lines they took, are reported. A line that also set
// a written unit is reported too: part of it is lost.
TEST(Reader, ReportsWhatWasSetOnUnitsASaveLeavesOut) {
  Read disk("load MSCP DUA\n# spare\nset DUA writeprotect[1]=1\nset DUA file[0]=a writeprotect[2]=1\n"
            "set DUA file[3]=d\nset DUA writeprotect[3]=1\n");
  EXPECT_EQ(disk.lostNumbers(), (std::vector<std::size_t>{2, 3, 4}));
  Read tape("load TS11 MSA\nset MSA delay_factor[0]=5.\nset MSA file[1]=t.tap delay_factor[1]=5.\n");
  EXPECT_EQ(tape.lostNumbers(), (std::vector<std::size_t>{2}));
  Read serial("load DL11 YLA\nset YLA line=\"x\" offline=1\nset YLA vector=300\n");
  EXPECT_EQ(serial.lostNumbers(), (std::vector<std::size_t>{2}));
  // A unit left out that holds only what a fresh one holds loses nothing.
  Read nothing("load MSCP DUA\nset DUA offline[1]=yes\nload DL11 YLA\nset YLA offline=yes\n"
               "load TS11 MSA\nset MSA writeprotect[0]=0\n");
  EXPECT_TRUE(nothing.report.lost.empty());
  // A unit key that is not the line's last pair still ties the line to its
  // unit, so a later `model` key reports it.
  Read model("load DL11 YLA\nset YLA line=\"x\" vector=300\nset YLA model=\"DLV11\"\n");
  EXPECT_EQ(model.lostNumbers(), (std::vector<std::size_t>{2}));
}

// Lines whose content a save drops without any other sign: a banner of "#"
// that is not the header's rule, words after "warning off", a last key
// without a value, and the system's comments that a later `model` key clears.
TEST(Reader, ReportsWhatElseASaveDrops) {
  const std::string rule(73, '#');
  Read r(rule + "\n##########\nwarning off # quiet\nload MSCP DUA\nset DUA writeprotect[0]\n"
         "# the CPU\nset MMU memory_size=4000.\n# kept\nset CPU model=\"PDP 11/73\"\n");
  EXPECT_EQ(r.lostNumbers(), (std::vector<std::size_t>{2, 3, 5, 6}));
  EXPECT_EQ(r.config.system.comments, " kept");
  EXPECT_TRUE(r.result);

  // A flag given neither yes nor no, or an unknown parity, changes nothing;
  // the pair is still taken, so the outcome stands.
  // A lone "#" gives comments a save cannot tell from none.
  Read lone("#\nload MSCP DUA\n#\nset DUA file[0]=a\n#\n#\nload RL11 DLA\n");
  EXPECT_EQ(lone.lostNumbers(), (std::vector<std::size_t>{1, 3}));

  Read values("load MSCP DUA\nset DUA file[0]=a writeprotect[0]=true\nload DL11 YLA\nset YLA parity=mark\n"
              "set YLA line=\"x\" rx_trace=1\nload KW11-W KWA\nset KWA silent=YES\n");
  EXPECT_EQ(values.lostNumbers(), (std::vector<std::size_t>{2, 4, 7}));
  EXPECT_TRUE(values.result);
}

// A hardware adapter keeps both texts, but a save writes only the one its
// interface uses: the line that set the other is reported.
TEST(Reader, ReportsTheNetworkTextASaveLeavesOut) {
  Read real("load DELUA XEA\nset XEA interface=\"eth0\" protocols=\"LAT\"\nset XEA address=\"10.0.0.1\"\n");
  EXPECT_EQ(real.lostNumbers(), (std::vector<std::size_t>{3}));
  Read turned("load DELUA XEA\nset XEA protocols=\"LAT\"\nset XEA address=\"10.0.0.1\"\n"
              "set XEA interface=\"virtual\"\nset XEA protocols=\"LAT\"\n");
  EXPECT_EQ(turned.lostNumbers(), (std::vector<std::size_t>{2, 5}));
}

// Unit lines and a boot that a lowered `units` count leaves beyond what a
// save writes are reported; lines of the units still written are not.
TEST(Reader, ReportsUnitLinesBeyondALoweredCount) {
  Read r("load MSCP DUA\nset DUA units=6\nset DUA file[1]=a\nset DUA file[2]=b file[5]=x\n"
         "set DUA writeprotect[4]=1\nset DUA units=3\nset DUA file[3]=c\nboot DUA 4\n");
  std::vector<std::size_t> lines = r.lostNumbers();
  std::sort(lines.begin(), lines.end());
  // MSCP loads with four units, so units 0 to 3 stay; 4 and 5 do not.
  EXPECT_EQ(lines, (std::vector<std::size_t>{4, 5, 8}));

  Read raisedAgain("load MSCP DUA\nset DUA units=6\nset DUA file[5]=x\nset DUA units=3\nset DUA units=6\n");
  EXPECT_TRUE(raisedAgain.report.lost.empty());

  // A line lost for a refused pair and for its unit is listed once.
  Read twice("load MSCP DUA\nset DUA units=6\nset DUA file[5]=x foo=1\nset DUA units=3\n");
  ASSERT_EQ(twice.report.lost.size(), 1u);
  EXPECT_EQ(twice.report.lost[0].number, 3u);
}

// A device named like the system entry could never be set, and its saved
// lines would change the system entry: it is not loaded.
// Each row: a script, and the lines its read must report as lost (none
// where a save keeps everything the line says).
TEST(Reader, ReportsALostLineExactlyWhenASaveDropsSomething) {
  const struct {
    const char* what;
    std::string script;
    std::vector<std::size_t> lost;
  } rows[] = {
      {"a comment after the boot has no device to go to",
       "load MSCP DUA\nset DUA file[0]=\"a.dsk\"\nboot DUA 0 #note\n", {3}},
      {"a banner of # longer than the header's rule",
       std::string(80, '#') + "\nload MSCP DUA\n", {1}},
      {"a key table's flag given neither yes nor no", "load QBUS-BRIDGE QBA\nset QBA trace=maybe\n", {2}},
      {"blanks after the boot are no line", "load MSCP DUA\nset DUA file[0]=a\nboot DUA 0\n   \n", {}},
      {"an empty text the adapter does not write loses nothing",
       "load DEQNA XQA\nset XQA interface=\"virtual\" protocols=\"\"\n", {}},
      // The comment words are still handed to the device as pairs, which refuse them.
      {"a trailing comment is kept as the unit's comment",
       "load MSCP DUA\nset DUA file[0]=a.dsk #system disk #second\n", {}},
      {"and as the system entry's", "set CPU model=\"PDP 11/70\" #the big one\n", {}},
      {"a refused pair before the comment still loses its line", "load MSCP DUA\nset DUA bogus=1 #note\n", {2}},
      {"the word after the name is a pair, even with a #", "load MSCP DUA\nset DUA #note\n", {2}},
  };
  for (const auto& row : rows) {
    Read r(row.script);
    EXPECT_EQ(r.lostNumbers(), row.lost) << row.what;
  }
}

// Keys compare in lower case whatever letters they hold, "A" included.
TEST(Reader, KeysOfAnyLetterCase) {
  Read r("load MSCP DUA\nset DUA file[0]=\"a.dsk\" cAching[0]=2 WriteProtect[0]=YES\n");
  EXPECT_TRUE(r.result);
  EXPECT_TRUE(r.report.lost.empty());
  const auto& unit = static_cast<const VelmorDiskUnit&>(r.controller(DeviceListId::Disks).unit(0));
  EXPECT_EQ(unit.caching, 2);
  EXPECT_TRUE(unit.writeprotect);
}

// An unknown type is named first, as for any other name.
TEST(Reader, RefusesDevicesNamedCpuOrMmu) {
  Read r("load RP05 cpu\nload TK81 Mmu\nload FOO cpu\nset cpu model=\"PDP 11/70\"\nload MSCP DUA\n");
  EXPECT_TRUE(r.config.list(DeviceListId::Disks).size() == 1u);
  EXPECT_TRUE(r.config.list(DeviceListId::Tapes).empty());
  EXPECT_EQ(r.config.system.model, "PDP 11/70");
  EXPECT_EQ(r.messages.shown,
            (std::vector<std::string>{"warning: Unable to load device cpu!\nThe names CPU and MMU belong to the system.",
                                      "warning: Unable to load device Mmu!\nThe names CPU and MMU belong to the system.",
                                      "warning: Unable to load device cpu!\nUnknown device type FOO"}));
  ASSERT_EQ(r.report.lost.size(), 3u);
  EXPECT_EQ(r.report.lost[0].text, "load RP05 cpu");
}

// `set` and `boot` name a device by one word and reach the first device of
// that name: a device without a name, with a name of several words or with a
// name already taken could never be set, and its saved lines would fail or
// change another device.
TEST(Reader, RefusesDevicesThatNoStatementCouldName) {
  Read r("load MSCP DUA\nload TK81\nload TK81 DUA extra\nset DUA extra model=\"UDA50\"\nload RL11 DLA\tB # note\n");
  EXPECT_EQ(r.config.list(DeviceListId::Disks).size(), 1u);
  EXPECT_TRUE(r.config.list(DeviceListId::Tapes).empty());
  EXPECT_EQ(r.messages.shown,
            (std::vector<std::string>{"warning: Unable to load device !\nA device name must be one word.",
                                      "warning: Unable to load device DUA extra!\nA device name must be one word.",
                                      "warning: Unable to load device DLA B!\nA device name must be one word."}));
  EXPECT_EQ(r.lostNumbers(), (std::vector<std::size_t>{2, 3, 4, 5}));

  // A second device of a name, in any letter case and of any kind, enabled
  // or disabled: its `set` lines reach the first one, as they did before.
  Read taken("load TS11 DLA\nset DLA file[0]=\"tape.tap\"\nload RL11 dla\n#$load RL11 DLA\nset DLA delay_factor[0]=5.\n");
  EXPECT_TRUE(taken.config.list(DeviceListId::Disks).empty());
  ASSERT_EQ(taken.config.list(DeviceListId::Tapes).size(), 1u);
  EXPECT_EQ(taken.messages.shown,
            (std::vector<std::string>{"warning: Unable to load device dla!\nDevice with such name already exists.",
                                      "warning: Unable to load device DLA!\nDevice with such name already exists."}));
  EXPECT_EQ(taken.lostNumbers(), (std::vector<std::size_t>{3, 4}));
  const auto& tape = static_cast<VelmorUnitDevice&>(*taken.config.list(DeviceListId::Tapes)[0]);
  EXPECT_EQ(tape.unit(0).file, "tape.tap");
  // The comment after the refused line waits for the next device.
  Read comment("load RL11 DLA B # note\nload MSCP DUA\n");
  ASSERT_EQ(comment.config.list(DeviceListId::Disks).size(), 1u);
  EXPECT_EQ(comment.config.list(DeviceListId::Disks)[0]->comments, " note");
}

TEST(Reader, TheBootHeadingIsNotALoss) {
  Read r("load MSCP DUA\n\n# Boot Device\nboot DUA 0\n");
  EXPECT_TRUE(r.report.lost.empty());
  Read noBoot("load MSCP DUA\n\n# Boot Device\n");
  EXPECT_TRUE(noBoot.report.lost.empty());
}

// A source that never ends is given up after the size limit instead of
// filling memory.
TEST(Reader, AnEndlessSourceIsNotRead) {
  if (!std::filesystem::exists("/dev/zero")) GTEST_SKIP() << "no /dev/zero here";
  Configuration config;
  RecordingMessages messages;
  EXPECT_FALSE(ReadScript(config, "/dev/zero", messages));
  EXPECT_TRUE(config.list(DeviceListId::Disks).empty());
}

TEST(Reader, FileNameDateAndPath) {
  const std::string dir = makeTempDir();
  const std::string path = dir + "/a.cfg";
  ASSERT_TRUE(writeBytes(path, "load MSCP DUA\r\nset DUA file[0]=\"x\"\r\n"));
  Configuration config;
  RecordingMessages messages;
  EXPECT_TRUE(ReadScript(config, path, messages));
  EXPECT_EQ(config.fileName, path);
  EXPECT_EQ(config.currentPath, path);
  EXPECT_FALSE(config.date.empty());
  EXPECT_EQ(static_cast<VelmorUnitDevice&>(*config.list(DeviceListId::Disks)[0]).unit(0).file, "x");

  Configuration folder;
  EXPECT_FALSE(ReadScript(folder, dir, messages));
  Configuration missing;
  EXPECT_FALSE(ReadScript(missing, dir + "/none.cfg", messages));
  EXPECT_EQ(missing.fileName, "");
  EXPECT_EQ(missing.userName, "");
  std::filesystem::remove_all(dir);
}

TEST(Reader, DateText) { EXPECT_EQ(FormatReadDate(9, 5, 2026, 7, 5, 3), "9/5/2026 7:5:3"); }

// Comment lines no device follows are lost, each once, in file order, also
// when a line after them was lost as it was read.
TEST(Reader, CommentsBeforeALostLineAreListedToo) {
  struct Case {
    const char* script;
    std::vector<std::size_t> lost;
  } cases[] = {
      {"load MSCP DUA\n# orphan\nnonsense words\n", {2, 3}},
      {"load MSCP DUA\n# one\n# two\nset NONE x=1\n", {2, 3, 4}},
      {"# first\nload MSCP DUA\n# orphan\nload NONE X\n", {3, 4}},
  };
  for (const Case& c : cases) {
    Read r(c.script);
    EXPECT_EQ(r.lostNumbers(), c.lost) << c.script;
  }
}

// A trailing "#" word starts comment words, even when they read as a pair:
// nothing of the line is lost.
TEST(Reader, ACommentWordLikeAPairLosesNothing) {
  Read r("load MSCP DUA\nset DUA file[0]=a #note=1\nset DUA file[1]=b # x=2\n");
  EXPECT_TRUE(r.report.lost.empty());
}
