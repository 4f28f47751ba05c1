#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <algorithm>
#include <functional>

#include "combo_box_items.h"
#include "devices/disk_device.h"
#include "support/test_files.h"
#include "ui/sheets/device_comments_page.h"
#include "ui/sheets/disk_unit_general_properties.h"
#include "ui/sheets/disk_unit_properties.h"
#include "unit_sheet_fixture.h"

namespace {

using DiskFixture = UnitSheetFixture<VelmorDiskDevice, VelmorDiskUnit>;

void loseFocus(QWidget* widget) {
  QFocusEvent focusOut(QEvent::FocusOut, Qt::TabFocusReason);
  QApplication::sendEvent(widget, &focusOut);
}

const std::string kEnterInteger = "stop: Please enter an integer.";

}  // namespace

TEST(DiskUnitSheet, ShowsItsCaptionPagesAndControls) {
  DiskFixture f("MSCP", "");
  CDiskUnitProperties sheet(f.unit(), f.context(kNt));
  EXPECT_EQ(sheet.windowTitle(), "Disk Unit Properties");
  ASSERT_EQ(sheet.tabs()->count(), 2);
  EXPECT_EQ(sheet.tabs()->tabText(0), "Disk Unit Properties");
  EXPECT_EQ(sheet.tabs()->tabText(1), "Comments");

  QStringList texts;
  for (const QLabel* label : sheet.generalPage()->findChildren<QLabel*>()) texts << label->text();
  for (const QAbstractButton* button : sheet.generalPage()->findChildren<QAbstractButton*>()) texts << button->text();
  for (const char* text : {"Size:", "Sector size:", "Delay factor:", "Disk image", "Browse ...", "Real device",
                           "Writeprotect", "Offline", "Bootable", "Disable caching", "Use Operation System cache",
                           "Map the file into memory"})
    EXPECT_TRUE(texts.contains(text)) << text;
  // The disk group's picture at the top left of both pages.
  const auto pictures = sheet.generalPage()->findChildren<QLabel*>();
  EXPECT_TRUE(std::any_of(pictures.begin(), pictures.end(), [](const QLabel* l) { return !l->pixmap().isNull(); }));

  // A new unit: offline, sector size 512, the host's cache.
  EXPECT_TRUE(sheet.generalPage()->offlineCheck()->isChecked());
  EXPECT_EQ(sheet.generalPage()->sectorSizeEdit()->text(), "512");
  EXPECT_EQ(sheet.generalPage()->cachingGroup()->checkedId(), 1);
  EXPECT_EQ(sheet.generalPage()->delayFactorEdit()->text(), "1");
}

// Which radio a file opens with depends on the target host; whatever it
// opens as, an unchanged sheet hands the unit back byte for byte, odd values
// (a caching mode without a choice, a sector size written negative) included.
TEST(DiskUnitSheet, FileOpensAsImageOrDeviceByTargetAndComesBackUnchanged) {
  struct Case {
    const char* file;
    const char* targetOs;
    bool realDevice;
  };
  const Case cases[] = {
      {"\\\\.\\PhysicalDrive1", kNt, true},
      {"\\\\.\\PhysicalDrive1", kVms, false},
      {"\\\\.\\PhysicalDrive1", kUnix, false},
      {"DUA0:", kVms, true},
      {"DUA0:", kNt, false},
      {"/dev/rz3c", kUnix, true},
      {"/dev/rz3c", kVms, false},
      {"disk 1.dsk", kNt, false},
      {"disk 1.dsk", kVms, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.file) + " on " + c.targetOs);
    DiskFixture f("MSCP", std::string("file[0]=\"") + c.file +
                              "\" caching[0]=5 sector_size[0]=-1 size[0]=7 delay_factor[0]=10. writeprotect[0]=yes");
    const std::string before = f.written();
    CDiskUnitProperties sheet(f.unit(), f.context(c.targetOs));
    CDiskUnitGeneralProperties* page = sheet.generalPage();
    EXPECT_EQ(page->deviceRadio()->isChecked(), c.realDevice);
    EXPECT_EQ(page->imageRadio()->isChecked(), !c.realDevice);
    EXPECT_EQ(c.realDevice ? page->deviceBox()->currentText() : page->imageEdit()->text(), c.file);
    EXPECT_EQ(page->deviceBox()->isEnabled(), c.realDevice);
    EXPECT_EQ(page->imageEdit()->isEnabled(), !c.realDevice);
    EXPECT_EQ(page->browseButton()->isEnabled(), !c.realDevice && std::string(c.targetOs) == kNt);
    EXPECT_EQ(page->cachingGroup()->checkedId(), -1);
    EXPECT_EQ(page->sectorSizeEdit()->text(), "65535");
    ASSERT_TRUE(confirm(sheet));
    EXPECT_EQ(f.written(), before);
  }
}

