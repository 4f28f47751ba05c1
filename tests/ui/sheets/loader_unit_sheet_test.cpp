#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <memory>

#include "devices/loader_device.h"
#include "support/device_script.h"
#include "support/recording_messages.h"
#include "ui/sheets/device_comments_page.h"
#include "ui/sheets/loader_unit_general_prop.h"
#include "ui/sheets/loader_unit_properties.h"
#include "ui/sheets/qt_printing.h"
#include "ui/sheets/sheet_picture.h"
#include "ui/ui_fixtures.h"

namespace {

const char* const kFilter = "Octal Images(*.oct)|*.oct|Binary Images(*.bin)|*.bin|All Files(*.*)|*.*||";
const std::string kEnterOctal = "stop: Please enter an octal number, or a decimal number ending with \".\".";

struct LoaderUnitSheetTest : ::testing::Test {
  UnitSheetContext context() { return UnitSheetContext{"LOADER", "Windows NT 4.0", dialogs, messages}; }
  std::unique_ptr<VelmorLoaderDevice> fromScript(const std::string& pairs) {
    auto device = loadAs<VelmorLoaderDevice>("LOADER", "LDA");
    EXPECT_TRUE(device->parseSetStatement("set LDA " + pairs)) << pairs;
    return device;
  }
  VelmorLoaderUnit& unit(VelmorLoaderDevice& device, int number) {
    return static_cast<VelmorLoaderUnit&>(device.unit(static_cast<std::size_t>(number)));
  }
  bool confirm(CLoaderUnitProperties& sheet) {
    sheet.accept();
    return sheet.result() == QDialog::Accepted;
  }

  RecordingMessages messages;
  ScriptedDialogs dialogs;
};

}  // namespace

TEST_F(LoaderUnitSheetTest, ShowsItsCaptionPagesLabelsAndValues) {
  auto device = loadAs<VelmorLoaderDevice>("LOADER", "LDA");
  CLoaderUnitProperties sheet(unit(*device, 0), context());
  EXPECT_EQ(sheet.windowTitle(), "Loader Unit Properties");
  QStringList tabs, labels;
  for (int i = 0; i < sheet.tabs()->count(); ++i) tabs << sheet.tabs()->tabText(i);
  EXPECT_EQ(tabs, (QStringList{"Loader Unit Properties", "Comments"}));
  for (const QLabel* label : sheet.findChildren<QLabel*>()) labels << label->text();
  for (const char* label : {"Image filename", "Load Address", "Boot Address", "Start reading at", "Read bytes"})
    EXPECT_TRUE(labels.contains(label)) << label;
  const CLoaderUnitGeneralProp& page = *sheet.generalPage();
  EXPECT_EQ(page.browseButton()->text(), "Browse ...");
  EXPECT_EQ(page.bootableCheck()->text(), "Bootable");
  // Addresses in octal, the part of the file in decimal.
  EXPECT_EQ(page.loadAddressEdit()->text(), "140000");
  EXPECT_EQ(page.bootAddressEdit()->text(), "140000");
  EXPECT_EQ(page.offsetEdit()->text(), "0");
  EXPECT_EQ(page.lengthEdit()->text(), "65536");
  const QImage picture = sheetPicture(DeviceGroup::Loaders).toImage();
  for (int i = 0; i < sheet.pageCount(); ++i) {
    bool shown = false;
    for (const QLabel* label : sheet.page(i)->findChildren<QLabel*>())
      shown = shown || label->pixmap().toImage() == picture;
    EXPECT_TRUE(shown) << "page " << i;
  }
}

TEST_F(LoaderUnitSheetTest, ReadsAddressesAsAScriptReadsNumbers) {
  struct Case {
    const char* text;
    std::int32_t value;
    bool refused;
  };
  const Case cases[] = {
      {"1000.", 1000, false},  // a point makes it decimal
      {"1000", 01000, false},
      {" 777 ", 0777, false},
      {"-1", -1, false},
      {"+17", 017, false},
      {"17777777777", INT32_MAX, false},
      {"2147483647.", INT32_MAX, false},
      {"-20000000000", INT32_MIN, false},
      {"20000000000", 0, true},  // past 32 bits, where a script would stop at the limit
      {"19", 0, true},           // a script would read 1
      {"lots", 0, true},
      {"", 0, true},
      {".", 0, true},
      {"0x10", 0, true},
  };
  for (const Case& c : cases) {
    messages.shown.clear();
    auto device = loadAs<VelmorLoaderDevice>("LOADER", "LDA");
    VelmorLoaderUnit& record = unit(*device, 0);
    CLoaderUnitProperties sheet(record, context());
    sheet.generalPage()->bootAddressEdit()->setText(c.text);
    EXPECT_EQ(confirm(sheet), !c.refused) << c.text;
    if (c.refused) {
      EXPECT_EQ(messages.shown, std::vector<std::string>{kEnterOctal}) << c.text;
      EXPECT_EQ(record.bootAddress, 0140000) << c.text;
    } else {
      EXPECT_EQ(record.bootAddress, c.value) << c.text;
    }
  }
}

