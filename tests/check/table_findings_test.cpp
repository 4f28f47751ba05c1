// The bus types and register-area sizes of the model rows, through what the
// checker finds in scripts: a row's value typed wrong shows up here.
#include <gtest/gtest.h>

#include <string>

#include "check/conflict_checker.h"
#include "config/configuration.h"
#include "config/script_reader.h"
#include "support/recording_messages.h"

namespace {

struct Findings {
  explicit Findings(const std::string& script) {
    RecordingMessages messages;
    read = ReadScriptBytes(config, script, messages);
    checker.build(config);
  }
  Configuration config;
  ConflictChecker checker;
  bool read = false;
};

TEST(TableFindings, BusOfCpuAndModelRows) {
  const struct {
    std::string script;
    const char* device;
    bool busError;
  } rows[] = {
      {"set CPU model=\"PDP 11/23\"\nload RL11 DLA\n", "DLA", true},  // a QBUS processor
      {"set CPU model=\"PDP 11/93\"\nload RL11 DLA\n", "DLA", true},
      {"set CPU model=\"PDP 11/73\"\nload RL11 DLA\nset DLA model=RLV12\n", "DLA", false},
      {"set CPU model=\"PDP 11/73\"\nload DL11 YLB\nset YLB model=DLV11\n", "YLB", false},
      {"set CPU model=\"PDP 11/70\"\nload MSCP DUA\nset DUA model=RQDX3\n", "DUA", false},  // either bus
      {"set CPU model=\"PDP 11/73\"\nload RK11 DKA\nset DKA model=RKV11\n", "DKA", true},
      {"set CPU model=\"PDP 11/73\"\nload MSCP DUA\nset DUA model=FOO\n", "DUA", false},  // no row: either bus
  };
  for (const auto& row : rows) {
    Findings f(row.script);
    ASSERT_TRUE(f.read) << row.script;
    EXPECT_EQ(f.checker.hasBusError(row.device), row.busError) << row.script;
  }
}

// A DL11 placed on the last word of another device's register area
// conflicts with it; one word further up it does not.
TEST(TableFindings, RegisterAreaSizesOfTheRows) {
  const struct {
    const char* load;  // the device at its default register
    const char* name;
    const char* lastWord;
    const char* justAbove;
  } rows[] = {
      {"load RH11 DRA\n", "DRA", "17776452", "17776454"},        // 44 bytes
      {"load DHV11 YVA\n", "YVA", "17760456", "17760460"},       // 16
      {"load QQ11-N QQA\n", "QQA", "17767606", "17767610"},      // 16
      {"load KW11-P KWA\n", "KWA", "17772544", "17772546"},      // 6
      {"load TS11 MSA\n", "MSA", "17772522", "17772524"},        // 4
  };
  for (const auto& row : rows) {
    const std::string dl11 = std::string(row.load) + "load DL11 YLB\nset YLB register=";
    EXPECT_TRUE(Findings(dl11 + row.lastWord + "\n").checker.hasConflict(row.name)) << row.load;
    EXPECT_FALSE(Findings(dl11 + row.justAbove + "\n").checker.hasConflict(row.name)) << row.load;
  }
}

}  // namespace
