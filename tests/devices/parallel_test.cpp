#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "devices/dci1300_device.h"
#include "devices/drxxx_device.h"
#include "support/load_checks.h"

TEST(ParallelDevices, LoadWordsGiveKindTypeAndModel) {
  struct Case {
    const char* word;
    DeviceKind kind;
    const char* type;
    const char* model;
    std::uint16_t bus;
    std::int32_t registerAddress, priority;
  } cases[] = {
      {"DRXXX", DeviceKind::DRXXX, "DRXXX", "", BusBoth, 017767776, 4},
      {"drxxx", DeviceKind::DRXXX, "DRXXX", "", BusBoth, 017767776, 4},
      {"DR11C", DeviceKind::DRXXX, "DRXXX", "DR11C", BusBoth, 017767776, 4},
      {"dr11k", DeviceKind::DRXXX, "DRXXX", "dr11k", BusBoth, 017767776, 4},  // the model word as written
      {"DRV11LP", DeviceKind::DRXXX, "DRXXX", "DRV11LP", BusBoth, 017767776, 4},
      {"DRV11B", DeviceKind::DRXXX, "DRXXX", "DRV11B", BusBoth, 017767776, 4},
      {"DRV11", DeviceKind::DCI1300, "DRV11", "", BusQbus, 017767770, 5},
      {"dr11-c", DeviceKind::DCI1300, "DR11-C", "", BusUnibus, 017767770, 5},
  };
  for (const Case& c : cases) {
    std::unique_ptr<VelmorBusDevice> device = createDeviceForLoadWord(c.word, "XXA");
    ASSERT_TRUE(device) << c.word;
    EXPECT_EQ(device->kind(), c.kind) << c.word;
    EXPECT_EQ(device->type, c.type) << c.word;
    EXPECT_EQ(device->model, c.model) << c.word;
    EXPECT_EQ(device->bus, c.bus) << c.word;
    EXPECT_EQ(device->registerAddress, c.registerAddress) << c.word;
    EXPECT_EQ(device->vector, 0300) << c.word;
    EXPECT_EQ(device->priority, c.priority) << c.word;
    EXPECT_EQ(device->units, 1) << c.word;
    EXPECT_EQ(device->checkedVectors(true), (std::vector<std::int32_t>{0300, 0304})) << c.word;
    EXPECT_EQ(device->checkedAreaSize(), 6) << c.word;
    // At its defaults a device writes its load line and, with a model, the model line only.
    std::string expected = std::string("load ") + c.type + " XXA\n";
    if (*c.model) expected += std::string("set XXA model=\"") + c.model + "\"\n";
    EXPECT_EQ(writtenForm(*device), expected) << c.word;
  }
}

TEST(DRXXXDevice, KeysAndTheirWrittenForm) {
  struct Case {
    const char* statement;
    bool accepted;
    const char* written;  // after "load DRXXX XXA\n"
  } cases[] = {
      {"set XXA vector1=304", true, ""},
      {"set XXA vector1=334", true, "set XXA vector1 = 334\n"},
      {"set XXA vector1 = 314", true, "set XXA vector1 = 314\n"},
      {"set XXA vector=310 register=17770004", true, "set XXA register=17770004\nset XXA vector=310\n"},
      {"set XXA lines=\"0:1 2:3\"", true, "set XXA lines=\"0:1 2:3\"\n"},
      {"set XXA maintenance_mode=yes", true, ""},
      {"set XXA maintenance_mode=0", true, "set XXA maintenance_mode=0\n"},
      {"set XXA maintenance_mode=off", true, ""},  // not a yes/no word: unchanged
      {"set XXA model=DR11K", true, "set XXA model=\"DR11K\"\n"},
      {"set XXA maintenance=0", false, ""},
      {"set XXA image=x", false, ""},
  };
  for (const Case& c : cases) {
    auto drxxx = loadAs<VelmorDRXXXDevice>("DRXXX", "XXA");
    ASSERT_TRUE(drxxx);
    EXPECT_EQ(drxxx->parseSetStatement(c.statement), c.accepted) << c.statement;
    EXPECT_EQ(writtenForm(*drxxx), std::string("load DRXXX XXA\n") + c.written) << c.statement;
    EXPECT_EQ(writtenAfterReadBack(*drxxx), writtenForm(*drxxx)) << c.statement;
  }
}

