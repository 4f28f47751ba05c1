#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "devices/bridge_device.h"
#include "devices/va1000_device.h"
#include "support/load_checks.h"

TEST(BridgeDevice, LoadWordIsTheTypeAsWritten) {
  struct Case {
    const char* word;
    std::uint16_t bus;
  } cases[] = {
      {"QBUS-BRIDGE", BusQbus},
      {"qbus-bridge", BusQbus},
      {"UNIBUS-BRIDGE", BusUnibus},
      {"Unibus-Bridge", BusUnibus},
  };
  for (const Case& c : cases) {
    auto bridge = loadAs<VelmorBridgeDevice>(c.word, "QBA");
    ASSERT_TRUE(bridge) << c.word;
    EXPECT_EQ(bridge->kind(), DeviceKind::Bridge);
    EXPECT_EQ(bridge->type, c.word);
    EXPECT_EQ(bridge->bus, c.bus);
    EXPECT_EQ(bridge->registerAddress, 017776700);
    EXPECT_EQ(bridge->vector, 0254);
    EXPECT_EQ(bridge->priority, 4);
    EXPECT_EQ(bridge->size, 2);
    EXPECT_EQ(bridge->address, 017776700);
    EXPECT_FALSE(bridge->trace);
    EXPECT_EQ(writtenForm(*bridge), std::string("load ") + c.word + " QBA\n");
  }
  EXPECT_EQ(ModelTable::instance().prefixOf("VelmorBridgeDevice", "UNIBUS-BRIDGE", ""), "UB");
}

TEST(BridgeDevice, KeysAndTheirWrittenForm) {
  struct Case {
    const char* statement;
    bool accepted;
    const char* written;  // after "load QBUS-BRIDGE QBA\n"
  } cases[] = {
      {"set QBA vector=220", false, ""},  // a bridge has no vector of its own
      {"set QBA vector0=220", false, ""},
      {"set QBA VECTOR=220", false, ""},
      {"set QBA register=17777560", true, "set QBA register=17777560\n"},
      {"set QBA priority=5 units=2", true, "set QBA priority=5\nset QBA units=2\n"},
      {"set QBA size=2", true, ""},
      {"set QBA size=10", true, "set QBA size=10\n"},
      {"set QBA size=16.", true, "set QBA size=20\n"},
      {"set QBA address=17776700", true, ""},
      {"set QBA address=17777514", true, "set QBA address=17777514\n"},
      {"set QBA trace=yes", true, "set QBA trace=1\n"},
      {"set QBA trace=1 trace=NO", true, ""},
      {"set QBA trace=maybe", true, ""},  // any other word leaves the flag
      {"set QBA size=10 trace=1 address=17760000",
       true, "set QBA size=10\nset QBA address=17760000\nset QBA trace=1\n"},
      {"set QBA model=X", false, ""},
      {"set QBA ip_port=1", false, ""},
  };
  for (const Case& c : cases) {
    auto bridge = loadAs<VelmorBridgeDevice>("QBUS-BRIDGE", "QBA");
    EXPECT_EQ(bridge->parseSetStatement(c.statement), c.accepted) << c.statement;
    EXPECT_EQ(writtenForm(*bridge), std::string("load QBUS-BRIDGE QBA\n") + c.written) << c.statement;
    EXPECT_EQ(writtenAfterReadBack(*bridge), writtenForm(*bridge)) << c.statement;
  }
}

TEST(BridgeDevice, TypeChangeTakesTheDefaultsAgain) {
  auto bridge = loadAs<VelmorBridgeDevice>("QBUS-BRIDGE", "QBA");
  bridge->comments = "old";
  ASSERT_TRUE(bridge->parseSetStatement("set QBA size=10 address=17760000 trace=1 register=17777560"));
  bridge->setType("UNIBUS-BRIDGE");
  EXPECT_EQ(bridge->size, 2);
  EXPECT_EQ(bridge->address, 017776700);
  EXPECT_FALSE(bridge->trace);
  EXPECT_EQ(bridge->registerAddress, 017776700);
  EXPECT_EQ(bridge->bus, BusUnibus);
  EXPECT_EQ(bridge->comments, "");
}

TEST(BridgeDevice, CheckerSeesItsWindowAndNoVector) {
  auto bridge = loadAs<VelmorBridgeDevice>("UNIBUS-BRIDGE", "UBA");
  bridge->size = 020000;
  EXPECT_TRUE(bridge->checkedVectors(true).empty());
  EXPECT_TRUE(bridge->checkedVectors(false).empty());
  EXPECT_EQ(bridge->checkedAreaSize(), 020000);
  EXPECT_EQ(bridge->checkedBus(true), BusUnibus);
}

