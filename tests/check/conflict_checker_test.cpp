#include "check/conflict_checker.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "config/configuration.h"

namespace {

// A bus device whose checked values are given outright, so the checker is
// tested apart from any kind's model table. Its class name has no model rows.
class FakeDevice : public VelmorBusDevice {
 public:
  FakeDevice(DeviceKind kind, std::string name, std::int32_t registerAddress, std::int32_t areaSize,
             std::vector<std::int32_t> vectors, std::uint16_t bus = BusBoth)
      : VelmorBusDevice(kind, "FAKE", "", std::move(name)), areaSize(areaSize), vectors(std::move(vectors)),
        checkedBusType(bus) {
    this->registerAddress = registerAddress;
  }
  FakeDevice(const FakeDevice&) = default;

  bool setParameter(std::string_view, int, std::string_view) override { return false; }
  const char* className() const override { return "VelmorCheckerFakeDevice"; }
  std::unique_ptr<VelmorDevice> clone() const override { return std::make_unique<FakeDevice>(*this); }

  // Va1000 adapters and ROMs answer differently with the whole configuration;
  // the fake marks that case with vector 777 so the tests can see it.
  std::vector<std::int32_t> checkedVectors(bool withConfiguration) const override {
    return withConfiguration ? std::vector<std::int32_t>{0777} : vectors;
  }
  std::int32_t checkedAreaSize() const override { return areaSize; }
  std::uint16_t checkedBus(bool) const override { return checkedBusType; }

