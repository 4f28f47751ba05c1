#include <gtest/gtest.h>

#include "devices/disk_device.h"
#include "devices/serial_device.h"
#include "support/device_script.h"

// A record handed back by a unit-list page lands in its place, whatever
// number the record carried, and only where the device has such a unit.
TEST(ReplaceUnit, CopiesTheRecordIntoItsPlace) {
  auto disk = loadAs<VelmorDiskDevice>("MSCP", "DUA");
  ASSERT_TRUE(disk);
  VelmorDiskUnit record(7);
  record.file = "d.dsk";
  record.offline = false;
  record.boot = true;
  ASSERT_TRUE(disk->replaceUnit(2, record));
  record.file = "later.dsk";  // the device keeps its own copy
  const auto& placed = static_cast<const VelmorDiskUnit&>(disk->unit(2));
  EXPECT_EQ(placed.number, 2);
  EXPECT_EQ(placed.file, "d.dsk");
  EXPECT_TRUE(placed.boot);
  EXPECT_EQ(disk->bootUnitNumber(), 2);
  EXPECT_NE(writtenForm(*disk).find("file[2]=\"d.dsk\""), std::string::npos);

  EXPECT_FALSE(disk->replaceUnit(4, record));
  EXPECT_EQ(disk->unitCount(), 4u);
  EXPECT_FALSE(disk->replaceUnit(0, VelmorSerialUnit(0)));
  EXPECT_TRUE(disk->unit(0).file.empty());
}
