#include <gtest/gtest.h>

#include "ui/dialog_runner.h"
#include "ui/sheets/host_devices.h"
#include "ui/ui_fixtures.h"

// The list ends at the first device that does not open, even when a later one would.
TEST(HostDevices, EndAtTheFirstThatDoesNotOpen) {
  ScriptedDialogs dialogs;
  dialogs.hostDevices = {"\\\\.\\COM1", "\\\\.\\COM2", "\\\\.\\COM4"};
  EXPECT_EQ(openableHostDevices(dialogs, "\\\\.\\COM", 1), (QStringList{"\\\\.\\COM1", "\\\\.\\COM2"}));
  EXPECT_EQ(openableHostDevices(dialogs, "\\\\.\\COM", 0), QStringList{});
}

// A host that answers yes to everything still gives a list of bounded length.
TEST(HostDevices, StopAtTheLimit) {
  struct EverythingOpens : DialogRunner {
    bool canOpenHostDevice(const QString&) override { return true; }
  } dialogs;
  const QStringList devices = openableHostDevices(dialogs, "\\\\.\\PhysicalDrive", 0);
  ASSERT_EQ(devices.size(), kMaxHostDevices);
  EXPECT_EQ(devices.front(), "\\\\.\\PhysicalDrive0");
}

TEST(FileDialogFilter, TakesTheCaptionsOfThePagesForm) {
  EXPECT_EQ(fileDialogFilter("Disk Images(*.dsk)|*.dsk|All Files(*.*)|*.*||"),
            "Disk Images(*.dsk);;All Files(*.*)");
  EXPECT_EQ(fileDialogFilter("Tape Images(*.mtd)|*.mtd|Tape Images(*.img)|*.img|All Files(*.*)|*.*||"),
            "Tape Images(*.mtd);;Tape Images(*.img);;All Files(*.*)");
}
