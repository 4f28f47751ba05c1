#include <gtest/gtest.h>

#include <string>

#include "config/configuration.h"
#include "devices/serial_device.h"
#include "support/device_script.h"

namespace {

std::unique_ptr<VelmorSerialDevice> load(std::string_view word, const std::string& name = "YLA") {
  return loadAs<VelmorSerialDevice>(word, name);
}

}  // namespace

TEST(SerialLoad, ResolvesWordsToTypeModelAndDefaults) {
  struct Case {
    const char* word;
    const char* type;
    const char* model;
    std::uint16_t bus;
    std::int32_t reg, vector, vector1, priority, units;
  } cases[] = {
      {"DL11", "DL11", "", BusUnibus, 0177560, 060, 064, 4, 1},
      // aliases give the canonical type and no model word
      {"dl11-c", "DL11", "", BusUnibus, 0177560, 060, 064, 4, 1},
      {"DLV11", "DL11", "", BusUnibus, 0177560, 060, 064, 4, 1},
      {"CXA16", "DHV11", "", BusQbus, 017760440, 0300, 0304, 5, 16},
      {"DHU11", "DHV11", "", BusQbus, 017760440, 0300, 0304, 5, 16},
      {"DZQ11", "DZ11", "", BusUnibus, 017760100, 0300, 0304, 5, 8},
      // model words that are no aliases keep the word as the model
      {"CXA11", "DHV11", "CXA11", BusQbus, 017760440, 0300, 0304, 5, 16},
      {"LXY11", "LP11", "LXY11", BusUnibus, 017767560, 0360, 0364, 4, 1},
      {"LPV11", "LP11", "LPV11", BusQbus, 017767560, 0360, 0364, 4, 1},
      {"DJ11", "DJ11", "", BusUnibus, 017760010, 0300, 0304, 5, 16},
      {"QQ11", "QQ11", "", BusBoth, 017767560, 0360, 0364, 4, 1},
      {"QQ11-N", "QQ11-N", "", BusBoth, 017767570, 0370, 0374, 4, 1},
      // LP11 alone is the type: no model word, the first LP11 row's values
      {"LP11", "LP11", "", BusUnibus, 017777514, 0200, 0200, 4, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.word);
    auto device = load(c.word);
    ASSERT_TRUE(device);
    EXPECT_EQ(device->type, c.type);
    EXPECT_EQ(device->model, c.model);
    EXPECT_EQ(device->bus, c.bus);
    EXPECT_EQ(device->registerAddress, c.reg);
    EXPECT_EQ(device->vector, c.vector);
    EXPECT_EQ(device->vector1, c.vector1);
    EXPECT_EQ(device->priority, c.priority);
    EXPECT_EQ(device->units, c.units);
    EXPECT_EQ(device->unitCount(), static_cast<std::size_t>(c.units));
  }
}

TEST(SerialLoad, LinesTakeTheirControllersDefaults) {
  struct Case {
    const char* word;
    const char* model;  // set after loading when not null
    std::int16_t bits;
    std::int32_t ri, rm, rc, wc;
  } cases[] = {
      {"DL11", nullptr, 8, 1, 0, -1, 1000},
      {"DZ11", nullptr, -1, 1, 0, -1, 1000},
      {"DHV11", nullptr, -1, 1, 0, -1, 1000},
      {"QQ11", nullptr, -1, -1, -1, -1, 0},
      {"QQ11-N", nullptr, -1, -1, -1, -1, 0},
      {"LXY11", nullptr, 8, 1, 0, -1, 1000},
      // no row for these: the wildcard row
      {"DJ11", nullptr, -1, 1, 0, -1, 1000},
      {"LP11", nullptr, -1, 1, 0, -1, 1000},
      {"DL11", "DL11-A", -1, 1, 0, -1, 1000},
      // the model row LP11/LP11 has seven bits
      {"LP11", "LP11", 7, 1, 0, -1, 1000},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.word) + "/" + (c.model ? c.model : ""));
    auto device = load(c.word);
    ASSERT_TRUE(device);
    if (c.model) {
      ASSERT_TRUE(device->setParameter("model", 0, c.model));
    }
    for (std::size_t i = 0; i < device->unitCount(); ++i) {
      const auto* line = device->line(static_cast<int>(i));
      ASSERT_TRUE(line);
      EXPECT_EQ(line->number, static_cast<int>(i));
      EXPECT_EQ(line->bits, c.bits);
      EXPECT_EQ(line->riTimeout, c.ri);
      EXPECT_EQ(line->rmTimeout, c.rm);
      EXPECT_EQ(line->rcTimeout, c.rc);
      EXPECT_EQ(line->wcTimeout, c.wc);
      EXPECT_EQ(line->speed, 9600);
      EXPECT_TRUE(line->offline);
      EXPECT_TRUE(line->hsync);
    }
  }
}

