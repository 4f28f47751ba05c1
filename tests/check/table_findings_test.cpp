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
// conflicts with it; one word further up it does not. One row per type word
// of every kind that the checker gives an area, so that a size typed wrong in
// a row hides no conflict. The probe takes vectors that no row uses, so that
// only the areas can collide (a DL11 row shares the probe's own defaults).
TEST(TableFindings, RegisterAreaSizesOfTheRows) {
  const struct {
    const char* load;  // the device at its default register
    const char* name;
    const char* lastWord;
    const char* justAbove;
  } rows[] = {
      {"load RL11 DLA\n", "DLA", "17774406", "17774410"},        // 8 bytes
      {"load RH11 DRA\n", "DRA", "17776452", "17776454"},        // 44
      {"load RK07 DMA\n", "DMA", "17777500", "17777502"},        // 34
      {"load RXV11 DXA\n", "DXA", "17777172", "17777174"},       // 4
      {"load RXV21 DYA\n", "DYA", "17777172", "17777174"},       // 4
      {"load RP11 DPA\n", "DPA", "17776736", "17776740"},        // 24
      {"load RK11 DKA\n", "DKA", "17777420", "17777422"},        // 18
      {"load MSCP DUA\n", "DUA", "17772152", "17772154"},        // 4
      {"load TM11 MTA\n", "MTA", "17772532", "17772534"},        // 12
      {"load TU16 MMA\n", "MMA", "17772476", "17772500"},        // 32
      {"load TS11 MSA\n", "MSA", "17772522", "17772524"},        // 4
      {"load TMSCP MUA\n", "MUA", "17774502", "17774504"},       // 4
      {"load DL11 YLA\n", "YLA", "177566", "177570"},            // 8, at a 16-bit address
      {"load DJ11 YJA\n", "YJA", "17760016", "17760020"},        // 8
      {"load DHV11 YVA\n", "YVA", "17760456", "17760460"},       // 16
      {"load DZ11 YZA\n", "YZA", "17760106", "17760110"},        // 8
      {"load QQ11 QQA\n", "QQA", "17767576", "17767600"},        // 16
      {"load QQ11-N QQA\n", "QQA", "17767606", "17767610"},      // 16
      {"load LP11 LPA\n", "LPA", "17777516", "17777520"},        // 4, a line printer
      {"load DEQNA WHA\n", "WHA", "17774456", "17774460"},       // 16
      {"load DELQA WHA\n", "WHA", "17774456", "17774460"},       // 16
      {"load DESQA WHA\n", "WHA", "17774456", "17774460"},       // 16
      {"load DELUA XEA\n", "XEA", "17774446", "17774450"},       // 8
      {"load VELNA VNA\n", "VNA", "17760604", "17760606"},       // 22
      {"load VA1000 EDA\n", "EDA", "17747776", "17750000"},      // its window size, 4096 by default
      {"load QBUS-BRIDGE QBA\n", "QBA", "17776700", "17776702"},    // its size, 2 by default
      {"load UNIBUS-BRIDGE UBA\n", "UBA", "17776700", "17776702"},  // 2
      {"load DRXXX XXA\n", "XXA", "17770002", "17770004"},       // 6
      {"load DRV11 DCA\n", "DCA", "17767774", "17767776"},       // 6
      {"load DR11-C DCA\n", "DCA", "17767774", "17767776"},      // 6
      {"load KW11-L KWA\n", "KWA", "17777546", "17777550"},      // 2
      {"load KW11-P KWA\n", "KWA", "17772544", "17772546"},      // 6
      {"load KW11-W KWA\n", "KWA", "17772406", "17772410"},      // 8
      {"load KWV11 KWA\n", "KWA", "1770422", "1770424"},         // 4, at a seven-digit address
      {"load TOY TOA\n", "TOA", "17777526", "17777530"},         // 2
      // a ROM's area is its rom_size, 0 (no area) by default, so this row sets one
      {"load ROM ROA\nset ROA register=17773000 rom_size=512.\n", "ROA", "17773776", "17774000"},
  };
  for (const auto& row : rows) {
    const std::string dl11 = std::string(row.load) + "load DL11 YLB\nset YLB vector=770 vector1=774 register=";
    const Findings onLastWord(dl11 + row.lastWord + "\n");
    const Findings justAbove(dl11 + row.justAbove + "\n");
    ASSERT_TRUE(onLastWord.read && justAbove.read) << row.load;
    EXPECT_TRUE(onLastWord.checker.hasConflict(row.name)) << row.load;
    EXPECT_FALSE(justAbove.checker.hasConflict(row.name)) << row.load;
  }
}

}  // namespace
