#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <functional>
#include <string>

#include "device_sheet_pages.h"
#include "config/document.h"
#include "config/script_writer.h"
#include "support/recording_messages.h"
#include "support/test_files.h"
#include "ui/sheets/bus_device_properties.h"
#include "ui/sheets/device_sheets.h"
#include "ui/sheets/disk_unit_general_properties.h"
#include "ui/sheets/disk_unit_properties.h"
#include "ui/sheets/loader_unit_general_prop.h"
#include "ui/sheets/loader_unit_properties.h"
#include "ui/sheets/property_sheet_opener.h"
#include "ui/sheets/serial_unit_general_properties.h"
#include "ui/sheets/serial_unit_properties.h"
#include "ui/sheets/unit_list_page.h"
#include "ui/ui_fixtures.h"

// A controller's sheet, its unit list and a unit's own sheet, as the editor
// runs them: the sheet through the opener, the unit sheet through the page
// dialogs, and the result read in the saved text.
namespace {

struct UnitSheetFlowTest : ::testing::Test {
  void open(const std::string& script) {
    const std::string path = makeTempDir() + "/flow.cfg";
    ASSERT_TRUE(writeBytes(path, script));
    ASSERT_TRUE(doc.OnOpenDocument(path));
    opener.setPageDialogs(dialogs);
    opener.setSheetRunner([this](QDialog& dialog) {
      auto& sheet = dynamic_cast<CDeviceSheet&>(dialog);
      onSheet(sheet);
      return sheet.result();
    });
  }
  bool confirm(const std::string& name) { return opener.openPropertySheet(name); }
  std::string saved() { return FormatScript(doc.configuration()); }

  RecordingMessages messages;
  CVelmorCfgEditorDoc doc{messages};
  CPropertySheetOpener opener{doc, nullptr};
  ScriptedDialogs dialogs;
  std::function<void(CDeviceSheet&)> onSheet;
};

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

}  // namespace

// A file and the boot mark given to unit 1 in its own sheet reach the saved
// script once the controller's sheet is confirmed; the disk that booted
// before no longer does.
TEST_F(UnitSheetFlowTest, ADiskUnitEditedInItsSheetIsSaved) {
  open("load MSCP DUA\r\nset DUA file[0]=\"C:\\a.dsk\"\r\nload RL11 DLA\r\nset DLA file[0]=\"C:\\rl.dsk\"\r\n"
       "boot DLA 0\r\n");
  dialogs.answer = [](QDialog& dialog) {
    auto& unit = dynamic_cast<CDiskUnitProperties&>(dialog);
    EXPECT_EQ(unit.windowTitle(), "Disk Unit Properties");
    // Typed, as a user names a file: a new unit is offline until it has one.
    unit.generalPage()->imageEdit()->clear();
    QTest::keyClicks(unit.generalPage()->imageEdit(), "C:\\b.dsk");
    unit.generalPage()->bootCheck()->setChecked(true);
    unit.accept();
    return unit.result();
  };
  onSheet = [](CDeviceSheet& sheet) {
    doubleClickUnit(sheet, 1);
    auto* page = dynamic_cast<CUnitListPage*>(sheet.tabs()->currentWidget());
    EXPECT_EQ(page->unitList()->item(1)->text(), "unit 1 -> [C:\\b.dsk]");
    sheet.accept();
  };
  ASSERT_TRUE(confirm("DUA"));
  const std::string text = saved();
  EXPECT_TRUE(contains(text, "set DUA file[1]=\"C:\\b.dsk\"")) << text;
  EXPECT_TRUE(contains(text, "boot DUA 1")) << text;
  EXPECT_FALSE(contains(text, "boot DLA")) << text;
  EXPECT_EQ(dialogs.captions, (std::vector<std::string>{"Disk Unit Properties"}));
}

// Cancelling the controller's sheet drops what a confirmed unit sheet changed.
TEST_F(UnitSheetFlowTest, CancellingTheControllerDropsUnitEdits) {
  open("load MSCP DUA\r\nset DUA file[0]=\"C:\\a.dsk\"\r\n");
  const std::string before = saved();
  dialogs.answer = [](QDialog& dialog) {
    auto& unit = dynamic_cast<CDiskUnitProperties&>(dialog);
    unit.generalPage()->imageEdit()->setText("C:\\other.dsk");
    unit.accept();
    return unit.result();
  };
  onSheet = [](CDeviceSheet& sheet) {
    doubleClickUnit(sheet, 0);
    sheet.reject();
  };
  EXPECT_FALSE(confirm("DUA"));
  EXPECT_EQ(saved(), before);
  EXPECT_FALSE(doc.isModified());
}

// The line sheet follows the type chosen on the General page, not the one the
// device had: a DZ11 turned into a DL11 offers parity on its lines.
TEST_F(UnitSheetFlowTest, ALineSheetFollowsTheTypeChosenOnTheGeneralPage) {
  open("load DZ11 TTA\r\n");
  bool parityEnabled = false;
  dialogs.answer = [&](QDialog& dialog) {
    auto& line = dynamic_cast<CSerialUnitProperties&>(dialog);
    parityEnabled = line.generalPage()->parityBox()->isEnabled();
    line.reject();
    return line.result();
  };
  onSheet = [](CDeviceSheet& sheet) {
    sheet.generalPage()->typeBox()->setCurrentText("DL11");
    doubleClickUnit(sheet, 0);
    sheet.reject();
  };
  EXPECT_FALSE(confirm("TTA"));
  EXPECT_TRUE(parityEnabled);
}

// A loader's sheet opens on its unit list; a unit made bootable there makes
// the loader the one boot device.
TEST_F(UnitSheetFlowTest, ALoaderUnitMadeBootableTakesTheBoot) {
  open("load MSCP DUA\r\nset DUA file[0]=\"C:\\a.dsk\"\r\nload LOADER BLA\r\nboot DUA 0\r\n");
  dialogs.answer = [](QDialog& dialog) {
    auto& unit = dynamic_cast<CLoaderUnitProperties&>(dialog);
    EXPECT_EQ(unit.windowTitle(), "Loader Unit Properties");
    unit.generalPage()->fileEdit()->setText("C:\\boot.oct");
    unit.generalPage()->bootableCheck()->setChecked(true);
    unit.accept();
    return unit.result();
  };
  onSheet = [](CDeviceSheet& sheet) {
    EXPECT_EQ(sheet.tabs()->tabText(sheet.tabs()->currentIndex()), "Loader Units");
    doubleClickUnit(sheet, 3);
    sheet.accept();
  };
  ASSERT_TRUE(confirm("BLA"));
  const std::string text = saved();
  EXPECT_TRUE(contains(text, "boot BLA 3")) << text;
  EXPECT_FALSE(contains(text, "boot DUA")) << text;
}