TEST(DiskUnitSheet, SizeComesFromTheImageFilesLength) {
  const std::string image = makeTempDir() + "/image.dsk";
  ASSERT_TRUE(writeBytes(image, std::string(3 * 512 + 100, 'x')));
  const std::string missing = makeTempDir() + "/missing.dsk";

  struct Case {
    std::string file;
    int size;
    const char* shown;
  };
  const Case opening[] = {
      {image, 0, "3"},    // a size not set yet is taken from the file
      {image, 7, "7"},    // one set is kept
      {missing, 0, "0"},  // a file that cannot be opened leaves it
  };
  for (const Case& c : opening) {
    DiskFixture f("MSCP", "file[0]=\"" + c.file + "\" size[0]=" + std::to_string(c.size));
    CDiskUnitProperties sheet(f.unit(), f.context(kNt));
    EXPECT_EQ(sheet.generalPage()->sizeEdit()->text(), c.shown) << c.file << " " << c.size;
  }

  // Typing the name and leaving the field.
  DiskFixture typed("MSCP", "");
  CDiskUnitProperties sheet(typed.unit(), typed.context(kVms));
  sheet.generalPage()->imageEdit()->setText(QString::fromStdString(missing));
  loseFocus(sheet.generalPage()->imageEdit());
  EXPECT_EQ(sheet.generalPage()->sizeEdit()->text(), "0");
  sheet.generalPage()->imageEdit()->setText(QString::fromStdString(image));
  loseFocus(sheet.generalPage()->imageEdit());
  EXPECT_EQ(sheet.generalPage()->sizeEdit()->text(), "3");
  ASSERT_TRUE(confirm(sheet));
  EXPECT_EQ(typed.unit().size, 3);

  // Choosing "Disk image" again after "Real device".
  DiskFixture chosen("MSCP", "file[0]=\"\\\\.\\PhysicalDrive0\"");
  CDiskUnitProperties deviceSheet(chosen.unit(), chosen.context(kNt));
  CDiskUnitGeneralProperties* page = deviceSheet.generalPage();
  page->imageEdit()->setText(QString::fromStdString(image));
  page->imageRadio()->click();
  EXPECT_EQ(page->sizeEdit()->text(), "3");
  EXPECT_TRUE(page->imageEdit()->isEnabled());
  EXPECT_FALSE(page->deviceBox()->isEnabled());
}

TEST(DiskUnitSheet, BrowseOnlyOnWindowsNtTakesTheChosenFile) {
  DiskFixture f("MSCP", "file[0]=\"old.dsk\"");
  CDiskUnitProperties sheet(f.unit(), f.context(kNt));
  CDiskUnitGeneralProperties* page = sheet.generalPage();

  f.dialogs.browsePath = "";  // cancelled
  page->browseButton()->click();
  EXPECT_EQ(page->imageEdit()->text(), "old.dsk");
  ASSERT_EQ(f.dialogs.browsed.size(), 1u);
  EXPECT_EQ(f.dialogs.browsed[0].current, "old.dsk");
  EXPECT_EQ(f.dialogs.browsed[0].defaultSuffix, "dsk");
  EXPECT_EQ(f.dialogs.browsed[0].filter, "Disk Images(*.dsk)|*.dsk|All Files(*.*)|*.*||");

  f.dialogs.browsePath = "C:\\Disks\\new disk.dsk";
  page->browseButton()->click();
  EXPECT_EQ(page->imageEdit()->text(), "C:\\Disks\\new disk.dsk");
  ASSERT_TRUE(confirm(sheet));
  EXPECT_EQ(f.unit().file, "C:\\Disks\\new disk.dsk");
  EXPECT_NE(f.written().find("file[0]=\"C:\\Disks\\new disk.dsk\"\n"), std::string::npos);

  for (const char* os : {kUnix, kVms}) {
    DiskFixture other("MSCP", "file[0]=\"old.dsk\"");
    CDiskUnitProperties otherSheet(other.unit(), other.context(os));
    EXPECT_FALSE(otherSheet.generalPage()->browseButton()->isEnabled()) << os;
  }
}

