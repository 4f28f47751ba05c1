#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "devices/disk_device.h"
#include "devices/model_tables.h"
#include "support/load_checks.h"

TEST(DiskLoad, WordsResolveToTypeModelAndDefaults) {
  const LoadCase cases[] = {
      {"RL11", "VelmorDiskDevice", "RL11", "", 017774400, 0160, 4, 1, 4},
      // an alias loads its type without a model; its model row is reached only by a `model` key
      {"RLV12", "VelmorDiskDevice", "RL11", "", 017774400, 0160, 4, 1, 4},
      {"rl211", "VelmorDiskDevice", "RL11", "", 017774400, 0160, 4, 1, 4},
      {"RH11", "VelmorDiskDevice", "RH11", "", 017776400, 0224, 5, 3, 8},
      {"RH70", "VelmorDiskDevice", "RH11", "", 017776400, 0224, 5, 3, 8},
      // a model word without an alias becomes the model, with its own row's defaults
      {"RP05", "VelmorDiskDevice", "RH11", "RP05", 017776700, 0254, 5, 3, 8},
      {"rp06", "VelmorDiskDevice", "RH11", "rp06", 017776700, 0254, 5, 3, 8},
      {"RS03", "VelmorDiskDevice", "RH11", "RS03", 017772040, 0204, 5, 1, 8},
      {"RM80", "VelmorDiskDevice", "RH11", "RM80", 017776400, 0224, 5, 3, 8},
      // RK07 is a type word and a model word of its own type: no model
      {"RK07", "VelmorDiskDevice", "RK07", "", 017777440, 0210, 5, 1, 8},
      {"RK06", "VelmorDiskDevice", "RK07", "RK06", 017777440, 0210, 5, 1, 8},
      {"RK611", "VelmorDiskDevice", "RK07", "", 017777440, 0210, 5, 1, 8},
      {"RXV11", "VelmorDiskDevice", "RXV11", "", 017777170, 0264, 4, 2, 2},
      // RX211 has a row of its own, but the alias wins
      {"RX211", "VelmorDiskDevice", "RXV21", "", 017777170, 0264, 4, 2, 2},
      {"RP11", "VelmorDiskDevice", "RP11", "", 017776710, 0254, 5, 1, 8},
      {"RK11-D", "VelmorDiskDevice", "RK11", "", 017777400, 0220, 5, 1, 8},
      {"MSCP", "VelmorDiskDevice", "MSCP", "", 017772150, 0154, 4, 3, 4},
      {"RQDX3", "VelmorDiskDevice", "MSCP", "", 017772150, 0154, 4, 3, 4},
      // model rows and aliases spell these differently: KDA50A and RUX25 are models, KDA50 and RUX50 aliases
      {"KDA50A", "VelmorDiskDevice", "MSCP", "KDA50A", 017772150, 0154, 4, 3, 4},
      {"KDA50", "VelmorDiskDevice", "MSCP", "", 017772150, 0154, 4, 3, 4},
      {"RUX25", "VelmorDiskDevice", "MSCP", "RUX25", 017772150, 0154, 4, 3, 4},
      {"RUX50", "VelmorDiskDevice", "MSCP", "", 017772150, 0154, 4, 3, 4},
  };
  for (const LoadCase& c : cases) expectLoads(c);
}

TEST(DiskLoad, TablesInTableOrder) {
  const ModelTable& table = ModelTable::instance();
  EXPECT_EQ(table.typeWords("VelmorDiskDevice"),
            (std::vector<std::string>{"RL11", "RH11", "RK07", "RXV11", "RXV21", "RX211", "RP11", "RK11", "MSCP"}));
  EXPECT_EQ(table.modelWords("VelmorDiskDevice", "mscp"),
            (std::vector<std::string>{"", "UDA50", "UDA50A", "KDA50A", "RC25", "RQC25", "RUC25", "RUX25", "RQDX",
                                      "RQDX1", "RQDX2", "RQDX3", "RQZX1", "QDA50"}));
  EXPECT_EQ(table.prefixOf("VelmorDiskDevice", "RH11", "RS04"), "DS");
  EXPECT_EQ(table.prefixOf("VelmorDiskDevice", "RH11", "RP04"), "DR");
  EXPECT_EQ(table.areaSizeOf("VelmorDiskDevice", "RK11", ""), 18);
  EXPECT_EQ(table.priorityChoices("VelmorDiskDevice", "RL11", "RLV12"), (std::vector<std::int32_t>{4, 5}));
  EXPECT_EQ(table.registerChoices("VelmorDiskDevice", "RH11", "RP06"),
            (std::vector<std::int32_t>{017776700, 017777000, 017777100, 017777200}));
  EXPECT_EQ(table.vectorChoices("VelmorDiskDevice", "RP11", ""), (std::vector<std::int32_t>{0254, 0260, 0264, 0270}));

  // The unit defaults: type RL11 without a model, MSCP with any, and "*" for the rest.
  EXPECT_EQ(std::string(findUnitDefaults(diskUnitDefaultsRows(), "rl11", "")->type), "RL11");
  EXPECT_EQ(std::string(findUnitDefaults(diskUnitDefaultsRows(), "RL11", "RLV12")->type), "*");
  EXPECT_EQ(std::string(findUnitDefaults(diskUnitDefaultsRows(), "MSCP", "RQDX3")->type), "MSCP");
  EXPECT_EQ(std::string(findUnitDefaults(diskUnitDefaultsRows(), "RH11", "RP05")->type), "*");
}