TEST(Va1000Device, LoadGivesDefaults) {
  for (const char* word : {"VA1000", "va1000"}) {
    auto va = loadAs<VelmorVa1000Device>(word, "EDA");
    ASSERT_TRUE(va) << word;
    EXPECT_EQ(va->kind(), DeviceKind::Va1000);
    EXPECT_EQ(va->type, word);
    EXPECT_EQ(va->bus, BusBoth);
    EXPECT_EQ(va->registerAddress, 017740000);
    EXPECT_EQ(va->vector, 01300);
    EXPECT_EQ(va->priority, 4);
    EXPECT_EQ(va->ipAddress, "DARI210");
    EXPECT_EQ(va->ipPort, 1600);
    EXPECT_EQ(va->baseAddr, 017740000);
    EXPECT_TRUE(va->staticWindow);
    EXPECT_EQ(va->window, 8192);
    EXPECT_EQ(va->windowSize, 4096);
    EXPECT_EQ(va->sr10, 0);
    EXPECT_FALSE(va->newProtocol);
    EXPECT_EQ(va->timeout, 3000);
    EXPECT_EQ(writtenForm(*va), std::string("load ") + word + " EDA\n");
  }
}

TEST(Va1000Device, KeysAndTheirWrittenForm) {
  struct Case {
    const char* statement;
    bool accepted;
    const char* written;  // after "load VA1000 EDA\n"
  } cases[] = {
      {"set EDA vector=1302", false, ""},  // no common keys but register
      {"set EDA priority=5", false, ""},
      {"set EDA units=2", false, ""},
      {"set EDA register=17750000", true, "set EDA register=17750000\n"},
      {"set EDA ip_address=\"DARI210\"", true, ""},
      {"set EDA ip_address=\"card 2\"", true, "set EDA ip_address=\"card 2\"\n"},
      {"set EDA ip_port=1600.", true, ""},
      {"set EDA ip_port=1601.", true, "set EDA ip_port=3101\n"},
      {"set EDA base_addr=17740000", true, ""},
      {"set EDA base_addr=17750000", true, "set EDA base_addr=17750000\n"},
      // The older key of the written form reads back as the same field.
      {"set EDA base_address=17760000", true, "set EDA base_addr=17760000\n"},
      {"set EDA static_window=yes", true, ""},
      {"set EDA static_window=0", true, "set EDA static_window=0\n"},
      {"set EDA window=20000", true, ""},
      {"set EDA window=4096.", true, "set EDA window=10000\n"},
      {"set EDA window_size=40000", true, "set EDA window_size=40000\n"},
      {"set EDA sr10=10", true, "set EDA sr10=10\n"},
      {"set EDA new_protocol=YES", true, "set EDA new_protocol=1\n"},
      {"set EDA timeout=3000.", true, ""},
      {"set EDA timeout=1000.", true, "set EDA timeout=1750\n"},
      {"set EDA timeout=1000. base_addr=17770000 static_window=no ip_port=2000. ip_address=\"10.0.0.5\" "
       "new_protocol=1 window=100 window_size=40000 sr10=10",
       true,
       "set EDA ip_address=\"10.0.0.5\"\nset EDA ip_port=3720\nset EDA base_addr=17770000\n"
       "set EDA static_window=0\nset EDA window=100\nset EDA window_size=40000\nset EDA sr10=10\n"
       "set EDA new_protocol=1\nset EDA timeout=1750\n"},
      {"set EDA trace=1", false, ""},
  };
  for (const Case& c : cases) {
    auto va = loadAs<VelmorVa1000Device>("VA1000", "EDA");
    EXPECT_EQ(va->parseSetStatement(c.statement), c.accepted) << c.statement;
    EXPECT_EQ(writtenForm(*va), std::string("load VA1000 EDA\n") + c.written) << c.statement;
    // Every written key reads back, the base address included.
    EXPECT_EQ(writtenAfterReadBack(*va), writtenForm(*va)) << c.statement;
  }
}

TEST(Va1000Device, TypeChangeResetsOnlyItsOwnFields) {
  auto va = loadAs<VelmorVa1000Device>("VA1000", "EDA");
  va->comments = "card in rack 2";
  ASSERT_TRUE(va->parseSetStatement("set EDA register=17750000 ip_port=1. new_protocol=1 static_window=0"));
  va->setType("VA1000");
  EXPECT_EQ(va->comments, "card in rack 2");
  EXPECT_EQ(va->registerAddress, 017750000);
  EXPECT_EQ(va->ipPort, 1600);
  EXPECT_FALSE(va->newProtocol);
  EXPECT_TRUE(va->staticWindow);
  // Without a reset only empty fields are filled, and a set new_protocol goes back to its default.
  va->ipAddress.clear();
  va->timeout = 0;
  va->newProtocol = true;
  va->sr10 = 010;
  va->applyModelDefaults(false);
  EXPECT_EQ(va->ipAddress, "DARI210");
  EXPECT_EQ(va->timeout, 3000);
  EXPECT_FALSE(va->newProtocol);
  EXPECT_EQ(va->sr10, 010);
}

TEST(Va1000Device, CheckerSeesItsWindow) {
  auto va = loadAs<VelmorVa1000Device>("VA1000", "EDA");
  va->windowSize = 040000;
  EXPECT_TRUE(va->checkedVectors(true).empty());
  EXPECT_EQ(va->checkedVectors(false), (std::vector<std::int32_t>{01300}));
  EXPECT_EQ(va->checkedAreaSize(), 040000);
  EXPECT_EQ(va->checkedBus(true), BusBoth);
}
