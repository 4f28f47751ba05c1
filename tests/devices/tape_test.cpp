#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "devices/model_tables.h"
#include "devices/tape_device.h"
#include "support/load_checks.h"

TEST(TapeLoad, WordsResolveToTypeModelAndDefaults) {
  const LoadCase cases[] = {
      {"TM11", "VelmorTapeDevice", "TM11", "", 017772520, 0224, 4, 1, 8},
      {"TM11-ED", "VelmorTapeDevice", "TM11", "", 017772520, 0224, 4, 1, 8},
      {"TU16", "VelmorTapeDevice", "TU16", "", 017772440, 0224, 5, 1, 64},
      // TU77 is an alias: type TU16 with no model, so 64 units rather than the TU77 row's 32
      {"TU77", "VelmorTapeDevice", "TU16", "", 017772440, 0224, 5, 1, 64},
      {"TJU16", "VelmorTapeDevice", "TU16", "", 017772440, 0224, 5, 1, 64},
      {"TS11", "VelmorTapeDevice", "TS11", "", 017772520, 0224, 5, 1, 4},
      {"TMSCP", "VelmorTapeDevice", "TMSCP", "", 017774500, 0160, 4, 3, 4},
      // a model word without an alias becomes the model, with its own row's bus
      {"TK30", "VelmorTapeDevice", "TMSCP", "TK30", 017774500, 0160, 4, 1, 4},
      {"TK81", "VelmorTapeDevice", "TMSCP", "TK81", 017774500, 0160, 4, 3, 4},
      {"tk50", "VelmorTapeDevice", "TMSCP", "", 017774500, 0160, 4, 3, 4},
  };
  for (const LoadCase& c : cases) expectLoads(c);
}

TEST(TapeLoad, TablesInTableOrder) {
  const ModelTable& table = ModelTable::instance();
  EXPECT_EQ(table.typeWords("VelmorTapeDevice"), (std::vector<std::string>{"TM11", "TU16", "TS11", "TMSCP"}));
  EXPECT_EQ(table.modelWords("VelmorTapeDevice", "TU16"),
            (std::vector<std::string>{"", "TU16", "TJU16", "TRH11", "TU45", "TE16", "TU77"}));
  EXPECT_EQ(table.unitsOf("VelmorTapeDevice", "TU16", "TU77"), 32);
  EXPECT_EQ(table.areaSizeOf("VelmorTapeDevice", "TM11", "TM11-ED"), 12);
  EXPECT_EQ(table.priorityChoices("VelmorTapeDevice", "TM11", ""), (std::vector<std::int32_t>{4, 6}));
  EXPECT_EQ(table.registerChoices("VelmorTapeDevice", "TS11", ""),
            (std::vector<std::int32_t>{017772520, 017772524, 017772530, 017772534}));
  EXPECT_EQ(table.prefixOf("VelmorTapeDevice", "TMSCP", "TU81"), "MU");

  // The model key keeps a unit count already set; a reset takes the TU77 row's.
  auto mma = loaded<VelmorTapeDevice>("TU16", "MMA");
  EXPECT_TRUE(mma->parseSetStatement("set MMA model=TU77"));
  EXPECT_EQ(mma->unitCount(), 64u);
  mma->applyModelDefaults(true);
  EXPECT_EQ(mma->unitCount(), 32u);
}

TEST(TapeUnits, NewUnitsTakeTheirDefaults) {
  auto msa = loaded<VelmorTapeDevice>("TS11", "MSA");
  ASSERT_EQ(msa->unitCount(), 4u);
  const VelmorTapeUnit& u = unitOf<VelmorTapeUnit>(*msa, 3);
  EXPECT_EQ(u.number, 3);
  EXPECT_EQ(u.kind(), DeviceKind::TapeUnit);
  EXPECT_FALSE(u.writeprotect);
  EXPECT_FALSE(u.boot);
  EXPECT_EQ(u.delayFactor, 1);
  EXPECT_EQ(u.volumeSize, 0);
  EXPECT_TRUE(u.unloadEnabled);
  EXPECT_TRUE(u.loaded);

  // Complete only once every unit has a file.
  EXPECT_FALSE(msa->isComplete());
  msa->parseSetStatement("set MSA file[0]=a file[1]=b file[2]=c");
  EXPECT_FALSE(msa->isComplete());
  msa->parseSetStatement("set MSA file[3]=d");
  EXPECT_TRUE(msa->isComplete());

  msa->unit(1).setBoot(true);
  EXPECT_EQ(msa->bootUnitNumber(), 1);
  EXPECT_EQ(msa->clone()->isComplete(), true);
}