TEST(DiskUnitSheet, RealDeviceListOffersTheDisksThatOpenAndTheCurrentOne) {
  DiskFixture f("MSCP", "file[0]=\"\\\\.\\PhysicalDrive7\"");
  f.dialogs.hostDevices = {"\\\\.\\PhysicalDrive0", "\\\\.\\PhysicalDrive1", "\\\\.\\PhysicalDrive3"};
  CDiskUnitProperties sheet(f.unit(), f.context(kNt));
  QComboBox* box = sheet.generalPage()->deviceBox();
  EXPECT_EQ(itemsOf(box), (QStringList{"\\\\.\\PhysicalDrive0", "\\\\.\\PhysicalDrive1", "\\\\.\\PhysicalDrive7"}));
  EXPECT_EQ(box->currentText(), "\\\\.\\PhysicalDrive7");

  // Other hosts' disks cannot be probed: the list holds the current one alone.
  DiskFixture vms("MSCP", "file[0]=\"DUA1:\"");
  vms.dialogs.hostDevices = f.dialogs.hostDevices;
  CDiskUnitProperties vmsSheet(vms.unit(), vms.context(kVms));
  EXPECT_EQ(itemsOf(vmsSheet.generalPage()->deviceBox()), QStringList{"DUA1:"});
}

// A path in other letter case than the list's entry is shown as that entry
// but handed back as the script held it.
TEST(DiskUnitSheet, DevicePathInOtherLetterCaseComesBackAsItWas) {
  DiskFixture f("MSCP", "file[0]=\"\\\\.\\physicaldrive1\"");
  f.dialogs.hostDevices = {"\\\\.\\PhysicalDrive0", "\\\\.\\PhysicalDrive1"};
  const std::string before = f.written();
  CDiskUnitProperties sheet(f.unit(), f.context(kNt));
  EXPECT_EQ(sheet.generalPage()->deviceBox()->count(), 2);
  ASSERT_TRUE(confirm(sheet));
  EXPECT_EQ(f.written(), before);
}

// Naming a file puts an offline unit online, as a script's file key does,
// unless the user sets "Offline" here.
TEST(DiskUnitSheet, ChoosingADeviceForANewUnitPutsItOnline) {
  DiskFixture f("MSCP", "");
  f.dialogs.hostDevices = {"\\\\.\\PhysicalDrive0", "\\\\.\\PhysicalDrive1"};
  {
    CDiskUnitProperties sheet(f.unit(), f.context(kNt));
    CDiskUnitGeneralProperties* page = sheet.generalPage();
    EXPECT_TRUE(page->imageRadio()->isChecked());
    page->deviceRadio()->click();
    EXPECT_EQ(itemsOf(page->deviceBox()), (QStringList{"\\\\.\\PhysicalDrive0", "\\\\.\\PhysicalDrive1"}));
    EXPECT_EQ(page->deviceBox()->currentText(), "\\\\.\\PhysicalDrive0");
    EXPECT_FALSE(page->offlineCheck()->isChecked());
    ASSERT_TRUE(confirm(sheet));
  }
  EXPECT_EQ(f.unit().file, "\\\\.\\PhysicalDrive0");
  EXPECT_FALSE(f.unit().offline);
  EXPECT_NE(f.written().find("set XXA file[0]=\"\\\\.\\PhysicalDrive0\"\n"), std::string::npos);

  DiskFixture kept("MSCP", "");
  CDiskUnitProperties sheet(kept.unit(), kept.context(kVms));
  CDiskUnitGeneralProperties* page = sheet.generalPage();
  page->offlineCheck()->click();  // unchecked by the user...
  page->offlineCheck()->click();  // ...and checked again: the user's choice
  QTest::keyClicks(page->imageEdit(), "spare.dsk");
  EXPECT_TRUE(page->offlineCheck()->isChecked());
  ASSERT_TRUE(confirm(sheet));
  EXPECT_EQ(kept.unit().file, "spare.dsk");
  EXPECT_TRUE(kept.unit().offline);
}

