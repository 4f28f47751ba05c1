#include <gtest/gtest.h>

#include "config/file_association.h"
#include "support/map_settings.h"
#include "support/memory_registry.h"

TEST(FileAssociation, AssociateWritesTheThreeKeys) {
  MapSettings settings;
  settings.values["Path"] = "C:\\Velmor\\edit.exe";
  MemoryClassesRegistry registry;
  Associate(settings, registry);
  EXPECT_EQ(registry.values[".cfg"], std::string("cfg_auto_file") + '\0');
  EXPECT_EQ(registry.values["cfg_auto_file\\shell\\open\\command"], "\"C:\\Velmor\\edit.exe\"%1\"\"");
  EXPECT_EQ(registry.values["cfg_auto_file\\DefaultIcon"], "C:\\Velmor\\edit.exe,0");
}

TEST(FileAssociation, AssociateWithoutPathWritesNothingAndStopsAtAFailure) {
  MapSettings settings;
  MemoryClassesRegistry registry;
  Associate(settings, registry);
  EXPECT_TRUE(registry.keys.empty());
  settings.values["Path"] = "p";
  registry.failOn = "cfg_auto_file\\shell\\open\\command";
  Associate(settings, registry);
  EXPECT_EQ(registry.values.count("cfg_auto_file\\DefaultIcon"), 0u);
}

TEST(FileAssociation, DissociateRemovesInOrderAndStopsAtTheFirstFailure) {
  MapSettings settings;
  settings.values["Path"] = "p";
  MemoryClassesRegistry registry;
  Associate(settings, registry);
  Dissociate(registry);
  EXPECT_TRUE(registry.keys.empty());

  // ".cfg" belongs to another program and cfg_auto_file does not exist.
  MemoryClassesRegistry other;
  other.setDefaultValue(".cfg", "otherfile", true);
  Dissociate(other);
  EXPECT_EQ(other.keys.count(".cfg"), 1u);
}