TEST(DiskUnits, NewUnitsAreOfflineWithTheRowDefaults) {
  auto dua = loaded<VelmorDiskDevice>("MSCP", "DUA");
  ASSERT_EQ(dua->unitCount(), 4u);
  for (int i = 0; i < 4; ++i) {
    const VelmorDiskUnit& u = unitOf<VelmorDiskUnit>(*dua, i);
    EXPECT_EQ(u.number, i);
    EXPECT_EQ(u.kind(), DeviceKind::DiskUnit);
    EXPECT_TRUE(u.offline);
    EXPECT_FALSE(u.writeprotect);
    EXPECT_FALSE(u.boot);
    EXPECT_EQ(u.sectorSize, 512);
    EXPECT_EQ(u.caching, 1);
    EXPECT_EQ(u.delayFactor, 1);
    EXPECT_EQ(u.size, 0);
  }
  // Offline units are complete: a controller without files is complete.
  EXPECT_TRUE(dua->isComplete());
  EXPECT_EQ(dua->bootUnitNumber(), -1);
}

TEST(DiskKeys, UnitKeysSetTheirUnitAndMarkIt) {
  const KeyCase cases[] = {
      {"set DUA file[2]=\"a b.dsk\"", true, 2},
      {"set DUA writeprotect[1]=YES", true, 1},
      {"set DUA offline[3]=no", true, 3},
      {"set DUA caching[0]=0", true, 0},
      {"set DUA size[1]=100", true, 1},
      {"set DUA sector_size[1]=256.", true, 1},
      {"set DUA delay_factor[2]=10.", true, 2},
      {"set DUA register=17772154", true, -1},
      {"set DUA bogus[1]=1", false, -1},
      // MSCP has units 0 to 3: a key for unit 4 touches nothing
      {"set DUA file[4]=x.dsk", false, -1},
      {"set DUA offline[-1]=no", false, -1},
  };
  for (const KeyCase& c : cases) expectKeyCase<VelmorDiskDevice>("MSCP", "DUA", c);

  auto dua = loaded<VelmorDiskDevice>("MSCP", "DUA");
  dua->parseSetStatement(
      "set DUA file[2]=\"a b.dsk\" writeprotect[1]=yes size[1]=100 sector_size[1]=256. caching[0]=200001 "
      "delay_factor[2]=10.");
  EXPECT_EQ(unitOf<VelmorDiskUnit>(*dua, 2).file, "a b.dsk");
  EXPECT_FALSE(unitOf<VelmorDiskUnit>(*dua, 2).offline);  // a file brings the unit online
  EXPECT_EQ(unitOf<VelmorDiskUnit>(*dua, 2).delayFactor, 10);
  EXPECT_TRUE(unitOf<VelmorDiskUnit>(*dua, 1).writeprotect);
  EXPECT_TRUE(unitOf<VelmorDiskUnit>(*dua, 1).offline);
  EXPECT_EQ(unitOf<VelmorDiskUnit>(*dua, 1).size, 64);
  EXPECT_EQ(unitOf<VelmorDiskUnit>(*dua, 1).sectorSize, 256);
  EXPECT_EQ(unitOf<VelmorDiskUnit>(*dua, 0).caching, 1);  // 200001 octal kept in 16 bits

  // A yes/no word other than the four leaves the flag; the pair still counts.
  EXPECT_TRUE(dua->parseSetStatement("set DUA writeprotect[1]=maybe"));
  EXPECT_TRUE(unitOf<VelmorDiskUnit>(*dua, 1).writeprotect);

  // A unit given a file is complete; one brought online without a file is not.
  EXPECT_TRUE(dua->isComplete());
  dua->parseSetStatement("set DUA offline[3]=no");
  EXPECT_FALSE(dua->isComplete());
}