TEST_F(LoaderUnitSheetTest, ReadsTheFilesPartAsDecimalIntegers) {
  auto device = loadAs<VelmorLoaderDevice>("LOADER", "LDA");
  VelmorLoaderUnit& record = unit(*device, 0);
  for (const char* bad : {"1750.", "ten", ""}) {
    messages.shown.clear();
    CLoaderUnitProperties sheet(record, context());
    sheet.generalPage()->lengthEdit()->setText(bad);
    EXPECT_FALSE(confirm(sheet)) << bad;
    EXPECT_EQ(messages.shown, std::vector<std::string>{"stop: Please enter an integer."}) << bad;
  }
  CLoaderUnitProperties sheet(record, context());
  sheet.generalPage()->offsetEdit()->setText("512");
  sheet.generalPage()->lengthEdit()->setText("1000");
  sheet.generalPage()->loadAddressEdit()->setText("1000");
  sheet.generalPage()->fileEdit()->setText("images/boot one.oct");
  sheet.generalPage()->bootableCheck()->setChecked(true);
  ASSERT_TRUE(confirm(sheet));
  EXPECT_EQ(record.offset, 512);
  EXPECT_EQ(record.length, 1000);
  EXPECT_EQ(record.loadAddress, 01000);
  EXPECT_TRUE(record.bootMark);
  EXPECT_EQ(writtenForm(*device),
            "load LOADER LDA\n"
            "\n"
            "set LDA file[0]=\"images/boot one.oct\"\n"
            "set LDA load[0]=1000\n"
            "set LDA length[0]=1750\n"
            "set LDA offset[0]=1000\n");
}

// Values a script may hold in any form (a decimal address, a negative one,
// the largest length) come back as they were from a sheet left unchanged.
TEST_F(LoaderUnitSheetTest, AnUnchangedSheetKeepsTheWrittenForm) {
  auto device = fromScript(
      "file[3]=\"C:\\images\\odd name.bin\" load[3]=1001. boot[3]=-1 length[3]=17777777777 offset[3]=18 "
      "file[9]=\"a.oct\"");
  unit(*device, 3).comments = "why\r\nthis image\n";
  const std::string before = writtenForm(*device);
  CLoaderUnitProperties shown(unit(*device, 3), context());
  EXPECT_EQ(shown.generalPage()->loadAddressEdit()->text(), "1751");
  for (std::size_t i = 0; i < device->unitCount(); ++i) {
    CLoaderUnitProperties sheet(unit(*device, static_cast<int>(i)), context());
    ASSERT_TRUE(confirm(sheet)) << i;
  }
  EXPECT_EQ(writtenForm(*device), before);
}

TEST_F(LoaderUnitSheetTest, BrowseChoosesTheImageFile) {
  auto device = fromScript("file[0]=\"old.oct\"");
  VelmorLoaderUnit& record = unit(*device, 0);
  CLoaderUnitProperties sheet(record, context());
  QLineEdit* file = sheet.generalPage()->fileEdit();
  dialogs.browsePath = "";  // cancelled: the name stays
  sheet.generalPage()->browseButton()->click();
  EXPECT_EQ(file->text(), "old.oct");
  dialogs.browsePath = "/images/new.bin";
  sheet.generalPage()->browseButton()->click();
  EXPECT_EQ(file->text(), "/images/new.bin");
  ASSERT_EQ(dialogs.browsed.size(), 2u);
  EXPECT_EQ(dialogs.browsed[0].current, "old.oct");
  EXPECT_EQ(dialogs.browsed[0].defaultSuffix, "oct");
  EXPECT_EQ(dialogs.browsed[0].filter, kFilter);
  ASSERT_TRUE(confirm(sheet));
  EXPECT_EQ(record.file, "/images/new.bin");
}

TEST_F(LoaderUnitSheetTest, RefusesAFileNameTheQuotedValueCannotHold) {
  const std::pair<QString, std::string> cases[] = {
      {"a\"b.oct", "stop: The file name cannot contain a double quote."},
      {"a\nb.oct", "stop: The file name cannot contain a line break."},
      {QString::fromUtf8("\u0416.oct"), "stop: The file name holds \"\u0416\", which a configuration file cannot store."},
  };
  for (const auto& [name, message] : cases) {
    messages.shown.clear();
    auto device = loadAs<VelmorLoaderDevice>("LOADER", "LDA");
    CLoaderUnitProperties sheet(unit(*device, 0), context());
    sheet.generalPage()->fileEdit()->setText(name);
    EXPECT_FALSE(confirm(sheet)) << message;
    EXPECT_EQ(messages.shown, std::vector<std::string>{message});
    EXPECT_EQ(unit(*device, 0).file, "");
  }
}

TEST_F(LoaderUnitSheetTest, CancelLeavesTheRecordUntouchedAndOkTakesCommentsWithCrLf) {
  auto device = fromScript("file[0]=\"a.oct\" load[0]=1000");
  const std::string before = writtenForm(*device);
  VelmorLoaderUnit& record = unit(*device, 0);
  {
    CLoaderUnitProperties sheet(record, context());
    sheet.generalPage()->fileEdit()->setText("b.oct");
    sheet.generalPage()->loadAddressEdit()->setText("2000");
    sheet.generalPage()->bootableCheck()->setChecked(true);
    sheet.commentsPage()->editor()->setPlainText("new");
    sheet.reject();
  }
  EXPECT_EQ(writtenForm(*device), before);
  EXPECT_FALSE(record.bootMark);

  CLoaderUnitProperties sheet(record, context());
  sheet.commentsPage()->editor()->setPlainText("first\nsecond");
  ASSERT_TRUE(confirm(sheet));
  EXPECT_EQ(record.comments, "first\r\nsecond");
}