  std::int32_t areaSize;
  std::vector<std::int32_t> vectors;
  std::uint16_t checkedBusType;
};

CheckEntry entry(std::string name, std::int32_t registerAddress, std::int32_t areaSize,
                 std::vector<std::int32_t> vectors, std::uint16_t bus = BusBoth) {
  CheckEntry e;
  e.name = std::move(name);
  e.registerAddress = registerAddress;
  e.areaSize = areaSize;
  e.vectors = std::move(vectors);
  e.bus = bus;
  return e;
}

std::string block(const std::string& self, const std::string& other, bool sharedVector, bool overlap) {
  std::string text = "Device " + self + (sharedVector ? " has conflict\r\n" : " has conflicts\r\n");
  text += " With device " + other + "\r\n";
  if (sharedVector) text += "      by the interrupt vectors\r\n";
  if (overlap) text += "      by the register area\r\n";
  return text;
}

TEST(ConflictChecker, SharedVectorAndOverlapGiveOneBlockWithBothCauses) {
  // Two DL11 lines at the same defaults.
  ConflictChecker checker(BusUnibus);
  checker.addEntry(entry("YLA", 0177560, 8, {060, 064}));
  checker.addEntry(entry("YLB", 0177560, 8, {060, 064}));
  EXPECT_TRUE(checker.hasConflict("YLA"));
  EXPECT_TRUE(checker.hasConflict("YLB"));
  EXPECT_EQ(checker.conflictText("YLA"),
            "Device YLA has conflict\r\n With device YLB\r\n      by the interrupt vectors\r\n"
            "      by the register area\r\n");
  EXPECT_EQ(checker.conflictText("YLB"),
            "Device YLB has conflict\r\n With device YLA\r\n      by the interrupt vectors\r\n"
            "      by the register area\r\n");
}

TEST(ConflictChecker, SharedVectorAloneNamesOnlyTheVectors) {
  ConflictChecker checker;
  checker.addEntry(entry("DUA", 017772150, 4, {0154}));
  checker.addEntry(entry("DLA", 017774400, 10, {0154}));
  EXPECT_EQ(checker.conflictText("DUA"), block("DUA", "DLA", true, false));
  EXPECT_EQ(checker.conflictText("DLA"), block("DLA", "DUA", true, false));
}

TEST(ConflictChecker, OverlapAloneSaysHasConflicts) {
  ConflictChecker checker;
  checker.addEntry(entry("DUA", 017772150, 4, {0154}));
  checker.addEntry(entry("DUB", 017772152, 4, {0160}));
  EXPECT_EQ(checker.conflictText("DUA"), "Device DUA has conflicts\r\n With device DUB\r\n      by the register area\r\n");
  EXPECT_EQ(checker.conflictText("DUB"), block("DUB", "DUA", false, true));
}

TEST(ConflictChecker, OnlyTheFirstSharedVectorOfAPairIsReported) {
  ConflictChecker checker;
  checker.addEntry(entry("A", 01000, 2, {0300, 0304, 0310}));
  checker.addEntry(entry("B", 02000, 2, {0310, 0304, 0300}));
  EXPECT_EQ(checker.conflictText("A"), block("A", "B", true, false));
}

TEST(ConflictChecker, EveryVectorOfALongListIsCompared) {
  ConflictChecker checker;
  checker.addEntry(entry("A", 01000, 2, {0300, 0304, 0310, 0314, 0320}));
  checker.addEntry(entry("B", 02000, 2, {0320}));
  checker.addEntry(entry("C", 03000, 2, {0330, 0334, 0340, 0344, 0314}));
  EXPECT_EQ(checker.conflictText("A"), block("A", "B", true, false) + block("A", "C", true, false));
  EXPECT_FALSE(checker.conflictText("B").find("With device C") != std::string::npos);
}

TEST(ConflictChecker, DevicesWithoutVectorsShareNone) {
  ConflictChecker checker;
  checker.addEntry(entry("CLOCK", 01000, 2, {}));
  checker.addEntry(entry("ZERO", 02000, 2, {0}));
  checker.addEntry(entry("BRIDGE", 03000, 2, {}));
  for (const char* name : {"CLOCK", "ZERO", "BRIDGE"}) EXPECT_FALSE(checker.hasConflict(name)) << name;
}

TEST(ConflictChecker, RegisterAreasOverlapByTheirLastWord) {
  struct Case {
    std::int32_t a, s, b, t;
    bool overlap;
    const char* why;
  };
  const Case cases[] = {
      {0100, 2, 0102, 4, false, "102 lies beyond the last word 100 of the first area"},
      {0100, 4, 0102, 2, true, "the first area's last word is 102"},
      {0102, 2, 0100, 4, true, "the same pair the other way round"},
      {0100, 2, 0100, 2, true, "same address, both at least 2 bytes"},
      {0100, 16, 0100, 2, true, "same address, different sizes"},
      {0100, 0, 0200, 0, false, "empty areas far apart"},
      {0100, 0, 0100, 0, false, "empty areas at one address have no last word at or after it"},
      {0100, 1, 0100, 1, false, "one byte is less than a word"},
      // Sums beyond 32 bits are taken as they are, not wrapped.
      {INT_MAX - 2, 0x100, INT_MAX, 2, true, "an area running past 2^31 still holds the next address"},
      {INT_MAX, INT_MAX, INT_MIN, INT_MAX, false, "areas at both ends of the range"},
      {INT_MIN, -2, INT_MIN, INT_MIN, false, "negative sizes give empty areas, without overflow"},
      {INT_MIN, INT_MAX, -4, 2, true, "a huge area from the bottom reaches -4"},
  };
  for (const Case& c : cases) {
    ConflictChecker checker;
    checker.addEntry(entry("L", c.a, c.s, {1}));
    checker.addEntry(entry("N", c.b, c.t, {2}));
    EXPECT_EQ(checker.hasConflict("L"), c.overlap) << c.why;
    EXPECT_EQ(checker.hasConflict("N"), c.overlap) << c.why;
  }
}

TEST(ConflictChecker, ThreeConflictsGiveThreeBlocksInListOrder) {
  ConflictChecker checker;
  checker.addEntry(entry("A", 01000, 2, {0300}));
  checker.addEntry(entry("HUB", 02000, 8, {0300, 0304}));  // vector with A, area with C and D
  checker.addEntry(entry("C", 02004, 2, {0310}));
  checker.addEntry(entry("Q", 05000, 2, {0400}));  // in conflict with nobody
  checker.addEntry(entry("D", 02006, 2, {0304}));  // vector and area
  EXPECT_EQ(checker.conflictText("HUB"),
            block("HUB", "A", true, false) + block("HUB", "C", false, true) + block("HUB", "D", true, true));
  EXPECT_EQ(checker.conflictText("A"), block("A", "HUB", true, false));
  EXPECT_EQ(checker.conflictText("C"), block("C", "HUB", false, true));
  EXPECT_EQ(checker.conflictText("D"), block("D", "HUB", true, true));
  EXPECT_FALSE(checker.hasConflict("Q"));
  EXPECT_EQ(checker.conflictText("Q"), "");
}

TEST(ConflictChecker, ReportsStopAtTheirLimitButFlagsDoNot) {
  // A hostile script of many devices at one vector must not make reports
  // that grow with the square of the devices.
  const std::size_t count = ConflictChecker::kMaxReportedDevices + 6;
  ConflictChecker checker;
  for (std::size_t i = 0; i < count; ++i)
    checker.addEntry(entry("D" + std::to_string(i), static_cast<std::int32_t>(01000 + 010 * i), 2, {0100}));
  std::string expected;
  for (std::size_t i = 1; i <= ConflictChecker::kMaxReportedDevices; ++i)
    expected += block("D0", "D" + std::to_string(i), true, false);
  EXPECT_EQ(checker.conflictText("D0"), expected);
  const std::string last = "D" + std::to_string(count - 1);
  EXPECT_TRUE(checker.hasConflict(last));
  EXPECT_EQ(checker.conflictText(last).find(block(last, "D0", true, false)), 0u);
}

// A device among many sharing one vector, or one register area, names the
// first 64 others in list order, those after it too: the same whether one
// report is asked for or all of them.
TEST(ConflictChecker, AMiddleDeviceOfManyNamesTheFirstOthers) {
  const std::size_t count = ConflictChecker::kMaxReportedDevices + 6;
  for (const bool byVector : {true, false}) {
    ConflictChecker checker;
    for (std::size_t i = 0; i < count; ++i) {
      const auto at = static_cast<std::int32_t>(byVector ? 01000 + 010 * i : 01000);
      const auto vector = static_cast<std::int32_t>(byVector ? 0100 : 0100 + 4 * i);
      checker.addEntry(entry("D" + std::to_string(i), at, 2, {vector}));
    }
    std::string expected;
    for (std::size_t i = 0; i <= ConflictChecker::kMaxReportedDevices; ++i)
      if (i != 10) expected += block("D10", "D" + std::to_string(i), byVector, !byVector);
    EXPECT_EQ(checker.conflictText("D10"), expected) << byVector;
    std::string together;
    checker.forEachConflictText([&](std::size_t position, const std::string& text) {
      if (position == 10) together = text;
    });
    EXPECT_EQ(together, expected) << byVector;
  }
}

TEST(ConflictChecker, ReportOfAMiddleDeviceListsEarlierThenLaterPartners) {
  ConflictChecker checker;
  for (const char* name : {"A", "B", "C"}) checker.addEntry(entry(name, 0, 0, {0100}));
  EXPECT_EQ(checker.conflictText("B"), block("B", "A", true, false) + block("B", "C", true, false));

  // Re-entering a device (as an edit does) moves it to the end of the list.
  checker.remove("A");
  checker.addEntry(entry("A", 0, 0, {0100}));
  EXPECT_EQ(checker.conflictText("B"), block("B", "C", true, false) + block("B", "A", true, false));
}

TEST(ConflictChecker, DisabledDevicesTakePartInNoConflictButKeepBusErrors) {
  ConflictChecker checker(BusUnibus);
  checker.addEntry(entry("YLA", 0177560, 8, {060, 064}, BusQbus));
  checker.addEntry(entry("YLB", 0177560, 8, {060, 064}));
  checker.setDisabled("YLA", true);
  EXPECT_FALSE(checker.hasConflict("YLA"));
  EXPECT_FALSE(checker.hasConflict("YLB"));
  EXPECT_EQ(checker.conflictText("YLB"), "");
  EXPECT_TRUE(checker.hasBusError("YLA"));

  checker.setDisabled("YLA", false);
  EXPECT_TRUE(checker.hasConflict("YLA"));
  EXPECT_EQ(checker.conflictText("YLB"), block("YLB", "YLA", true, true));
}

TEST(ConflictChecker, BusErrorsFollowTheSystemBus) {
  struct Case {
    std::uint16_t system, device;
    const char* text;
  };
  const Case cases[] = {
      {BusUnibus, BusQbus, "Device DEV can not be attached to the UNIBUS\r\n\r\n"},
      {BusQbus, BusUnibus, "Device DEV can not be attached to the QBUS\r\n\r\n"},
      {BusUnibus, BusUnibus, ""},
      {BusQbus, BusQbus, ""},
      {BusUnibus, BusBoth, ""},
      {BusQbus, BusBoth, ""},
      {BusBoth, BusQbus, ""},
      {BusBoth, BusUnibus, ""},
      {BusNone, BusQbus, ""},  // an empty checker knows no system bus yet
  };
  for (const Case& c : cases) {
    ConflictChecker checker(c.system);
    checker.addEntry(entry("DEV", 0, 0, {}, c.device));
    EXPECT_EQ(checker.hasBusError("DEV"), *c.text != '\0') << c.system << " " << c.device;
    EXPECT_EQ(checker.busText("DEV"), c.text) << c.system << " " << c.device;
    EXPECT_FALSE(checker.hasConflict("DEV"));
  }
}

TEST(ConflictChecker, NewSystemBusIsCheckedAtOnce) {
  ConflictChecker checker(BusUnibus);
  checker.addEntry(entry("YLA", 0177560, 8, {060, 064}, BusQbus));
  checker.addEntry(entry("LPA", 017777514, 4, {0200}, BusUnibus));
  checker.setSystemBus(BusQbus);
  EXPECT_FALSE(checker.hasBusError("YLA"));
  EXPECT_EQ(checker.busText("LPA"), "Device LPA can not be attached to the QBUS\r\n\r\n");
}

TEST(ConflictChecker, RemovingARepeatedNameRemovesOnlyTheFirstEntry) {
  ConflictChecker checker(BusUnibus);
  checker.addEntry(entry("DUA", 01000, 2, {0100}, BusQbus));
  checker.addEntry(entry("DUA", 02000, 2, {0200}));
  checker.addEntry(entry("DUB", 03000, 2, {0200}));
  // The first DUA answers while both are there.
  EXPECT_TRUE(checker.hasBusError("DUA"));
  EXPECT_FALSE(checker.hasConflict("DUA"));

  checker.remove("DUA");
  ASSERT_EQ(checker.entries().size(), 2u);
  EXPECT_EQ(checker.entries()[0].registerAddress, 02000);
  EXPECT_FALSE(checker.hasBusError("DUA"));
  EXPECT_EQ(checker.conflictText("DUA"), block("DUA", "DUB", true, false));
}

// Each entry of a repeated name has its own report, which `check` prints in
// the entries' order; a partner removed since is gone from the report.
TEST(ConflictChecker, EveryEntryOfARepeatedNameHasItsOwnReport) {
  ConflictChecker checker;
  checker.addEntry(entry("DUA", 01000, 2, {0100}));
  checker.addEntry(entry("DUB", 03000, 2, {0100}));
  checker.addEntry(entry("DUA", 02000, 2, {0200}));
  checker.addEntry(entry("DUC", 04000, 2, {0200}));
  EXPECT_EQ(checker.conflictTextAt(0), block("DUA", "DUB", true, false));
  EXPECT_EQ(checker.conflictTextAt(2), block("DUA", "DUC", true, false));
  EXPECT_EQ(checker.conflictText("DUA"), checker.conflictTextAt(0));
  EXPECT_EQ(checker.conflictTextAt(4), "");

  checker.remove("DUB");
  EXPECT_EQ(checker.conflictTextAt(0), "");
  EXPECT_EQ(checker.conflictTextAt(1), block("DUA", "DUC", true, false));
  EXPECT_EQ(checker.conflictText("DUC"), block("DUC", "DUA", true, false));
}

// A group enabled or disabled at once gives the same findings as one device
// after the other; an unknown name in the batch changes nothing.
TEST(ConflictChecker, SeveralDevicesDisabledAtOnce) {
  ConflictChecker one, batch;
  for (ConflictChecker* checker : {&one, &batch})
    for (const char* name : {"YLA", "YLB", "YLC"}) checker->addEntry(entry(name, 0177560, 8, {060}));
  one.setDisabled("YLA", true);
  one.setDisabled("YLB", true);
  const std::pair<std::string_view, bool> changes[] = {{"YLA", true}, {"NONE", true}, {"YLB", true}};
  batch.setDisabled(changes);
  for (const char* name : {"YLA", "YLB", "YLC"}) {
    EXPECT_EQ(batch.hasConflict(name), one.hasConflict(name)) << name;
    EXPECT_EQ(batch.conflictText(name), one.conflictText(name)) << name;
  }
  EXPECT_FALSE(batch.hasConflict("YLC"));
  EXPECT_TRUE(batch.entries()[1].disabled);
}

TEST(ConflictChecker, NamesAreComparedExactly) {
  ConflictChecker checker(BusUnibus);
  checker.addEntry(entry("DUA", 0, 0, {}, BusQbus));
  checker.remove("dua");
  checker.setDisabled("Dua", true);
  EXPECT_EQ(checker.entries().size(), 1u);
  EXPECT_FALSE(checker.entries()[0].disabled);
  EXPECT_FALSE(checker.hasBusError("dua"));
  EXPECT_EQ(checker.busText("DUA "), "");
  EXPECT_TRUE(checker.hasBusError("DUA"));
}

TEST(ConflictChecker, UnknownNamesAnswerNothingAndChangeNothing) {
  ConflictChecker checker;
  checker.addEntry(entry("A", 0100, 2, {1}));
  checker.addEntry(entry("B", 0100, 2, {2}));
  checker.remove("X");
  checker.setDisabled("X", true);
  EXPECT_FALSE(checker.hasConflict("X"));
  EXPECT_FALSE(checker.hasBusError("X"));
  EXPECT_EQ(checker.conflictText("X"), "");
  EXPECT_EQ(checker.busText("X"), "");
  EXPECT_TRUE(checker.hasConflict("A"));
  EXPECT_TRUE(checker.hasConflict("B"));
}

TEST(ConflictChecker, AddedDeviceGivesItsSingleEntry) {
  ConflictChecker checker(BusUnibus);
  FakeDevice device(DeviceKind::Va1000, "VAA", 017760000, 020, {0124}, BusQbus);
  device.disabled = true;
  checker.addDevice(device);
  ASSERT_EQ(checker.entries().size(), 1u);
  const CheckEntry& e = checker.entries()[0];
  EXPECT_EQ(e.name, "VAA");
  EXPECT_EQ(e.registerAddress, 017760000);
  EXPECT_EQ(e.areaSize, 020);
  EXPECT_EQ(e.vectors, std::vector<std::int32_t>{0124});
  EXPECT_TRUE(e.disabled);
  EXPECT_TRUE(checker.hasBusError("VAA"));

  checker.addDevice(FakeDevice(DeviceKind::Loader, "BLA", 0, 0, {}));
  EXPECT_EQ(checker.entries().size(), 1u);
}

TEST(ConflictChecker, BuildEntersEveryCheckedListInItsOrder) {
  Configuration config;
  config.system.bus = BusQbus;
  auto add = [&config](DeviceKind kind, const char* name, std::int32_t reg) {
    config.append(std::make_unique<FakeDevice>(kind, name, reg, 2, std::vector<std::int32_t>{}, BusUnibus));
  };
  // Appended out of order; the lists and the checker's order put them right.
  add(DeviceKind::ROM, "ROM", 016);
  add(DeviceKind::Loader, "BLA", 0);
  add(DeviceKind::Bridge, "BRIDGE", 010);
  add(DeviceKind::Va1000, "VA1000", 06);
  add(DeviceKind::Clock, "CLOCK", 014);
  add(DeviceKind::Timer, "TIMER", 012);
  add(DeviceKind::DCI1300, "DCI", 012);
  add(DeviceKind::DRXXX, "DRXXX", 010);
  add(DeviceKind::Network, "NET", 04);
  add(DeviceKind::Serial, "LPA", 03);
  config.list(DeviceListId::LinePrinters).push_back(std::move(config.list(DeviceListId::Serials).back()));
  config.list(DeviceListId::Serials).pop_back();
  add(DeviceKind::Serial, "YLA", 02);
  add(DeviceKind::Tape, "MTA", 01);
  add(DeviceKind::Disk, "DUA", 0);
  add(DeviceKind::Disk, "DUB", 0);

  ConflictChecker checker;
  checker.build(config);
  std::vector<std::string> names;
  for (const CheckEntry& e : checker.entries()) names.push_back(e.name);
  EXPECT_EQ(names, (std::vector<std::string>{"DUA", "DUB", "MTA", "YLA", "LPA", "NET", "VA1000", "BRIDGE", "DRXXX",
                                             "DCI", "TIMER", "CLOCK", "ROM"}));
  EXPECT_EQ(checker.systemBus(), BusQbus);
  EXPECT_TRUE(checker.hasBusError("ROM"));
  // Built with the configuration, every device shares the fake's vector 777.
  EXPECT_EQ(checker.entries()[0].vectors, std::vector<std::int32_t>{0777});
  EXPECT_EQ(checker.conflictText("DUB").find("Device DUB has conflict\r\n With device DUA\r\n"), 0u);

  // Building again replaces every entry.
  Configuration empty;
  checker.build(empty);
  EXPECT_TRUE(checker.entries().empty());
  EXPECT_EQ(checker.systemBus(), empty.system.bus);
}

}  // namespace