TEST(DiskKeys, ModelKeyKeepsSetFieldsAndRebuildsUnits) {
  auto dra = loaded<VelmorDiskDevice>("RH11", "DRA");
  dra->parseSetStatement("set DRA writeprotect[0]=1 file[0]=a.dsk");
  EXPECT_TRUE(dra->parseSetStatement("set DRA model=RP05"));
  EXPECT_EQ(dra->model, "RP05");
  EXPECT_EQ(dra->registerAddress, 017776400);
  EXPECT_EQ(dra->vector, 0224);
  EXPECT_FALSE(dra->unitTouched());
  EXPECT_FALSE(unitOf<VelmorDiskUnit>(*dra, 0).writeprotect);
  EXPECT_TRUE(unitOf<VelmorDiskUnit>(*dra, 0).file.empty());
  // Reading "load RH11" and the model key back gives these very values, so
  // no register or vector line is needed.
  EXPECT_EQ(writtenForm(*dra),
            "load RH11 DRA\n"
            "set DRA model=\"RP05\"\n");
}

TEST(DiskKeys, RaisedUnitCountReachesFurtherUnits) {
  // The writer puts the model and a raised units line before the unit lines;
  // the units they name must exist again when the script is read back.
  auto dra = loaded<VelmorDiskDevice>("RH11", "DRA");
  EXPECT_TRUE(dra->parseSetStatement("set DRA model=RP04 units=20"));
  EXPECT_EQ(dra->unitCount(), 8u);
  EXPECT_TRUE(dra->parseSetStatement("set DRA file[12]=u12.dsk"));
  ASSERT_EQ(dra->unitCount(), 16u);
  EXPECT_EQ(unitOf<VelmorDiskUnit>(*dra, 12).file, "u12.dsk");
  EXPECT_TRUE(unitOf<VelmorDiskUnit>(*dra, 15).offline);
  EXPECT_FALSE(dra->parseSetStatement("set DRA file[16]=x.dsk"));
  EXPECT_EQ(dra->unitCount(), 16u);
}

TEST(DiskWrite, WrittenForms) {
  const WrittenCase cases[] = {
      // every unit offline: only the load line
      {"MSCP", {}, "load MSCP DUA\n"},
      // an offline unit keeps its file but is left out
      {"MSCP", {"set DUA file[1]=a.dsk", "set DUA offline[1]=yes"}, "load MSCP DUA\n"},
      {"MSCP", {"set DUA file[2]=a.dsk"}, "load MSCP DUA\n\nset DUA file[2]=\"a.dsk\"\n"},
      // caching and sector_size octal, delay_factor decimal with a point
      {"MSCP",
       {"set DUA file[0]=\"my disk.dsk\" caching[0]=0 delay_factor[0]=10. sector_size[0]=256."},
       "load MSCP DUA\n\nset DUA file[0]=\"my disk.dsk\"\nset DUA caching[0]=0\nset DUA delay_factor[0]=10.\n"
       "set DUA sector_size[0]=400\n"},
      // written in field order, whatever the key order; 16-bit fields unsigned
      {"MSCP",
       {"set DUA sector_size[3]=-1 size[3]=1000000 writeprotect[3]=1 file[3]=d.dsk caching[3]=2"},
       "load MSCP DUA\n\nset DUA file[3]=\"d.dsk\"\nset DUA writeprotect[3]=1\nset DUA caching[3]=2\n"
       "set DUA size[3]=1000000\nset DUA sector_size[3]=177777\n"},
      // brought online without a file: written with an empty file
      {"RL11", {"set DUA offline[0]=no"}, "load RL11 DUA\n\nset DUA file[0]=\"\"\n"},
      // unit numbers in brackets stay decimal after octal values
      {"RH11",
       {"set DUA units=16.", "set DUA model=RP04", "set DUA file[7]=a size[7]=17", "set DUA file[12]=b"},
       "load RH11 DUA\nset DUA model=\"RP04\"\nset DUA units=20\n\nset DUA file[7]=\"a\"\nset DUA size[7]=17\n"
       "\nset DUA file[12]=\"b\"\n"},
  };
  for (const WrittenCase& c : cases) expectWrittenCase<VelmorDiskDevice>("DUA", c);
}

