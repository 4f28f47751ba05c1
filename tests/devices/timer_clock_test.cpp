#include <gtest/gtest.h>

#include <string>

#include "devices/clock_device.h"
#include "devices/device_registry.h"
#include "devices/timer_device.h"

namespace {

template <class Device>
std::unique_ptr<Device> load(std::string_view word, const std::string& name = "KWA") {
  std::unique_ptr<VelmorBusDevice> device = createDeviceForLoadWord(word, name);
  auto* typed = dynamic_cast<Device*>(device.get());
  if (!typed) return nullptr;
  device.release();
  return std::unique_ptr<Device>(typed);
}

std::unique_ptr<VelmorTimerDevice> timer(std::string_view word) { return load<VelmorTimerDevice>(word); }

std::string written(const VelmorBusDevice& device) {
  std::string out;
  device.writeStatements(out, "#$");
  return out;
}

}  // namespace

TEST(TimerLoad, TakesTheRowDefaults) {
  struct Case {
    const char* word;
    std::int32_t reg, vector, vector1, vector2, linefrequency;
    bool silent;
  } cases[] = {
      {"KW11-L", 017777546, 0100, -1, -1, 50, false},
      {"kw11-p", 017772540, 0100, -1, -1, 50, false},
      {"KW11-W", 017772400, 0350, 0350, 0354, -1, true},
      {"KWV11", 01770420, 0444, 0446, -1, 50, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.word);
    auto device = timer(c.word);
    ASSERT_TRUE(device);
    EXPECT_EQ(device->model, "");
    EXPECT_EQ(device->bus, BusBoth);
    EXPECT_EQ(device->registerAddress, c.reg);
    EXPECT_EQ(device->vector, c.vector);
    EXPECT_EQ(device->vector1, c.vector1);
    EXPECT_EQ(device->vector2, c.vector2);
    EXPECT_EQ(device->priority, 6);
    EXPECT_EQ(device->units, 1);
    EXPECT_EQ(device->linefrequency, c.linefrequency);
    EXPECT_EQ(device->silent, c.silent);
    EXPECT_FALSE(device->overflowPulse);
    EXPECT_FALSE(device->internalOnly);
    EXPECT_EQ(written(*device), "load " + device->type + " KWA\n");
  }
  EXPECT_EQ(timer("kw11-p")->type, "KW11-P");
}

TEST(ClockLoad, AliasesGiveTheToyClock) {
  for (const char* word : {"TOY", "TOY-CLOCK", "toy_clock"}) {
    SCOPED_TRACE(word);
    auto clock = load<VelmorClockDevice>(word, "TOA");
    ASSERT_TRUE(clock);
    EXPECT_EQ(clock->type, "TOY");
    EXPECT_EQ(clock->model, "");
    EXPECT_EQ(clock->registerAddress, 017777526);
    EXPECT_EQ(clock->vector, 0);
    EXPECT_EQ(clock->units, 1);
    EXPECT_EQ(clock->bus, BusBoth);
    EXPECT_TRUE(clock->isComplete());
    EXPECT_TRUE(clock->checkedVectors(true).empty());
    EXPECT_EQ(clock->checkedAreaSize(), 2);
    EXPECT_EQ(written(*clock), "load TOY TOA\n");
  }
}

TEST(TimerKeys, RecognisedPerType) {
  // one column per type: KW11-L, KW11-P, KW11-W, KWV11
  struct Case {
    const char* key;
    bool recognised[4];
  } cases[] = {
      {"register", {true, true, true, true}},
      {"vector", {true, true, true, true}},
      {"vector1", {false, false, true, true}},
      {"linefrequency", {true, true, false, true}},
      {"vector2", {false, false, true, false}},
      {"silent", {false, false, true, false}},
      {"overflow_pulse", {false, false, false, true}},
      {"internal_only", {false, false, false, true}},
      {"lines", {false, false, false, true}},
      // the common keys the timer does not take
      {"vector0", {false, false, false, false}},
      {"priority", {false, false, false, false}},
      {"units", {false, false, false, false}},
      {"model", {false, false, false, false}},
  };
  const char* types[] = {"KW11-L", "KW11-P", "KW11-W", "KWV11"};
  for (const Case& c : cases) {
    for (int t = 0; t < 4; ++t) {
      SCOPED_TRACE(std::string(types[t]) + " " + c.key);
      auto device = timer(types[t]);
      EXPECT_EQ(device->setParameter(c.key, 0, "1"), c.recognised[t]);
    }
  }
}

TEST(TimerKeys, TypeWordsAreComparedExactly) {
  auto device = timer("KW11-W");
  device->type = "kw11-w";
  EXPECT_FALSE(device->setParameter("silent", 0, "no"));
  EXPECT_TRUE(device->setParameter("register", 0, "1"));
}