// The checker finds its flags and its reports of a whole configuration without
// comparing every pair; here every pair is compared, as the reports are
// defined, over random entries packed close together (shared vectors,
// touching and overlapping areas, areas of size 0 and 1, addresses at the ends
// of the range, disabled entries, repeated names, more partners than a report
// names).
TEST(ConflictChecker, FlagsAndReportsAgreeWithComparingEveryPair) {
  std::mt19937 random(20261207);
  auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
  const std::int32_t extremes[] = {INT_MIN, INT_MIN + 2, INT_MAX - 4, INT_MAX};
  for (int round = 0; round < 400; ++round) {
    ConflictChecker checker;
    // Some rounds give a device more partners than its report names.
    const int count = 1 + (round % 10 == 0 ? 70 + pick(60) : pick(30));
    for (int i = 0; i < count; ++i) {
      std::vector<std::int32_t> vectors;
      for (int v = pick(5); v > 0; --v) vectors.push_back(0100 + 4 * pick(8));
      const std::int32_t address = pick(10) == 0 ? extremes[pick(4)] : 01000 + 2 * pick(40);
      checker.addEntry(entry("D" + std::to_string(pick(count + 5)), address, pick(12), vectors));
    }
    for (int i = pick(4); i > 0; --i) checker.setDisabled(checker.entries()[pick(count)].name, true);

    const std::vector<CheckEntry>& all = checker.entries();
    std::vector<std::string> together(all.size(), "<none>");
    checker.forEachConflictText([&](std::size_t position, const std::string& text) { together.at(position) = text; });
    for (std::size_t self = 0; self < all.size(); ++self) {
      std::string expected;
      std::size_t blocks = 0;
      bool conflict = false;
      for (std::size_t other = 0; other < all.size(); ++other) {
        if (other == self || all[self].disabled || all[other].disabled) continue;
        bool shared = false;
        for (std::int32_t p : all[self].vectors)
          for (std::int32_t q : all[other].vectors) shared = shared || p == q;
        const std::int64_t selfLast = std::int64_t{all[self].registerAddress} + all[self].areaSize - 2;
        const std::int64_t otherLast = std::int64_t{all[other].registerAddress} + all[other].areaSize - 2;
        const bool overlap = all[self].registerAddress <= otherLast && all[other].registerAddress <= selfLast;
        if (!shared && !overlap) continue;
        conflict = true;
        if (blocks++ < ConflictChecker::kMaxReportedDevices)
          expected += block(all[self].name, all[other].name, shared, overlap);
      }
      ASSERT_EQ(all[self].hasConflict, conflict) << "round " << round << " entry " << self;
      ASSERT_EQ(checker.conflictTextAt(self), expected) << "round " << round << " entry " << self;
      ASSERT_EQ(together[self], expected) << "round " << round << " entry " << self;
    }
  }
}