TEST(SerialKeys, RecognisedPerType) {
  struct Case {
    const char* word;
    const char* key;
    int index;
    const char* value;
    bool recognised;
  } cases[] = {
      {"DL11", "register", 0, "176500", true},
      {"DL11", "vector1", 0, "70", true},
      {"DL11", "parity", 0, "ODD", true},
      // parity belongs to DL11 lines only
      {"DZ11", "parity", 0, "odd", false},
      {"LP11", "parity", 0, "odd", false},
      {"DZ11", "speed", 7, "1200.", true},
      {"DZ11", "speed", 8, "1200.", false},  // no such line
      {"DL11", "line", -1, "x", false},
      {"DL11", "offline", 0, "maybe", true},
      {"DL11", "hsync", 0, "no", true},
      {"DL11", "ttsync", 0, "x", true},
      {"DL11", "file", 0, "x", false},
      {"DL11", "lines", 0, "x", false},
      {"DL11", "vector2", 0, "70", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.word) + " " + c.key);
    auto device = load(c.word);
    ASSERT_TRUE(device);
    EXPECT_EQ(device->setParameter(c.key, c.index, c.value), c.recognised);
  }
}

TEST(SerialKeys, SetLineFields) {
  auto device = load("DL11");
  ASSERT_TRUE(device->parseSetStatement("set YLA line=\"run terminal\" parity=odd speed=1200. bits[0]=7"));
  const VelmorSerialUnit& line = *device->line(0);
  EXPECT_EQ(line.file, "run terminal");
  EXPECT_FALSE(line.offline);
  EXPECT_EQ(line.parity, SerialParity::Odd);
  EXPECT_EQ(line.speed, 1200);
  EXPECT_EQ(line.bits, 7);

  // unknown yes/no and parity words change nothing, and each is counted as
  // refused, so that the reader names the line a save would not keep ("NO"
  // is a yes/no word: its case does not matter)
  ASSERT_TRUE(device->parseSetStatement("set YLA offline=maybe parity=mark hsync=NO"));
  EXPECT_EQ(device->refusedPairs(), 2);
  EXPECT_FALSE(line.offline);
  EXPECT_EQ(line.parity, SerialParity::Odd);
  EXPECT_FALSE(line.hsync);
  ASSERT_TRUE(device->parseSetStatement("set YLA parity=None offline=Yes"));
  EXPECT_EQ(line.parity, SerialParity::None);
  EXPECT_TRUE(line.offline);
}

TEST(SerialKeys, BitsKeepTheLow16Bits) {
  struct Case {
    const char* value;
    std::int16_t bits;
  } cases[] = {{"10", 8}, {"200010", 8}, {"177777", -1}, {"100000", -32768}, {"-1", -1}, {"65544.", 8}};
  auto device = load("DZ11");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    ASSERT_TRUE(device->setParameter("bits", 3, c.value));
    EXPECT_EQ(device->line(3)->bits, c.bits);
  }
}

TEST(SerialKeys, UnitKeysMarkTheLineTheyTouched) {
  auto device = load("DZ11");
  EXPECT_TRUE(device->setParameter("speed", 5, "22600"));
  EXPECT_TRUE(device->unitTouched());
  EXPECT_EQ(device->lastUnitIndex(), 5);
  EXPECT_TRUE(device->setParameter("vector1", 0, "304"));
  EXPECT_FALSE(device->unitTouched());
  // a value ending in "." is decimal
  EXPECT_TRUE(device->setParameter("vector1", 0, "100."));
  EXPECT_EQ(device->vector1, 100);
  // a line the controller does not have is not touched
  EXPECT_FALSE(device->setParameter("speed", 40, "1"));
  EXPECT_FALSE(device->unitTouched());
}

TEST(SerialModelDefaults, CommonFieldsAreNeverReset) {
  auto device = load("DL11");
  device->registerAddress = 0176510;
  device->vector = 0310;
  device->vector1 = 0314;
  device->comments = "kept";
  device->setType("DZ11");
  // register, vectors, priority, units and comments stay; vector1 follows the new type
  EXPECT_EQ(device->registerAddress, 0176510);
  EXPECT_EQ(device->vector, 0310);
  EXPECT_EQ(device->vector1, 0304);
  EXPECT_EQ(device->units, 1);
  EXPECT_EQ(device->unitCount(), 1u);
  EXPECT_EQ(device->comments, "kept");
  EXPECT_EQ(device->line(0)->bits, -1);

  // the model key keeps a vector1 that is set and rebuilds the lines
  ASSERT_TRUE(device->setParameter("line", 0, "x"));
  ASSERT_TRUE(device->setParameter("model", 0, "DZV11"));
  EXPECT_EQ(device->vector1, 0304);
  EXPECT_EQ(device->bus, BusQbus);
  EXPECT_TRUE(device->line(0)->offline);
  EXPECT_TRUE(device->line(0)->file.empty());
}