TEST(DiskWrite, DisabledSignAndUnitComments) {
  auto dua = loaded<VelmorDiskDevice>("RQDX3", "DUA");
  dua->disabled = true;
  dua->comments = "first\r\nsecond";
  dua->parseSetStatement("set DUA file[1]=a.dsk writeprotect[1]=yes");
  unitOf<VelmorDiskUnit>(*dua, 1).comments = "unit one\r\nread only";
  // Device comment lines end in CR LF; unit comment lines keep the stored CR.
  EXPECT_EQ(writtenForm(*dua, "#$"),
            "#first\r\n#second\r\n#$load MSCP DUA\n\n#unit one\r\n#read only\n#$set DUA file[1]=\"a.dsk\"\n"
            "#$set DUA writeprotect[1]=1\n");
}

TEST(DiskUnits, BootMarkAndCopies) {
  auto dua = loaded<VelmorDiskDevice>("MSCP", "DUA");
  dua->unit(2).setBoot(true);
  dua->unit(3).setBoot(true);
  EXPECT_EQ(dua->bootUnitNumber(), 2);
  dua->parseSetStatement("set DUA file[2]=a.dsk writeprotect[2]=1");

  std::unique_ptr<VelmorDevice> copy = dua->clone();
  auto& copied = static_cast<VelmorDiskDevice&>(*copy);
  unitOf<VelmorDiskUnit>(*dua, 2).file = "changed";
  EXPECT_EQ(copied.bootUnitNumber(), 2);
  EXPECT_EQ(unitOf<VelmorDiskUnit>(copied, 2).file, "a.dsk");
  EXPECT_TRUE(unitOf<VelmorDiskUnit>(copied, 2).writeprotect);
}

TEST(DiskUnits, RebuiltUnitsAreTheSameWhenFirstAskedForLater) {
  // A line of many model pairs, each alone or followed by unit keys that the
  // next model throws away, then a unit key: the units are those the last
  // model gives, exactly as after that one pair.
  for (const char* keysAfterModel : {"", " file[255]=a.dsk writeprotect[3]=1"}) {
    std::string pairs = "set DRA units=400";
    for (int i = 0; i < 50; ++i) pairs += std::string(i % 2 ? " model=RP04" : " model=RP05") + keysAfterModel;
    auto many = loaded<VelmorDiskDevice>("RH11", "DRA");
    EXPECT_TRUE(many->parseSetStatement(pairs + " model=RP06 file[200]=x.dsk"));
    auto once = loaded<VelmorDiskDevice>("RH11", "DRA");
    EXPECT_TRUE(once->parseSetStatement("set DRA units=400 model=RP06 file[200]=x.dsk"));
    EXPECT_EQ(many->unitCount(), 256u);
    EXPECT_EQ(writtenForm(*many), writtenForm(*once)) << keysAfterModel;
    EXPECT_EQ(unitOf<VelmorDiskUnit>(*many, 255).number, 255);
  }

  // A copy taken before any unit was asked for has units of its own.
  auto dua = loaded<VelmorDiskDevice>("MSCP", "DUA");
  std::unique_ptr<VelmorDevice> copy = dua->clone();
  auto& copied = static_cast<VelmorDiskDevice&>(*copy);
  dua->parseSetStatement("set DUA file[0]=a.dsk");
  ASSERT_EQ(copied.unitCount(), 4u);
  EXPECT_TRUE(unitOf<VelmorDiskUnit>(copied, 0).file.empty());
  EXPECT_EQ(unitOf<VelmorDiskUnit>(copied, 3).number, 3);

  // So does a copy taken when only some were: unit 1 was asked for, unit 2 not.
  dua->parseSetStatement("set DUA file[1]=b.dsk");
  std::unique_ptr<VelmorDevice> later = dua->clone();
  auto& laterCopy = static_cast<VelmorDiskDevice&>(*later);
  dua->parseSetStatement("set DUA file[1]=c.dsk file[2]=d.dsk");
  EXPECT_EQ(unitOf<VelmorDiskUnit>(laterCopy, 1).file, "b.dsk");
  EXPECT_TRUE(unitOf<VelmorDiskUnit>(laterCopy, 2).file.empty());
  EXPECT_EQ(unitOf<VelmorDiskUnit>(laterCopy, 2).number, 2);
  EXPECT_EQ(writtenForm(laterCopy), "load MSCP DUA\n\nset DUA file[0]=\"a.dsk\"\n\nset DUA file[1]=\"b.dsk\"\n");
}
