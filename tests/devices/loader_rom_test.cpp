#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "devices/loader_device.h"
#include "devices/rom_device.h"
#include "support/load_checks.h"

TEST(LoaderRomLoad, WordsResolveToTypeAndDefaults) {
  const LoadCase cases[] = {
      {"LOADER", "VelmorLoaderDevice", "LOADER", "", 0, 0, 0, 3, 16},
      {"loader", "VelmorLoaderDevice", "LOADER", "", 0, 0, 0, 3, 16},
      {"ROM", "VelmorROMDevice", "ROM", "", 0, 0, 0, 3, 0},
  };
  for (const LoadCase& c : cases) expectLoads(c);
  EXPECT_EQ(ModelTable::instance().prefixOf("VelmorLoaderDevice", "LOADER", ""), "LD");
  EXPECT_EQ(ModelTable::instance().prefixOf("VelmorROMDevice", "ROM", ""), "RO");
  EXPECT_EQ(loaded<VelmorROMDevice>("ROM", "ROA")->units, 1);
}

TEST(LoaderUnits, SixteenUnitsWithTheRowDefaults) {
  auto lda = loaded<VelmorLoaderDevice>("LOADER", "LDA");
  ASSERT_EQ(lda->unitCount(), 16u);
  for (int i = 0; i < 16; ++i) {
    const VelmorLoaderUnit& u = unitOf<VelmorLoaderUnit>(*lda, i);
    EXPECT_EQ(u.number, i);
    EXPECT_EQ(u.kind(), DeviceKind::LoaderUnit);
    EXPECT_EQ(u.loadAddress, 0140000);
    EXPECT_EQ(u.bootAddress, 0140000);
    EXPECT_EQ(u.length, 0200000);
    EXPECT_EQ(u.offset, 0);
    EXPECT_FALSE(u.bootMark);
  }
  // Units without files still count as complete.
  EXPECT_TRUE(lda->isComplete());
  EXPECT_EQ(lda->bootUnitNumber(), -1);
  lda->unit(7).setBoot(true);
  EXPECT_EQ(lda->bootUnitNumber(), 7);
  EXPECT_EQ(static_cast<VelmorLoaderDevice&>(*lda->clone()).bootUnitNumber(), 7);
}

TEST(LoaderKeys, OnlyUnitKeys) {
  const KeyCase cases[] = {
      {"set LDA file[0]=a.bin", true, 0},
      {"set LDA load[1]=1000", true, 1},
      {"set LDA boot[2]=2000", true, 2},
      {"set LDA length[3]=100.", true, 3},
      {"set LDA offset[15]=20", true, 15},
      // none of the common keys, nor model, reach a loader
      {"set LDA register=17774400", false, -1},
      {"set LDA units=2", false, -1},
      {"set LDA model=LOADER", false, -1},
      {"set LDA vector=100", false, -1},
      {"set LDA file[16]=x.bin", false, -1},
  };
  for (const KeyCase& c : cases) expectKeyCase<VelmorLoaderDevice>("LOADER", "LDA", c);

  auto lda = loaded<VelmorLoaderDevice>("LOADER", "LDA");
  EXPECT_FALSE(lda->parseSetStatement("set LDA register=17774400 units=2 model=LOADER"));
  EXPECT_EQ(lda->registerAddress, 0);
  EXPECT_EQ(lda->units, 16);
  EXPECT_EQ(lda->model, "");
  lda->parseSetStatement("set LDA load[1]=1000 boot[1]=2000 length[1]=100. offset[1]=20");
  EXPECT_EQ(unitOf<VelmorLoaderUnit>(*lda, 1).loadAddress, 01000);
  EXPECT_EQ(unitOf<VelmorLoaderUnit>(*lda, 1).bootAddress, 02000);
  EXPECT_EQ(unitOf<VelmorLoaderUnit>(*lda, 1).length, 100);
  EXPECT_EQ(unitOf<VelmorLoaderUnit>(*lda, 1).offset, 020);
}

