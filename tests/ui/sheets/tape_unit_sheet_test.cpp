#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <functional>
#include <utility>

#include "combo_box_items.h"
#include "devices/tape_device.h"
#include "ui/sheets/device_comments_page.h"
#include "ui/sheets/tape_unit_general_properties.h"
#include "ui/sheets/tape_unit_properties.h"
#include "ui/sheets/unit_file_forms.h"
#include "unit_sheet_fixture.h"

namespace {

using TapeFixture = UnitSheetFixture<VelmorTapeDevice, VelmorTapeUnit>;

enum class Source { Image, Device, Link };

Source sourceOf(const CTapeUnitGeneralProperties& page) {
  if (page.deviceRadio()->isChecked()) return Source::Device;
  if (page.linkRadio()->isChecked()) return Source::Link;
  EXPECT_TRUE(page.imageRadio()->isChecked());
  return Source::Image;
}

const std::string kEnterInteger = "stop: Please enter an integer.";

}  // namespace

TEST(TapeUnitSheet, ShowsItsCaptionPagesAndControls) {
  TapeFixture f("TS11", "");
  CTapeUnitProperties sheet(f.unit(), f.context(kNt));
  EXPECT_EQ(sheet.windowTitle(), "Tape Unit Properties");
  ASSERT_EQ(sheet.tabs()->count(), 2);
  EXPECT_EQ(sheet.tabs()->tabText(0), "Tape unit properties");
  EXPECT_EQ(sheet.tabs()->tabText(1), "Comments");
  QStringList texts;
  for (const QLabel* label : sheet.generalPage()->findChildren<QLabel*>()) texts << label->text();
  for (const QAbstractButton* button : sheet.generalPage()->findChildren<QAbstractButton*>()) texts << button->text();
  for (const char* text : {"Tape image", "Browse ...", "Reset Field", "Tape device", "Link tape", "Port number",
                           "Writeprotect", "Bootable", "Enable unload", "Loaded", "Delay factor:", "Volume size"})
    EXPECT_TRUE(texts.contains(text)) << text;
  EXPECT_TRUE(sheet.generalPage()->unloadCheck()->isChecked());
  EXPECT_TRUE(sheet.generalPage()->loadedCheck()->isChecked());
}

