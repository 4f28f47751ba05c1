#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <ctime>
#include <functional>
#include <map>
#include <string>

#include "device_sheet_pages.h"
#include "config/document.h"
#include "config/script_writer.h"
#include "support/recording_messages.h"
#include "support/test_files.h"
#include "ui/sheets/bridge_specific_properties.h"
#include "ui/sheets/device_comments_page.h"
#include "ui/sheets/device_sheets.h"
#include "ui/sheets/disk_unit_general_properties.h"
#include "ui/sheets/disk_unit_properties.h"
#include "ui/sheets/loader_unit_properties.h"
#include "ui/sheets/net_specific_properties.h"
#include "ui/sheets/property_sheet_opener.h"
#include "ui/sheets/rom_specific_properties.h"
#include "ui/sheets/serial_unit_general_properties.h"
#include "ui/sheets/serial_unit_properties.h"
#include "ui/sheets/timer_specific_properties.h"
#include "ui/sheets/unit_list_page.h"
#include "ui/ui_fixtures.h"

namespace {

void type(QLineEdit* edit, const QString& text) {
  edit->selectAll();
  QTest::keyClicks(edit, text);
}

}  // namespace

// A realistic script edited through the sheets of seven kinds and their unit
// sheets, saved, and compared byte for byte with the file the emulator is to read.
TEST(SheetEditsGolden, EveryKindEditedThroughItsSheets) {
  const std::string data = std::string(VELMOR_TEST_DATA_DIR);
  RecordingMessages messages;
  CVelmorCfgEditorDoc doc{messages};
  ASSERT_TRUE(doc.OnOpenDocument(data + "/golden/full/every_kind.cfg"));
  // The header names the file as opened; the expected text names it as the site has it.
  doc.configuration().fileName = "C:\\Velmor\\site\\every_kind.cfg";
  ScriptedDialogs dialogs;
  CPropertySheetOpener opener{doc, nullptr};
  opener.setPageDialogs(dialogs);

  std::map<std::string, std::function<void(CDeviceSheet&)>> edits;
  std::map<std::string, std::function<void(QDialog&)>> unitEdits;
  edits["DUA"] = [](CDeviceSheet& sheet) { doubleClickUnit(sheet, 2); };
  unitEdits["Disk Unit Properties"] = [](QDialog& dialog) {
    CDiskUnitGeneralProperties& unit = *dynamic_cast<CDiskUnitProperties&>(dialog).generalPage();
    type(unit.imageEdit(), "d:\\pdp\\rsx\\spare disk.dsk");
    unit.writeprotectCheck()->setChecked(true);
  };
  edits["YVA"] = [](CDeviceSheet& sheet) { doubleClickUnit(sheet, 0); };
  unitEdits["Serial line properties"] = [](QDialog& dialog) {
    CSerialUnitGeneralProperties& line = *dynamic_cast<CSerialUnitProperties&>(dialog).generalPage();
    line.linkRadio()->setChecked(true);
    type(line.hostEdit(), "vax");
    type(line.portEdit(), "2001");
  };
  edits["WHA"] = [](CDeviceSheet& sheet) {
    auto& page = showPage<CNetSpecificProperties>(sheet);
    type(page.hostEdit(), "relay2.lab");
    const char* parts[] = {"08", "00", "2b", "01", "02", "03"};
    for (int i = 0; i < 6; ++i) type(page.addressEdit(i), parts[i]);
  };
  edits["UBA"] = [](CDeviceSheet& sheet) { showPage<CBridgeSpecificProperties>(sheet).traceCheck()->setChecked(true); };
  edits["KWA"] = [](CDeviceSheet& sheet) {
    QComboBox* box = showPage<CTimerSpecificProperties>(sheet).lineFrequencyBox();
    box->setCurrentIndex(box->findText("50"));
  };
  edits["LDA"] = [](CDeviceSheet& sheet) { doubleClickUnit(sheet, 0); };
  unitEdits["Loader Unit Properties"] = [](QDialog& dialog) {
    dynamic_cast<CLoaderUnitProperties&>(dialog).commentsPage()->editor()->setPlainText("spare monitor");
  };
  edits["ROA"] = [](CDeviceSheet& sheet) {
    auto& page = showPage<CROMSpecificProperties>(sheet);
    page.bootableCheck()->setChecked(true);
    type(page.startAddressEdit(), "165000");
  };

  dialogs.answer = [&](QDialog& dialog) {
    unitEdits.at(dialog.windowTitle().toStdString())(dialog);
    dialog.accept();
    return dialog.result();
  };
  std::string editing;
  opener.setSheetRunner([&](QDialog& dialog) {
    auto& sheet = dynamic_cast<CDeviceSheet&>(dialog);
    edits.at(editing)(sheet);
    sheet.accept();
    return sheet.result();
  });
  for (const auto& [name, edit] : edits) {
    editing = name;
    EXPECT_TRUE(opener.openPropertySheet(name)) << name;
  }
  EXPECT_EQ(dialogs.captions, (std::vector<std::string>{"Disk Unit Properties", "Loader Unit Properties",
                                                        "Serial line properties"}));

  std::tm when{};
  when.tm_year = 126;
  when.tm_mon = 11;
  when.tm_mday = 9;
  when.tm_hour = 12;
  const std::string saved = makeTempDir() + "/every_kind.cfg";
  ASSERT_TRUE(doc.OnSaveDocument(saved, {when}));
  EXPECT_EQ(readBytes(saved), readBytes(data + "/sheets/every_kind_edited.out"));
}