TEST(SerialModelDefaults, WithoutARowVector1StaysAsItIs) {
  VelmorSerialDevice device("NOSUCH", "", "YLA");
  device.vector1 = 0123;
  device.units = 2;
  device.applyModelDefaults(true);
  EXPECT_EQ(device.vector1, 0123);
  EXPECT_EQ(device.unitCount(), 2u);
  // lines still get the wildcard defaults
  EXPECT_EQ(device.line(1)->wcTimeout, 1000);
}

TEST(SerialComplete, OfflineLinesNeedNoConnection) {
  auto device = load("DL11");
  EXPECT_TRUE(device->isComplete());
  ASSERT_TRUE(device->setParameter("offline", 0, "no"));
  EXPECT_FALSE(device->isComplete());
  ASSERT_TRUE(device->setParameter("line", 0, "link host 23"));
  EXPECT_TRUE(device->isComplete());
}

TEST(SerialChecker, ComparesBothVectors) {
  auto device = load("DL11");
  device->vector1 = 070;
  EXPECT_EQ(device->checkedVectors(true), (std::vector<std::int32_t>{060, 070}));
  EXPECT_EQ(device->checkedAreaSize(), 8);
  EXPECT_EQ(load("CXA11")->checkedBus(true), BusQbus);
}

TEST(SerialWrite, EveryDifferingFieldInOrder) {
  auto device = load("DL11");
  ASSERT_TRUE(device->parseSetStatement(
      "set YLA hsync=0 ttsync=0 wc_timeout=1 wm_timeout=1 rc_timeout=1 rm_timeout=1 ri_timeout=2 parity=even "
      "tx_buf_size=1 rx_buf_size=1 tx_trace=1 rx_trace=1 bits=7 speed=1 line=\"x\""));
  EXPECT_EQ(writtenForm(*device),
            "load DL11 YLA\n"
            "\nset YLA line[0]=\"x\"\n"
            "set YLA speed[0]=1\n"
            "set YLA bits[0]=7\n"
            "set YLA rx_trace[0]=1\n"
            "set YLA tx_trace[0]=1\n"
            "set YLA rx_buf_size[0]=1\n"
            "set YLA tx_buf_size[0]=1\n"
            "set YLA parity[0]=even\n"
            "set YLA ri_timeout[0]=2\n"
            "set YLA rm_timeout[0]=1\n"
            "set YLA rc_timeout[0]=1\n"
            "set YLA wm_timeout[0]=1\n"
            "set YLA wc_timeout[0]=1\n"
            "set YLA ttsync[0]=0\n"
            "set YLA hsync[0]=0\n");
}

TEST(SerialWrite, LineCommentsOpenWithALineFeed) {
  struct Case {
    const char* comments;
    const char* block;
  } cases[] = {
      {"", "\nset YLA line[0]=\"t\"\n"},
      {"one", "\n#one\nset YLA line[0]=\"t\"\n"},
      // the CR of a stored CR LF stays at the end of its piece
      {"one\r\ntwo", "\n#one\r\n#two\nset YLA line[0]=\"t\"\n"},
      // an empty line is written wherever it stands, last included
      {"one\n\ntwo\n", "\n#one\n#\n#two\n#\nset YLA line[0]=\"t\"\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.comments);
    auto device = load("DL11");
    ASSERT_TRUE(device->setParameter("line", 0, "t"));
    device->line(0)->comments = c.comments;
    EXPECT_EQ(writtenForm(*device), std::string("load DL11 YLA\n") + c.block);
  }
}

TEST(SerialWrite, UnknownParityIsWrittenAsNone) {
  auto device = load("DL11");
  ASSERT_TRUE(device->setParameter("line", 0, "t"));
  device->line(0)->parity = static_cast<SerialParity>(7);
  EXPECT_EQ(writtenForm(*device), "load DL11 YLA\n\nset YLA line[0]=\"t\"\nset YLA parity[0]=none\n");
}

TEST(SerialDefaultConfiguration, HoldsAConsoleLineAndALineClock) {
  Configuration config;
  config.BuildDefaultConfiguration();
  ASSERT_EQ(config.list(DeviceListId::Serials).size(), 1u);
  auto& serial = static_cast<VelmorSerialDevice&>(*config.list(DeviceListId::Serials).front());
  EXPECT_EQ(serial.type, "DL11");
  EXPECT_EQ(serial.name, "YLA");
  EXPECT_FALSE(serial.disabled);
  EXPECT_EQ(serial.line(0)->file, "run terminal");
  EXPECT_FALSE(serial.line(0)->offline);
  ASSERT_EQ(config.list(DeviceListId::Timers).size(), 1u);
  const VelmorBusDevice& timer = *config.list(DeviceListId::Timers).front();
  EXPECT_EQ(timer.type, "KW11-L");
  EXPECT_EQ(timer.name, "KWA");
  EXPECT_FALSE(timer.disabled);
  EXPECT_TRUE(config.list(DeviceListId::LinePrinters).empty());
}