TEST(LoaderWrite, WrittenForms) {
  const WrittenCase cases[] = {
      {"LOADER", {}, "load LOADER LDA\n"},
      // a unit without a file is left out, whatever it holds
      {"LOADER", {"set LDA load[0]=1000"}, "load LOADER LDA\n"},
      {"LOADER", {"set LDA file[4]=a.bin"}, "load LOADER LDA\n\nset LDA file[4]=\"a.bin\"\n"},
      {"LOADER", {"set LDA file[0]=a.bin load[0]=1000"},
       "load LOADER LDA\n\nset LDA file[0]=\"a.bin\"\nset LDA load[0]=1000\n"},
      // written in field order, octal without a point; unit numbers stay decimal
      {"LOADER", {"set LDA offset[2]=100. length[2]=10 boot[2]=0 file[2]=b.bin", "set LDA file[9]=c.bin"},
       "load LOADER LDA\n\nset LDA file[2]=\"b.bin\"\nset LDA boot[2]=0\nset LDA length[2]=10\n"
       "set LDA offset[2]=144\n\nset LDA file[9]=\"c.bin\"\n"},
  };
  for (const WrittenCase& c : cases) expectWrittenCase<VelmorLoaderDevice>("LDA", c);

  auto lda = loaded<VelmorLoaderDevice>("LOADER", "LDA");
  lda->disabled = true;
  lda->comments = "boot images";
  lda->parseSetStatement("set LDA file[1]=a.bin length[1]=1000");
  lda->unit(1).comments = "monitor";
  EXPECT_EQ(writtenForm(*lda, "#$"),
            "#boot images\r\n#$load LOADER LDA\n\n#monitor\n#$set LDA file[1]=\"a.bin\"\n#$set LDA length[1]=1000\n");
}

TEST(RomKeys, RegisterImageAndSize) {
  const KeyCase cases[] = {
      {"set ROA register=17773000", true, -1},
      {"set ROA image=\"boot rom.img\"", true, -1},
      {"set ROA rom_size=8192.", true, -1},
      // vector, priority and units are not settable by script
      {"set ROA vector=100", false, -1},
      {"set ROA priority=4", false, -1},
      {"set ROA units=2", false, -1},
      {"set ROA model=ROM", false, -1},
  };
  for (const KeyCase& c : cases) expectKeyCase<VelmorROMDevice>("ROM", "ROA", c);

  auto roa = loaded<VelmorROMDevice>("ROM", "ROA");
  EXPECT_FALSE(roa->parseSetStatement("set ROA vector=100 priority=4 units=2"));
  EXPECT_EQ(roa->vector, 0);
  EXPECT_EQ(roa->priority, 0);
  EXPECT_EQ(roa->units, 1);
  EXPECT_FALSE(roa->isComplete());
  roa->parseSetStatement("set ROA register=17773000 image=\"boot rom.img\" rom_size=8192.");
  EXPECT_EQ(roa->registerAddress, 017773000);
  EXPECT_EQ(roa->image, "boot rom.img");
  EXPECT_EQ(roa->romSize, 8192);
  EXPECT_TRUE(roa->isComplete());

  // Without reset the image and size stay; a reset clears both.
  roa->applyModelDefaults(false);
  EXPECT_EQ(roa->romSize, 8192);
  EXPECT_EQ(roa->image, "boot rom.img");
  roa->setType("ROM");
  EXPECT_EQ(roa->romSize, 0);
  EXPECT_EQ(roa->image, "");
  EXPECT_EQ(roa->registerAddress, 0);
}

TEST(RomWrite, WrittenForms) {
  const WrittenCase cases[] = {
      {"ROM", {}, "load ROM ROA\n"},
      {"ROM", {"set ROA image=a.img"}, "load ROM ROA\nset ROA image=\"a.img\"\n"},
      // rom_size decimal with a point; the register line comes first
      {"ROM", {"set ROA rom_size=20000 register=17773000 image=\"b c.img\""},
       "load ROM ROA\nset ROA register=17773000\nset ROA image=\"b c.img\"\nset ROA rom_size=8192.\n"},
  };
  for (const WrittenCase& c : cases) expectWrittenCase<VelmorROMDevice>("ROA", c);

  auto roa = loaded<VelmorROMDevice>("ROM", "ROA");
  roa->disabled = true;
  roa->parseSetStatement("set ROA image=a.img");
  EXPECT_EQ(writtenForm(*roa, "#$"), "#$load ROM ROA\n#$set ROA image=\"a.img\"\n");
}

TEST(RomCheck, WholeConfigurationAndSingleAdd) {
  auto roa = loaded<VelmorROMDevice>("ROM", "ROA");
  roa->vector = 0100;  // only a property page could set it
  roa->parseSetStatement("set ROA rom_size=20000");
  EXPECT_EQ(roa->checkedVectors(true), std::vector<std::int32_t>{});
  EXPECT_EQ(roa->checkedVectors(false), std::vector<std::int32_t>{0100});
  EXPECT_EQ(roa->checkedAreaSize(), 020000);
  EXPECT_EQ(roa->checkedBus(true), 3);
  EXPECT_EQ(roa->checkedBus(false), 3);
}