TEST(TapeKeys, UnitKeysSetTheirUnitAndMarkIt) {
  const KeyCase cases[] = {
      {"set MSA file[1]=\"my tape.tap\"", true, 1},
      {"set MSA writeprotect[2]=yes", true, 2},
      {"set MSA delay_factor[3]=5.", true, 3},
      {"set MSA volume_size[0]=20.", true, 0},
      {"set MSA unload_enabled[1]=no", true, 1},
      {"set MSA LOADED[3]=0", true, 3},
      {"set MSA units=3", true, -1},
      {"set MSA model=TS11", true, -1},
      // tape units have no offline mark, and TS11 has units 0 to 3
      {"set MSA offline[0]=no", false, -1},
      {"set MSA file[4]=x", false, -1},
  };
  for (const KeyCase& c : cases) expectKeyCase<VelmorTapeDevice>("TS11", "MSA", c);

  auto msa = loaded<VelmorTapeDevice>("TS11", "MSA");
  msa->parseSetStatement("set MSA volume_size[0]=20. unload_enabled[1]=no loaded[1]=NO delay_factor[2]=12");
  EXPECT_EQ(unitOf<VelmorTapeUnit>(*msa, 0).volumeSize, 20);
  EXPECT_FALSE(unitOf<VelmorTapeUnit>(*msa, 1).unloadEnabled);
  EXPECT_FALSE(unitOf<VelmorTapeUnit>(*msa, 1).loaded);
  EXPECT_EQ(unitOf<VelmorTapeUnit>(*msa, 2).delayFactor, 10);  // 12 without a point is octal
}

TEST(TapeWrite, WrittenForms) {
  const WrittenCase cases[] = {
      // no files: only the load line, whatever the units hold
      {"TS11", {"set MSA writeprotect[0]=1 loaded[1]=0"}, "load TS11 MSA\n"},
      {"TS11", {"set MSA file[2]=t.tap"}, "load TS11 MSA\n\nset MSA file[2]=\"t.tap\"\n"},
      {"TS11",
       {"set MSA file[3]=t.tap volume_size[3]=20. loaded[3]=0"},
       "load TS11 MSA\n\nset MSA file[3]=\"t.tap\"\nset MSA volume_size[3]=20.\nset MSA loaded[3]=0\n"},
      // written in field order: delay_factor and volume_size decimal with a point
      {"TS11",
       {"set MSA loaded[0]=no unload_enabled[0]=no volume_size[0]=100 delay_factor[0]=0 writeprotect[0]=yes "
        "file[0]=a.tap"},
       "load TS11 MSA\n\nset MSA file[0]=\"a.tap\"\nset MSA writeprotect[0]=1\nset MSA delay_factor[0]=0.\n"
       "set MSA volume_size[0]=64.\nset MSA unload_enabled[0]=0\nset MSA loaded[0]=0\n"},
      // unit numbers in brackets are decimal
      {"TU16", {"set MSA file[10]=a.tap file[63]=b.tap"},
       "load TU16 MSA\n\nset MSA file[10]=\"a.tap\"\n\nset MSA file[63]=\"b.tap\"\n"},
      {"TK50", {"set MSA model=TK70 priority=5 file[0]=x"},
       "load TMSCP MSA\nset MSA model=\"TK70\"\nset MSA priority=5\n\nset MSA file[0]=\"x\"\n"},
  };
  for (const WrittenCase& c : cases) expectWrittenCase<VelmorTapeDevice>("MSA", c);

  // Setting loaded again removes the line.
  auto msa = loaded<VelmorTapeDevice>("TS11", "MSA");
  msa->parseSetStatement("set MSA file[3]=t.tap loaded[3]=0");
  msa->parseSetStatement("set MSA loaded[3]=1");
  EXPECT_EQ(writtenForm(*msa), "load TS11 MSA\n\nset MSA file[3]=\"t.tap\"\n");
}

TEST(TapeWrite, DisabledSignAndUnitComments) {
  auto mta = loaded<VelmorTapeDevice>("TM11", "MTA");
  mta->disabled = true;
  mta->parseSetStatement("set MTA file[1]=a.tap writeprotect[1]=yes");
  mta->unit(1).comments = "backup\r\nweekly";
  EXPECT_EQ(writtenForm(*mta, "!!"),
            "!!load TM11 MTA\n\n#backup\r\n#weekly\n!!set MTA file[1]=\"a.tap\"\n!!set MTA writeprotect[1]=1\n");
}