TEST(DRXXXDevice, ModelAndTypeChangesKeepCommonFields) {
  auto drxxx = loadAs<VelmorDRXXXDevice>("DR11C", "XXA");
  drxxx->comments = "lab rack";
  ASSERT_TRUE(drxxx->parseSetStatement("set XXA register=17770012 vector1=324 lines=\"1:2\" maintenance_mode=0"));
  // The model key keeps every field that is set.
  ASSERT_TRUE(drxxx->parseSetStatement("set XXA model=DRV11B"));
  EXPECT_EQ(drxxx->model, "DRV11B");
  EXPECT_EQ(drxxx->registerAddress, 017770012);
  EXPECT_EQ(drxxx->vector1, 0324);
  EXPECT_EQ(drxxx->lines, "1:2");
  EXPECT_FALSE(drxxx->maintenanceMode);
  // A type change starts the interface's own fields afresh but keeps comments and the common fields.
  drxxx->setType("DRXXX");
  EXPECT_EQ(drxxx->comments, "lab rack");
  EXPECT_EQ(drxxx->registerAddress, 017770012);
  EXPECT_EQ(drxxx->vector1, 0304);
  EXPECT_EQ(drxxx->lines, "");
  EXPECT_TRUE(drxxx->maintenanceMode);
}

TEST(DRXXXDevice, UnknownModelStillWritesWhatDiffersFromTheTypesRow) {
  auto drxxx = loadAs<VelmorDRXXXDevice>("DRXXX", "XXA");
  ASSERT_TRUE(drxxx->parseSetStatement("set XXA model=DR99 vector1=334 register=17767000 lines=\"a\" maintenance_mode=no"));
  drxxx->disabled = true;
  // The model has no row, so reading the saved lines back starts from the
  // type's row: what differs from it must be written, or a save loses it.
  EXPECT_EQ(writtenForm(*drxxx, "#$"),
            "#$load DRXXX XXA\n#$set XXA model=\"DR99\"\n#$set XXA register=17767000\n#$set XXA vector1 = 334\n"
            "#$set XXA lines=\"a\"\n#$set XXA maintenance_mode=0\n");
}

TEST(DCI1300Device, KeysAndTheirWrittenForm) {
  struct Case {
    const char* statement;
    bool accepted;
    const char* written;  // after "load DRV11 DCA\n"
  } cases[] = {
      {"set DCA vector1=304", true, ""},
      {"set DCA vector1=314", true, "set DCA vector1=314\n"},
      {"set DCA image=\"\\\\.\\DR0\"", true, ""},
      {"set DCA image=\"\\\\.\\DR1\"", true, "set DCA image=\"\\\\.\\DR1\"\n"},
      {"set DCA ndr_strobe=420. dt_strobe=644", true, ""},
      {"set DCA ndr_strobe=100. dt_strobe=500.", true, "set DCA ndr_strobe=144\nset DCA dt_strobe=764\n"},
      {"set DCA maintenance=1 trace=0", true, ""},
      {"set DCA maintenance=no trace=yes", true, "set DCA maintenance=0\nset DCA trace=1\n"},
      {"set DCA priority=4", true, "set DCA priority=4\n"},
      {"set DCA model=DR11C", false, ""},  // the model key belongs to DRXXX only
      {"set DCA lines=x", false, ""},
      {"set DCA maintenance_mode=0", false, ""},
  };
  for (const Case& c : cases) {
    auto dci = loadAs<VelmorDCI1300Device>("DRV11", "DCA");
    ASSERT_TRUE(dci);
    EXPECT_EQ(dci->parseSetStatement(c.statement), c.accepted) << c.statement;
    EXPECT_EQ(writtenForm(*dci), std::string("load DRV11 DCA\n") + c.written) << c.statement;
    EXPECT_EQ(writtenAfterReadBack(*dci), writtenForm(*dci)) << c.statement;
  }
}

TEST(DCI1300Device, ResetTakesTheRowOthersFillOnlyEmptyFields) {
  auto dci = loadAs<VelmorDCI1300Device>("DR11-C", "DCA");
  dci->comments = "bench";
  ASSERT_TRUE(dci->parseSetStatement("set DCA maintenance=0 trace=1 image=\"x\" ndr_strobe=1 vector1=334"));
  dci->applyModelDefaults(false);
  EXPECT_FALSE(dci->maintenance);
  EXPECT_TRUE(dci->trace);
  EXPECT_EQ(dci->image, "x");
  EXPECT_EQ(dci->ndrStrobe, 1);
  dci->image.clear();
  dci->dtStrobe = 0;
  dci->applyModelDefaults(false);
  EXPECT_EQ(dci->image, "\\\\.\\DR0");
  EXPECT_EQ(dci->dtStrobe, 420);
  dci->image = "x";
  dci->setType("DRV11");
  EXPECT_EQ(dci->image, "\\\\.\\DR0");  // a new type takes its row's image
  EXPECT_TRUE(dci->maintenance);
  EXPECT_FALSE(dci->trace);
  EXPECT_EQ(dci->ndrStrobe, 420);
  EXPECT_EQ(dci->vector1, 0304);
  EXPECT_EQ(dci->bus, BusQbus);
  EXPECT_EQ(dci->comments, "bench");
}