TEST(TimerKeys, YesNoIsCaseSensitive) {
  struct Case {
    const char* value;
    bool before, after;
  } cases[] = {
      {"no", true, false}, {"0", true, false}, {"yes", false, true}, {"1", false, true},
      // other spellings are taken and change nothing
      {"YES", false, false}, {"No", true, true}, {"maybe", true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    auto device = timer("KW11-W");
    device->silent = c.before;
    EXPECT_TRUE(device->setParameter("silent", 0, c.value));
    EXPECT_EQ(device->silent, c.after);
  }
}

TEST(TimerKeys, SetValues) {
  auto device = timer("KWV11");
  ASSERT_TRUE(device->parseSetStatement(
      "set KWA register=1770430 vector=450 vector1=452 linefrequency=60. overflow_pulse=yes internal_only=1 "
      "lines=\"a b\""));
  EXPECT_EQ(device->registerAddress, 01770430);
  EXPECT_EQ(device->vector, 0450);
  EXPECT_EQ(device->vector1, 0452);
  EXPECT_EQ(device->linefrequency, 60);
  EXPECT_TRUE(device->overflowPulse);
  EXPECT_TRUE(device->internalOnly);
  EXPECT_EQ(device->lines, "a b");

  auto w = timer("KW11-W");
  ASSERT_TRUE(w->setParameter("vector1", 0, "360"));
  EXPECT_EQ(w->vector1, 0360);
  EXPECT_EQ(w->vector, 0350);
}

TEST(TimerModelDefaults, ResetTakesTheNewTypesValues) {
  auto device = timer("KW11-W");
  device->silent = false;
  device->lines = "kept";
  device->setType("KW11-L");
  EXPECT_EQ(device->registerAddress, 017777546);
  EXPECT_EQ(device->vector1, -1);
  EXPECT_EQ(device->linefrequency, 50);
  EXPECT_FALSE(device->silent);

  // without reset only empty fields are filled
  device->linefrequency = 60;
  device->vector1 = 0;
  device->applyModelDefaults(false);
  EXPECT_EQ(device->linefrequency, 60);
  EXPECT_EQ(device->vector1, -1);
}

TEST(TimerComplete, LineClocksNeedAFrequency) {
  struct Case {
    const char* word;
    bool completeWithoutFrequency;
  } cases[] = {{"KW11-L", false}, {"KW11-P", false}, {"KW11-W", true}, {"KWV11", true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.word);
    auto device = timer(c.word);
    EXPECT_TRUE(device->isComplete());
    device->linefrequency = 0;
    EXPECT_EQ(device->isComplete(), c.completeWithoutFrequency);
  }
}

TEST(TimerChecker, VectorsPerType) {
  EXPECT_EQ(timer("KW11-L")->checkedVectors(true), (std::vector<std::int32_t>{0100}));
  EXPECT_EQ(timer("KW11-P")->checkedVectors(false), (std::vector<std::int32_t>{0100}));
  EXPECT_EQ(timer("KW11-W")->checkedVectors(true), (std::vector<std::int32_t>{0350, 0350, 0354}));
  EXPECT_EQ(timer("KWV11")->checkedVectors(true), (std::vector<std::int32_t>{0444, 0446}));
  auto device = timer("KW11-W");
  device->type = "kw11-w";  // the checker ignores letter case
  EXPECT_EQ(device->checkedVectors(true).size(), 3u);
  EXPECT_EQ(device->checkedAreaSize(), 8);
}

TEST(TimerWrite, LineFrequencyIsDecimalWithAPoint) {
  auto device = timer("KW11-L");
  device->linefrequency = 60;
  EXPECT_EQ(written(*device), "load KW11-L KWA\nset KWA linefrequency=60.\n");
  device->linefrequency = 50;
  EXPECT_EQ(written(*device), "load KW11-L KWA\n");
  // KW11-W has no frequency to write
  auto w = timer("KW11-W");
  w->linefrequency = 60;
  EXPECT_EQ(written(*w), "load KW11-W KWA\n");
}

TEST(TimerWrite, Kw11wFields) {
  auto device = timer("KW11-W");
  device->vector1 = 0360;
  device->vector2 = 0364;
  device->silent = false;
  device->disabled = true;
  EXPECT_EQ(written(*device),
            "#$load KW11-W KWA\n#$set KWA vector1=360\n#$set KWA vector2=364\n#$set KWA silent=0\n");
}

TEST(TimerWrite, Kwv11LinesEndWithoutLineFeed) {
  auto device = timer("KWV11");
  device->vector1 = 0452;
  device->overflowPulse = true;
  device->internalOnly = true;
  device->linefrequency = 60;
  device->lines = "0,1";
  EXPECT_EQ(written(*device),
            "load KWV11 KWA\nset KWA linefrequency=60.\nset KWA vector1=452\nset KWA overflow_pulse=1\n"
            "set KWA internal_only=1\nset KWA lines=0,1");
}

TEST(TimerWrite, LinesThatABlankWouldCutAreQuoted) {
  struct Case {
    const char* lines;
    const char* value;
  } cases[] = {{"a b", "\"a b\""}, {"\tab", "\"\tab\""}, {"a\tb", "a\tb"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.lines);
    auto device = timer("KWV11");
    device->lines = c.lines;
    const std::string out = written(*device);
    EXPECT_EQ(out, std::string("load KWV11 KWA\nset KWA lines=") + c.value);
    // reading the statement back gives the same text
    auto again = timer("KWV11");
    ASSERT_TRUE(again->parseSetStatement(out.substr(out.find("set "))));
    EXPECT_EQ(again->lines, c.lines);
  }
}

TEST(ClockKeys, OnlyTheRegister) {
  auto clock = load<VelmorClockDevice>("TOY", "TOA");
  EXPECT_TRUE(clock->setParameter("register", 0, "17777530"));
  EXPECT_EQ(clock->registerAddress, 017777530);
  for (const char* key : {"vector", "vector0", "priority", "units", "model", "linefrequency"}) {
    SCOPED_TRACE(key);
    EXPECT_FALSE(clock->setParameter(key, 0, "1"));
  }
  EXPECT_EQ(written(*clock), "load TOY TOA\nset TOA register=17777530\n");
}