TEST(DiskUnitSheet, ConfirmedValuesAreWrittenBack) {
  DiskFixture f("MSCP", "file[0]=\"a.dsk\" size[0]=4");
  CDiskUnitProperties sheet(f.unit(), f.context(kNt));
  CDiskUnitGeneralProperties* page = sheet.generalPage();
  page->writeprotectCheck()->click();
  page->bootCheck()->click();
  page->cachingGroup()->button(2)->click();
  page->sizeEdit()->setText("100");
  page->sectorSizeEdit()->setText(" 256 ");
  page->delayFactorEdit()->setText("10");
  ASSERT_TRUE(confirm(sheet));
  EXPECT_TRUE(f.unit().boot);
  EXPECT_EQ(f.written(),
            "load MSCP XXA\n"
            "\n"
            "set XXA file[0]=\"a.dsk\"\n"
            "set XXA writeprotect[0]=1\n"
            "set XXA caching[0]=2\n"
            "set XXA delay_factor[0]=10.\n"
            "set XXA size[0]=144\n"
            "set XXA sector_size[0]=400\n");
}

TEST(DiskUnitSheet, RefusesWhatTheUnitCannotHold) {
  struct Case {
    const char* what;
    std::function<void(CDiskUnitGeneralProperties&)> edit;
    std::string message;
  };
  const Case cases[] = {
      {"size", [](auto& p) { p.sizeEdit()->setText("12x"); }, kEnterInteger},
      {"sector size", [](auto& p) { p.sectorSizeEdit()->setText(""); }, kEnterInteger},
      {"delay", [](auto& p) { p.delayFactorEdit()->setText("1.5"); }, kEnterInteger},
      {"huge size", [](auto& p) { p.sizeEdit()->setText("4294967296"); }, kEnterInteger},
      {"sector size range", [](auto& p) { p.sectorSizeEdit()->setText("70000"); },
       "stop: Please enter an integer from 0 to 65535."},
      {"quote", [](auto& p) { p.imageEdit()->setText("a\"b.dsk"); },
       "stop: The file name cannot contain a double quote."},
      {"line break", [](auto& p) { p.imageEdit()->setText("a\nb.dsk"); },
       "stop: The file name cannot contain a line break."},
      {"unstorable", [](auto& p) { p.imageEdit()->setText(QString::fromUtf8("\xD0\x96.dsk")); },
       "stop: The file name holds \"\xD0\x96\", which a configuration file cannot store."},
      {"device quote",
       [](auto& p) {
         p.deviceRadio()->click();
         p.deviceBox()->setEditText("DU\"A0:");
       },
       "stop: The file name cannot contain a double quote."},
  };
  for (const Case& c : cases) {
    DiskFixture f("MSCP", "file[0]=\"a.dsk\"");
    const std::string before = f.written();
    CDiskUnitProperties sheet(f.unit(), f.context(kVms));
    c.edit(*sheet.generalPage());
    EXPECT_FALSE(confirm(sheet)) << c.what;
    EXPECT_EQ(f.messages.shown, std::vector<std::string>{c.message}) << c.what;
    EXPECT_EQ(f.written(), before) << c.what;
  }
}

TEST(DiskUnitSheet, CancelLeavesTheUnitAlone) {
  DiskFixture f("MSCP", "file[0]=\"a.dsk\"");
  f.unit().comments = "kept";
  const std::string before = f.written();
  CDiskUnitProperties sheet(f.unit(), f.context(kNt));
  sheet.generalPage()->imageEdit()->setText("b.dsk");
  sheet.generalPage()->offlineCheck()->click();
  sheet.generalPage()->sizeEdit()->setText("9");
  sheet.commentsPage()->editor()->setPlainText("changed");
  sheet.reject();
  EXPECT_EQ(f.written(), before);
  EXPECT_EQ(f.unit().comments, "kept");
}

TEST(DiskUnitSheet, CommentsComeBackWithCrLf) {
  DiskFixture f("MSCP", "file[0]=\"a.dsk\"");
  CDiskUnitProperties sheet(f.unit(), f.context(kNt));
  sheet.commentsPage()->editor()->setPlainText("system disk\nsecond line");
  ASSERT_TRUE(confirm(sheet));
  EXPECT_EQ(f.unit().comments, "system disk\r\nsecond line");
}
