#include <gtest/gtest.h>

#include <string>

#include "devices/clock_device.h"
#include "devices/timer_device.h"
#include "support/device_script.h"

namespace {

std::unique_ptr<VelmorTimerDevice> timer(std::string_view word) { return loadAs<VelmorTimerDevice>(word, "KWA"); }

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
    EXPECT_EQ(writtenForm(*device), "load " + device->type + " KWA\n");
  }
  EXPECT_EQ(timer("kw11-p")->type, "KW11-P");
}

TEST(ClockLoad, AliasesGiveTheToyClock) {
  for (const char* word : {"TOY", "TOY-CLOCK", "toy_clock"}) {
    SCOPED_TRACE(word);
    auto clock = loadAs<VelmorClockDevice>(word, "TOA");
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
    EXPECT_EQ(writtenForm(*clock), "load TOY TOA\n");
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

TEST(TimerWrite, LinesWithWhiteSpaceAreQuoted) {
  struct Case {
    const char* lines;
    const char* value;
  } cases[] = {{"a b", "\"a b\""}, {"\tab", "\"\tab\""}, {"a\tb", "\"a\tb\""}, {"a\t#b", "\"a\t#b\""}, {"ab", "ab"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.lines);
    auto device = timer("KWV11");
    device->lines = c.lines;
    const std::string out = writtenForm(*device);
    EXPECT_EQ(out, std::string("load KWV11 KWA\nset KWA lines=") + c.value);
    // reading the statement back gives the same text
    auto again = timer("KWV11");
    ASSERT_TRUE(again->parseSetStatement(out.substr(out.find("set "))));
    EXPECT_EQ(again->lines, c.lines);
  }
}

TEST(ClockKeys, OnlyTheRegister) {
  auto clock = loadAs<VelmorClockDevice>("TOY", "TOA");
  EXPECT_TRUE(clock->setParameter("register", 0, "17777530"));
  EXPECT_EQ(clock->registerAddress, 017777530);
  for (const char* key : {"vector", "vector0", "priority", "units", "model", "linefrequency"}) {
    SCOPED_TRACE(key);
    EXPECT_FALSE(clock->setParameter(key, 0, "1"));
  }
  EXPECT_EQ(writtenForm(*clock), "load TOY TOA\nset TOA register=17777530\n");
}

// Every line clock writes a frequency other than its row's first; the KWV11's
// options follow in their fixed order.
TEST(TimerWrite, LineFrequencyOfEveryLineClockAndTheKwv11Options) {
  for (const char* type : {"KW11-L", "KW11-P", "KWV11"}) {
    SCOPED_TRACE(type);
    auto device = timer(type);
    ASSERT_TRUE(device->parseSetStatement("set KWA linefrequency=60."));
    EXPECT_EQ(writtenForm(*device), std::string("load ") + type + " KWA\nset KWA linefrequency=60.\n");
  }
  auto kwv11 = timer("KWV11");
  ASSERT_TRUE(kwv11->parseSetStatement("set KWA internal_only=1 overflow_pulse=1"));
  EXPECT_EQ(writtenForm(*kwv11), "load KWV11 KWA\nset KWA overflow_pulse=1\nset KWA internal_only=1\n");
}

TEST(TimerKeys, EachTypeTakesOnlyItsOwnKeys) {
  struct Case {
    const char* type;
    bool vector1, vector2, linefrequency, lines;
  } cases[] = {
      {"KW11-L", false, false, true, false}, {"kw11-p", false, false, true, false},
      {"Kw11-W", true, true, false, false},  {"kwv11", true, false, true, true},
      {"TOY", false, false, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.type);
    EXPECT_EQ(timerTypeTakes(c.type, "vector1"), c.vector1);
    EXPECT_EQ(timerTypeTakes(c.type, "vector2"), c.vector2);
    EXPECT_EQ(timerTypeTakes(c.type, "linefrequency"), c.linefrequency);
    EXPECT_EQ(timerTypeTakes(c.type, "lines"), c.lines);
    EXPECT_EQ(timerTypeTakes(c.type, "vector"), *c.type != 'T');
    EXPECT_FALSE(timerTypeTakes(c.type, "nosuchkey"));
  }
}