// The file's first word picks the radio and each radio enables its own
// controls; an unchanged sheet hands the unit back byte for byte, the
// image's blanks and the port's digits as the script had them.
TEST(TapeUnitSheet, FileFormsOpenTheirRadioAndComeBackUnchanged) {
  struct Case {
    const char* file;
    const char* targetOs;
    Source source;
    const char* shown;  // in the edit, the port field or the device list
  };
  const Case cases[] = {
      {"image a.mtd", kNt, Source::Image, "a.mtd"},
      {"image  my\ttape.mtd ", kVms, Source::Image, "my tape.mtd"},
      {"port 1234", kNt, Source::Link, "1234"},
      {"port 0100", kUnix, Source::Link, "0100"},
      {"port abc", kNt, Source::Link, "abc"},  // not a port, but the script's own
      {"\\\\.\\Tape0", kNt, Source::Device, "\\\\.\\Tape0"},
      {"MUA0:", kVms, Source::Device, "MUA0:"},
      {"imagefile.mtd", kNt, Source::Device, "imagefile.mtd"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    TapeFixture f("TS11", std::string("file[0]=\"") + c.file + "\" volume_size[0]=20. loaded[0]=0");
    const std::string before = f.written();
    CTapeUnitProperties sheet(f.unit(), f.context(c.targetOs));
    CTapeUnitGeneralProperties* page = sheet.generalPage();
    EXPECT_EQ(sourceOf(*page), c.source);
    const QString shown = c.source == Source::Image  ? page->imageEdit()->text()
                          : c.source == Source::Link ? page->portEdit()->text()
                                                     : page->deviceBox()->currentText();
    EXPECT_EQ(shown, c.shown);
    EXPECT_EQ(page->imageEdit()->isEnabled(), c.source == Source::Image);
    EXPECT_EQ(page->resetButton()->isEnabled(), c.source == Source::Image);
    EXPECT_EQ(page->browseButton()->isEnabled(), c.source == Source::Image && std::string(c.targetOs) == kNt);
    EXPECT_EQ(page->deviceBox()->isEnabled(), c.source == Source::Device);
    EXPECT_EQ(page->portEdit()->isEnabled(), c.source == Source::Link);
    EXPECT_EQ(page->volumeSizeEdit()->text(), "20");
    EXPECT_FALSE(page->loadedCheck()->isChecked());
    ASSERT_TRUE(confirm(sheet));
    EXPECT_EQ(f.written(), before);
  }
}

// A unit without a file opens as an image not yet named and stays out of the script.
TEST(TapeUnitSheet, UnitWithoutAFileOpensAsAnEmptyImage) {
  TapeFixture f("TS11", "");
  CTapeUnitProperties sheet(f.unit(), f.context(kNt));
  EXPECT_EQ(sourceOf(*sheet.generalPage()), Source::Image);
  EXPECT_EQ(sheet.generalPage()->imageEdit()->text(), "");
  ASSERT_TRUE(confirm(sheet));
  EXPECT_EQ(f.unit().file, "");
  EXPECT_EQ(f.written(), "load TS11 XXA\n");
}

TEST(TapeUnitSheet, ChosenFormIsWrittenBack) {
  struct Case {
    const char* what;
    const char* file;  // before
    std::function<void(CTapeUnitGeneralProperties&)> edit;
    std::string expected;
  };
  const Case cases[] = {
      {"image name", "port 10", [](auto& p) {
         p.imageRadio()->click();
         p.imageEdit()->setText(" new tape.mtd ");
       }, "image new tape.mtd"},
      {"port", "image a.mtd", [](auto& p) {
         p.linkRadio()->click();
         p.portEdit()->setText(" 080 ");
       }, "port 80"},
      {"device", "image a.mtd", [](auto& p) {
         p.deviceRadio()->click();
         p.deviceBox()->setCurrentIndex(p.deviceBox()->findText("\\\\.\\Tape1"));
       }, "\\\\.\\Tape1"},
      {"typed device", "image a.mtd", [](auto& p) {
         p.deviceRadio()->click();
         p.deviceBox()->setEditText("\\\\.\\Tape9");
       }, "\\\\.\\Tape9"},
      {"reset field", "image  a.mtd", [](auto& p) { p.resetButton()->click(); }, ""},
  };
  for (const Case& c : cases) {
    TapeFixture f("TS11", std::string("file[0]=\"") + c.file + "\"");
    f.dialogs.hostDevices = {"\\\\.\\Tape0", "\\\\.\\Tape1", "\\\\.\\SCSI0"};
    CTapeUnitProperties sheet(f.unit(), f.context(kNt));
    c.edit(*sheet.generalPage());
    ASSERT_TRUE(confirm(sheet)) << c.what;
    EXPECT_EQ(f.unit().file, c.expected) << c.what;
  }
}

TEST(TapeUnitSheet, DeviceListOffersTapesAndScsiDevicesThatOpenAndTheCurrentOne) {
  TapeFixture f("TS11", "file[0]=\"\\\\.\\Tape5\"");
  f.dialogs.hostDevices = {"\\\\.\\Tape0", "\\\\.\\SCSI0", "\\\\.\\SCSI1", "\\\\.\\Tape2"};
  CTapeUnitProperties sheet(f.unit(), f.context(kNt));
  QComboBox* box = sheet.generalPage()->deviceBox();
  EXPECT_EQ(itemsOf(box), (QStringList{"\\\\.\\SCSI0", "\\\\.\\SCSI1", "\\\\.\\Tape0", "\\\\.\\Tape5"}));
  EXPECT_EQ(box->currentText(), "\\\\.\\Tape5");

  // Another host's tapes are not probed.
  TapeFixture digitalUnix("TS11", "file[0]=\"/dev/nrmt0h\"");
  digitalUnix.dialogs.hostDevices = f.dialogs.hostDevices;
  CTapeUnitProperties unixSheet(digitalUnix.unit(), digitalUnix.context(kUnix));
  EXPECT_EQ(itemsOf(unixSheet.generalPage()->deviceBox()), QStringList{"/dev/nrmt0h"});
}

TEST(TapeUnitSheet, BrowseOnlyOnWindowsNtTakesTheChosenFile) {
  TapeFixture f("TS11", "file[0]=\"image old.mtd\"");
  CTapeUnitProperties sheet(f.unit(), f.context(kNt));
  CTapeUnitGeneralProperties* page = sheet.generalPage();
  page->browseButton()->click();  // cancelled
  EXPECT_EQ(page->imageEdit()->text(), "old.mtd");
  ASSERT_EQ(f.dialogs.browsed.size(), 1u);
  EXPECT_EQ(f.dialogs.browsed[0].current, "old.mtd");
  EXPECT_EQ(f.dialogs.browsed[0].defaultSuffix, "mtd");
  EXPECT_EQ(f.dialogs.browsed[0].filter,
            "Tape Images(*.mtd)|*.mtd|Tape Images(*.img)|*.img|All Files(*.*)|*.*||");
  f.dialogs.browsePath = "D:\\tapes\\new.img";
  page->browseButton()->click();
  ASSERT_TRUE(confirm(sheet));
  EXPECT_EQ(f.unit().file, "image D:\\tapes\\new.img");
}

TEST(TapeUnitSheet, RefusesWhatTheUnitCannotHold) {
  struct Case {
    const char* what;
    std::function<void(CTapeUnitGeneralProperties&)> edit;
    std::string message;
  };
  const Case cases[] = {
      {"delay", [](auto& p) { p.delayFactorEdit()->setText("x"); }, kEnterInteger},
      {"volume", [](auto& p) { p.volumeSizeEdit()->setText(""); }, kEnterInteger},
      {"port", [](auto& p) {
         p.linkRadio()->click();
         p.portEdit()->setText("12ab");
       }, kEnterInteger},
      {"empty port", [](auto& p) { p.linkRadio()->click(); }, kEnterInteger},
      {"quote", [](auto& p) { p.imageEdit()->setText("a\"b.mtd"); },
       "stop: The file name cannot contain a double quote."},
      {"device quote", [](auto& p) {
         p.deviceRadio()->click();
         p.deviceBox()->setEditText("MU\"A0:");
       }, "stop: The file name cannot contain a double quote."},
  };
  for (const Case& c : cases) {
    TapeFixture f("TS11", "file[0]=\"image a.mtd\"");
    const std::string before = f.written();
    CTapeUnitProperties sheet(f.unit(), f.context(kVms));
    c.edit(*sheet.generalPage());
    EXPECT_FALSE(confirm(sheet)) << c.what;
    EXPECT_EQ(f.messages.shown, std::vector<std::string>{c.message}) << c.what;
    EXPECT_EQ(f.written(), before) << c.what;
  }
}

TEST(TapeUnitSheet, ConfirmedFlagsAndNumbersAreWrittenBack) {
  TapeFixture f("TS11", "file[0]=\"image a.mtd\"");
  CTapeUnitProperties sheet(f.unit(), f.context(kNt));
  CTapeUnitGeneralProperties* page = sheet.generalPage();
  page->writeprotectCheck()->click();
  page->bootCheck()->click();
  page->unloadCheck()->click();
  page->loadedCheck()->click();
  page->delayFactorEdit()->setText("3");
  page->volumeSizeEdit()->setText("20");
  sheet.commentsPage()->editor()->setPlainText("backup\ntape");
  ASSERT_TRUE(confirm(sheet));
  EXPECT_TRUE(f.unit().boot);
  EXPECT_EQ(f.unit().comments, "backup\r\ntape");
  EXPECT_EQ(f.written(),
            "load TS11 XXA\n"
            "\n"
            "#backup\r\n"
            "#tape\n"
            "set XXA file[0]=\"image a.mtd\"\n"
            "set XXA writeprotect[0]=1\n"
            "set XXA delay_factor[0]=3.\n"
            "set XXA volume_size[0]=20.\n"
            "set XXA unload_enabled[0]=0\n"
            "set XXA loaded[0]=0\n");
}

TEST(TapeUnitSheet, CancelLeavesTheUnitAlone) {
  TapeFixture f("TS11", "file[0]=\"image a.mtd\"");
  f.unit().comments = "kept";
  const std::string before = f.written();
  CTapeUnitProperties sheet(f.unit(), f.context(kNt));
  sheet.generalPage()->linkRadio()->click();
  sheet.generalPage()->portEdit()->setText("99");
  sheet.generalPage()->writeprotectCheck()->click();
  sheet.commentsPage()->editor()->setPlainText("changed");
  sheet.reject();
  EXPECT_EQ(f.written(), before);
  EXPECT_EQ(f.unit().comments, "kept");
}

// The page writes a form and reads it back the next time it opens.
TEST(TapeFileText, ReadsBackAsTheFormItWasWrittenFrom) {
  using Kind = TapeFileForm::Kind;
  const std::pair<TapeFileForm, QString> cases[] = {
      {{Kind::Image, "d:\\tapes\\spare tape.mtd"}, "image d:\\tapes\\spare tape.mtd"},
      {{Kind::Image, ""}, ""},
      {{Kind::Port, "100"}, "port 100"},
      {{Kind::Device, "\\\\.\\Tape0"}, "\\\\.\\Tape0"},
  };
  for (const auto& [form, text] : cases) {
    SCOPED_TRACE(text.toStdString());
    EXPECT_EQ(tapeFileText(form), text);
    const TapeFileForm read = readTapeFile(text);
    EXPECT_EQ(read.kind, form.kind);
    EXPECT_EQ(read.text, form.text);
  }
}
