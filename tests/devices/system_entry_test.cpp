#include <gtest/gtest.h>

#include "devices/base_device.h"
#include "devices/model_tables.h"

TEST(SystemEntry, DefaultsAndWrittenForm) {
  VelmorBaseDevice system;
  EXPECT_EQ(system.model, "PDP 11/94");
  EXPECT_EQ(system.memorySize, 512);
  EXPECT_EQ(system.bus, BusUnibus);
  EXPECT_EQ(system.name, "CPU&MEMORY");
  std::string out;
  system.writeStatements(out, "#$");
  EXPECT_EQ(out, "set CPU model=\"PDP 11/94\"\nset MMU memory_size=1000\n");
}

TEST(SystemEntry, Keys) {
  VelmorBaseDevice system;
  EXPECT_TRUE(system.parseSetStatement("set MMU memory_size=7770"));
  EXPECT_EQ(system.memorySize, 4088);
  EXPECT_TRUE(system.parseSetStatement("set MMU memory_size=4088."));
  EXPECT_EQ(system.memorySize, 4088);
  EXPECT_TRUE(system.parseSetStatement("set CPU model=\"pdp 11/73\""));
  EXPECT_EQ(system.model, "pdp 11/73");  // stored as typed, found ignoring case
  EXPECT_EQ(system.bus, BusQbus);
  EXPECT_TRUE(system.parseSetStatement("set CPU model=\"PDP 11/99\""));
  EXPECT_EQ(system.bus, BusQbus);  // an unknown model leaves the bus alone
  EXPECT_FALSE(system.parseSetStatement("set CPU register=1"));
  system.comments = "old";
  system.parseSetStatement("set CPU model=\"PDP 11/70\"");
  EXPECT_EQ(system.comments, "");  // a model key clears comments
}

TEST(SystemEntry, ModelListInTableOrder) {
  auto models = ModelTable::instance().modelWords("VelmorBaseDevice", "CPU&MEMORY");
  ASSERT_EQ(models.size(), 25u);
  EXPECT_EQ(models.front(), "PDP 11/03");
  EXPECT_EQ(models[8], "LSI 11 (T11)");
  EXPECT_EQ(models.back(), "PDP 11/94");
}
