#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <functional>
#include <memory>

#include "combo_box_items.h"
#include "devices/serial_device.h"
#include "support/device_script.h"
#include "support/recording_messages.h"
#include "ui/sheets/device_comments_page.h"
#include "ui/sheets/qt_printing.h"
#include "ui/sheets/serial_line_text.h"
#include "ui/sheets/serial_unit_general_properties.h"
#include "ui/sheets/serial_unit_nt_specific_properties.h"
#include "ui/sheets/serial_unit_properties.h"
#include "ui/sheets/sheet_picture.h"
#include "ui/ui_fixtures.h"

namespace {

const char* const kNt = "Windows NT 4.0";
const std::string kEnterInteger = "stop: Please enter an integer.";

struct SerialLineSheetTest : ::testing::Test {
  UnitSheetContext context(const std::string& ownerType = "DL11", const std::string& os = kNt) {
    return UnitSheetContext{ownerType, os, dialogs, messages};
  }
  // A controller read from script text: "set YZA " + pairs.
  std::unique_ptr<VelmorSerialDevice> fromScript(const char* word, const std::string& pairs) {
    auto device = loadAs<VelmorSerialDevice>(word, "YZA");
    EXPECT_TRUE(device->parseSetStatement("set YZA " + pairs)) << pairs;
    return device;
  }
  bool confirm(CSerialUnitProperties& sheet) {
    sheet.accept();
    return sheet.result() == QDialog::Accepted;
  }

  RecordingMessages messages;
  ScriptedDialogs dialogs;
};

}  // namespace

TEST(SerialLineText, TakesALineTextApart) {
  struct Case {
    const char* text;
    SerialConnection connection;
    const char* host;
    const char* port;
    bool optionWords;
  };
  const Case cases[] = {
      {"run terminal", SerialConnection::Terminal, "", "", false},
      {"RUN  vt100 -fast", SerialConnection::Terminal, "", "", false},
      {"link vax:2001", SerialConnection::Link, "vax", "2001", false},
      {"link -port 2001 -host vax", SerialConnection::Link, "vax", "2001", true},
      {"  Link -HOST vax   -port 23", SerialConnection::Link, "vax", "23", true},
      {"link -host vax", SerialConnection::Link, "vax", "", false},  // nothing to rewrite it with
      {"link -host vax -port 23 -trace", SerialConnection::Link, "vax", "23", false},  // more than the form says
      {"link fe80::1:23", SerialConnection::Link, "fe80::1", "23", false},  // the port follows the last colon
      {"link vax", SerialConnection::Link, "vax", "", false},
      {"link", SerialConnection::Link, "", "", false},
      {"\\\\.\\COM3", SerialConnection::RealDevice, "", "\\\\.\\COM3", false},
      {"linker vax:1", SerialConnection::RealDevice, "", "linker vax:1", false},
      {"", SerialConnection::RealDevice, "", "", false},
  };
  for (const Case& c : cases) {
    const SerialLineForm form = readSerialLine(c.text);
    EXPECT_EQ(form.connection, c.connection) << c.text;
    EXPECT_EQ(form.host, c.host) << c.text;
    EXPECT_EQ(form.port, c.port) << c.text;
    EXPECT_EQ(form.optionWords, c.optionWords) << c.text;
  }
}

TEST_F(SerialLineSheetTest, ShowsItsCaptionPagesLabelsAndTheGroupPicture) {
  VelmorSerialUnit record(0);
  CSerialUnitProperties sheet(record, context());
  EXPECT_EQ(sheet.windowTitle(), "Serial line properties");
  QStringList tabs, labels;
  for (int i = 0; i < sheet.tabs()->count(); ++i) tabs << sheet.tabs()->tabText(i);
  EXPECT_EQ(tabs, (QStringList{"General", "NT Specific properties", "Comments"}));
  for (const QLabel* label : sheet.findChildren<QLabel*>()) labels << label->text();
  for (const char* label : {"Host name:", "Port :", "Receiver Buffer Size", "Transmitter Buffer Size", "Line Speed",
                            "Parity", "Read interval timeout", "Total read operation timeout multiplier",
                            "Total read operation timeout constant", "Total write operation timeout multiplier",
                            "Total write operation timeout constant"})
    EXPECT_TRUE(labels.contains(label)) << label;
  CSerialUnitGeneralProperties& general = *sheet.generalPage();
  EXPECT_EQ(general.realDeviceRadio()->text(), "Real device");
  EXPECT_EQ(general.linkRadio()->text(), "Link");
  EXPECT_EQ(general.terminalRadio()->text(), "Terminal emulator");
  EXPECT_EQ((QStringList{general.offlineCheck()->text(), general.rxTraceCheck()->text(), general.txTraceCheck()->text(),
                         general.ttsyncCheck()->text(), general.hsyncCheck()->text()}),
            (QStringList{"Offline", "trace receiver", "trace transmitter", "ttsync", "hsync"}));
  EXPECT_EQ(general.bits7Radio()->text(), "7 bits character");
  EXPECT_EQ(general.bits8Radio()->text(), "8 bits character");
  EXPECT_EQ(itemsOf(general.parityBox()), (QStringList{"NONE", "ODD", "EVEN"}));

  // Every page shows the group's picture; a line printer's is its own.
  for (const auto& [owner, group] :
       {std::pair{"DL11", DeviceGroup::Serials}, std::pair{"lp11", DeviceGroup::LinePrinters}}) {
    CSerialUnitProperties each(record, context(owner));
    const QImage expected = sheetPicture(group).toImage();
    for (int i = 0; i < each.pageCount(); ++i) {
      bool shown = false;
      for (const QLabel* label : each.page(i)->findChildren<QLabel*>())
        shown = shown || label->pixmap().toImage() == expected;
      EXPECT_TRUE(shown) << owner << " page " << i;
    }
  }
}

// Each connection opens in its radio, with only its own controls enabled.
TEST_F(SerialLineSheetTest, OpensEachConnectionWithItsEnabling) {
  dialogs.hostDevices = {"\\\\.\\COM1", "\\\\.\\COM2"};
  struct Case {
    const char* line;
    SerialConnection connection;
    bool portList, hostEdit, portEdit;
    const char* host;
    const char* port;
    const char* device;  // the port list's current text
  };
  const Case cases[] = {
      {"run terminal", SerialConnection::Terminal, false, false, false, "", "", "\\\\.\\COM1"},
      {"link vax:2001", SerialConnection::Link, false, true, true, "vax", "2001", "\\\\.\\COM1"},
      {"\\\\.\\COM2", SerialConnection::RealDevice, true, false, false, "", "", "\\\\.\\COM2"},
      {"", SerialConnection::RealDevice, true, false, false, "", "", ""},  // no port picked for it
  };
  for (const Case& c : cases) {
    VelmorSerialUnit record(0);
    record.file = c.line;
    CSerialUnitProperties sheet(record, context());
    const CSerialUnitGeneralProperties& general = *sheet.generalPage();
    EXPECT_EQ(general.realDeviceRadio()->isChecked(), c.connection == SerialConnection::RealDevice) << c.line;
    EXPECT_EQ(general.linkRadio()->isChecked(), c.connection == SerialConnection::Link) << c.line;
    EXPECT_EQ(general.terminalRadio()->isChecked(), c.connection == SerialConnection::Terminal) << c.line;
    EXPECT_EQ(general.portList()->isEnabled(), c.portList) << c.line;
    EXPECT_EQ(general.hostEdit()->isEnabled(), c.hostEdit) << c.line;
    EXPECT_EQ(general.portEdit()->isEnabled(), c.portEdit) << c.line;
    EXPECT_EQ(general.hostEdit()->text(), c.host) << c.line;
    EXPECT_EQ(general.portEdit()->text(), c.port) << c.line;
    EXPECT_EQ(general.portList()->currentText(), c.device) << c.line;
  }

  // Choosing another radio moves the enabling along.
  VelmorSerialUnit record(0);
  CSerialUnitProperties sheet(record, context());
  CSerialUnitGeneralProperties& general = *sheet.generalPage();
  general.linkRadio()->setChecked(true);
  EXPECT_FALSE(general.portList()->isEnabled());
  EXPECT_TRUE(general.hostEdit()->isEnabled());
  general.terminalRadio()->setChecked(true);
  EXPECT_FALSE(general.portList()->isEnabled() || general.hostEdit()->isEnabled() || general.portEdit()->isEnabled());
}

TEST_F(SerialLineSheetTest, ALinkGivenByOptionWordsIsWrittenAsHostColonPort) {
  VelmorSerialUnit record(0);
  record.file = "link -port 2001 -host vax";
  CSerialUnitProperties sheet(record, context());
  EXPECT_TRUE(sheet.generalPage()->linkRadio()->isChecked());
  EXPECT_EQ(sheet.generalPage()->hostEdit()->text(), "vax");
  EXPECT_EQ(sheet.generalPage()->portEdit()->text(), "2001");
  ASSERT_TRUE(confirm(sheet));
  EXPECT_EQ(record.file, "link vax:2001");
}

TEST_F(SerialLineSheetTest, WritesTheChosenConnection) {
  dialogs.hostDevices = {"\\\\.\\COM1", "\\\\.\\COM2"};
  struct Case {
    const char* line;
    std::function<void(CSerialUnitGeneralProperties&)> choose;
    const char* written;
  };
  const Case cases[] = {
      {"\\\\.\\COM1", [](auto& page) { page.terminalRadio()->setChecked(true); }, "run terminal"},
      {"run terminal",
       [](auto& page) {
         page.linkRadio()->setChecked(true);
         page.hostEdit()->setText(" vax ");
         page.portEdit()->setText(" 023 ");
       },
       "link vax:23"},
      {"link vax:2001",
       [](auto& page) {
         page.realDeviceRadio()->setChecked(true);
         page.portList()->setCurrentIndex(page.portList()->findText("\\\\.\\COM2"));
       },
       "\\\\.\\COM2"},
      // A port word the user left alone stays as the script had it.
      {"link vax:telnet", [](auto& page) { page.hostEdit()->setText("alpha"); }, "link alpha:telnet"},
      {"link vax:2001", [](auto& page) { page.portEdit()->setText("2002"); }, "link vax:2002"},
      // Leaving a terminal line as it is keeps its own words.
      {"run vt100 -fast", [](auto&) {}, "run vt100 -fast"},
      {"link vax:2001 -trace", [](auto&) {}, "link vax:2001 -trace"},
  };
  for (const Case& c : cases) {
    VelmorSerialUnit record(0);
    record.file = c.line;
    CSerialUnitProperties sheet(record, context());
    c.choose(*sheet.generalPage());
    ASSERT_TRUE(confirm(sheet)) << c.line;
    EXPECT_EQ(record.file, c.written) << c.line;
  }
}

// The ports the host can open, from 1 on; a line printer's are the LPT ports.
// The line's own port is kept as written, added when the probe did not find it.
TEST_F(SerialLineSheetTest, OffersTheHostsPortsAndTheLinesOwn) {
  dialogs.hostDevices = {"\\\\.\\COM1", "\\\\.\\COM2", "\\\\.\\LPT1", "\\\\.\\LPT2"};
  struct Case {
    const char* owner;
    const char* os;
    const char* line;
    QStringList items;
    bool editable;
  };
  const Case cases[] = {
      {"DL11", kNt, "\\\\.\\COM7", {"\\\\.\\COM1", "\\\\.\\COM2", "\\\\.\\COM7"}, false},
      {"DL11", kNt, "\\\\.\\com2", {"\\\\.\\COM1", "\\\\.\\COM2", "\\\\.\\com2"}, false},
      {"LP11", kNt, "\\\\.\\LPT1", {"\\\\.\\LPT1", "\\\\.\\LPT2"}, false},
      {"DL11", kNt, "run terminal", {"\\\\.\\COM1", "\\\\.\\COM2"}, false},
      {"DL11", "Open VMS", "TTA0:", {"TTA0:"}, true},
      {"DZ11", "Digital UNIX", "", {}, true},
  };
  for (const Case& c : cases) {
    VelmorSerialUnit record(0);
    record.file = c.line;
    CSerialUnitProperties sheet(record, context(c.owner, c.os));
    const QComboBox* list = sheet.generalPage()->portList();
    EXPECT_EQ(itemsOf(list), c.items) << c.line;
    EXPECT_EQ(list->isEditable(), c.editable) << c.line;
    if (readSerialLine(c.line).connection == SerialConnection::RealDevice) {
      EXPECT_EQ(list->currentText(), c.line);
    }
  }

  // On another host's target the device is typed.
  VelmorSerialUnit record(0);
  CSerialUnitProperties sheet(record, context("DL11", "Digital UNIX"));
  sheet.generalPage()->portList()->setEditText("/dev/tty01");
  ASSERT_TRUE(confirm(sheet));
  EXPECT_EQ(record.file, "/dev/tty01");
}

TEST_F(SerialLineSheetTest, ParityIsEditableOnlyForADl11Line) {
  for (const auto& [owner, enabled] : {std::pair{"DL11", true}, std::pair{"dl11", true}, std::pair{"DZ11", false},
                                      std::pair{"LP11", false}, std::pair{"DJ11", false}}) {
    VelmorSerialUnit record(0);
    CSerialUnitProperties sheet(record, context(owner));
    EXPECT_EQ(sheet.generalPage()->parityBox()->isEnabled(), enabled) << owner;
    EXPECT_EQ(sheet.generalPage()->parityBox()->currentText(), "NONE") << owner;
  }

  VelmorSerialUnit record(0);
  record.parity = SerialParity::Odd;
  {
    CSerialUnitProperties sheet(record, context("DL11"));
    QComboBox* parity = sheet.generalPage()->parityBox();
    EXPECT_EQ(parity->currentText(), "ODD");
    parity->setCurrentIndex(parity->findText("EVEN"));
    ASSERT_TRUE(confirm(sheet));
    EXPECT_EQ(record.parity, SerialParity::Even);
  }
  // A disabled box hands back nothing, whatever it shows.
  CSerialUnitProperties sheet(record, context("DZ11"));
  QComboBox* parity = sheet.generalPage()->parityBox();
  parity->setCurrentIndex(parity->findText("NONE"));
  ASSERT_TRUE(confirm(sheet));
  EXPECT_EQ(record.parity, SerialParity::Even);
}

TEST_F(SerialLineSheetTest, WritesTheEditedSettings) {
  VelmorSerialUnit record(0);
  record.offline = true;
  record.bits = -1;
  CSerialUnitProperties sheet(record, context());
  CSerialUnitGeneralProperties& general = *sheet.generalPage();
  EXPECT_FALSE(general.bits7Radio()->isChecked() || general.bits8Radio()->isChecked());
  general.offlineCheck()->setChecked(false);
  general.rxTraceCheck()->setChecked(true);
  general.hsyncCheck()->setChecked(true);
  general.bits8Radio()->setChecked(true);
  general.rxBufferEdit()->setText("512");
  general.txBufferEdit()->setText(" -1 ");
  general.speedEdit()->setText("19200");
  for (int i = 0; i < CSerialUnitNTSpecificProperties::kTimeouts; ++i)
    sheet.ntPage()->timeoutEdit(i)->setText(QString::number(10 + i));
  ASSERT_TRUE(confirm(sheet));
  EXPECT_FALSE(record.offline);
  EXPECT_TRUE(record.rxTrace);
  EXPECT_FALSE(record.txTrace);
  EXPECT_FALSE(record.ttsync);
  EXPECT_TRUE(record.hsync);
  EXPECT_EQ(record.bits, 8);
  EXPECT_EQ(record.rxBufSize, 512);
  EXPECT_EQ(record.txBufSize, -1);
  EXPECT_EQ(record.speed, 19200);
  EXPECT_EQ((std::vector<int>{record.riTimeout, record.rmTimeout, record.rcTimeout, record.wmTimeout, record.wcTimeout}),
            (std::vector<int>{10, 11, 12, 13, 14}));
}

// A field the written line could not carry keeps the sheet open and the record as it was.
TEST_F(SerialLineSheetTest, RefusesWhatTheLineCannotHold) {
  struct Case {
    const char* line;
    const char* os;
    std::function<QWidget*(CSerialUnitProperties&)> type;  // types the text, answers the field
    std::string message;
  };
  const Case cases[] = {
      {"", kNt, [](auto& s) { s.generalPage()->speedEdit()->setText("fast"); return s.generalPage()->speedEdit(); },
       kEnterInteger},
      {"", kNt, [](auto& s) { s.generalPage()->rxBufferEdit()->setText("12.5"); return s.generalPage()->rxBufferEdit(); },
       kEnterInteger},
      {"", kNt, [](auto& s) { s.generalPage()->txBufferEdit()->setText(""); return s.generalPage()->txBufferEdit(); },
       kEnterInteger},
      {"", kNt, [](auto& s) { s.ntPage()->timeoutEdit(4)->setText("1e3"); return s.ntPage()->timeoutEdit(4); },
       kEnterInteger},
      {"link vax:2001", kNt, [](auto& s) { s.generalPage()->portEdit()->setText("telnet"); return s.generalPage()->portEdit(); },
       kEnterInteger},
      // Switched to a link, the port must be given.
      {"run terminal", kNt,
       [](auto& s) {
         s.generalPage()->linkRadio()->setChecked(true);
         s.generalPage()->hostEdit()->setText("vax");
         return s.generalPage()->portEdit();
       },
       kEnterInteger},
      {"link vax:2001", kNt, [](auto& s) { s.generalPage()->hostEdit()->setText("my vax"); return s.generalPage()->hostEdit(); },
       "stop: The host name cannot contain a blank."},
      {"link vax:2001", kNt, [](auto& s) { s.generalPage()->hostEdit()->setText("v\"ax"); return s.generalPage()->hostEdit(); },
       "stop: The host name cannot contain a double quote."},
      {"link vax:2001", kNt,
       [](auto& s) { s.generalPage()->hostEdit()->setText(QString::fromUtf8("v\u0416x")); return s.generalPage()->hostEdit(); },
       "stop: The host name holds \"\u0416\", which a configuration file cannot store."},
      {"TTA0:", "Open VMS",
       [](auto& s) { s.generalPage()->portList()->setEditText("TT\"A0:"); return s.generalPage()->portList(); },
       "stop: The device name cannot contain a double quote."},
  };
  for (const Case& c : cases) {
    messages.shown.clear();
    auto device = fromScript("DL11", std::string("line[0]=\"") + c.line + "\"");
    const std::string before = writtenForm(*device);
    CSerialUnitProperties sheet(*device->line(0), context("DL11", c.os));
    QWidget* field = c.type(sheet);
    EXPECT_FALSE(confirm(sheet)) << c.message;
    EXPECT_EQ(messages.shown, std::vector<std::string>{c.message});
    EXPECT_TRUE(sheet.tabs()->currentWidget()->isAncestorOf(field)) << c.message;
    EXPECT_EQ(writtenForm(*device), before) << c.message;
  }
}

// Values a script may hold that the controls cannot show exactly (a size of
// 5 bits, a decimal speed, a port word, a device in other letter case)
// come back unchanged from a sheet confirmed as it opened.
TEST_F(SerialLineSheetTest, AnUnchangedSheetKeepsTheWrittenForm) {
  dialogs.hostDevices = {"\\\\.\\COM1", "\\\\.\\COM9"};
  const struct {
    const char* word;
    std::string pairs;
  } devices[] = {
      {"DZ11",
       "line[0]=\"link vax:telnet\" bits[0]=5 speed[0]=110. ri_timeout[0]=-7 wc_timeout[0]=17777777777 "
       "line[1]=\"run vt100 -fast\" rx_trace[1]=yes ttsync[1]=no "
       "line[2]=\"\\\\.\\com9\" hsync[2]=0 line[3]=\"\" line[4]=\"link  fe80::1:0023\" line[5]=\"link -host vax\""},
      {"DL11", "line[0]=\"/dev/tty01\" parity[0]=ODD bits[0]=7 tx_buf_size[0]=-1"},
      {"LP11", "line[0]=\"\\\\.\\LPT3\" offline[0]=no"},
  };
  for (const char* os : {kNt, "Digital UNIX"})
    for (const auto& each : devices) {
      auto device = fromScript(each.word, each.pairs);
      device->line(0)->comments = "first\r\n\r\nlast\n";
      const std::string before = writtenForm(*device);
      for (std::size_t i = 0; i < device->unitCount(); ++i) {
        CSerialUnitProperties sheet(static_cast<VelmorSerialUnit&>(device->unit(i)), context(device->type, os));
        ASSERT_TRUE(confirm(sheet)) << each.pairs << " line " << i;
      }
      EXPECT_EQ(writtenForm(*device), before) << os << ": " << each.pairs;
    }
}

TEST_F(SerialLineSheetTest, CancelLeavesTheRecordUntouched) {
  auto device = fromScript("DL11", "line[0]=\"link vax:2001\" parity[0]=odd");
  const std::string before = writtenForm(*device);
  CSerialUnitProperties sheet(*device->line(0), context());
  CSerialUnitGeneralProperties& general = *sheet.generalPage();
  general.terminalRadio()->setChecked(true);
  general.offlineCheck()->setChecked(true);
  general.bits7Radio()->setChecked(true);
  general.speedEdit()->setText("300");
  general.parityBox()->setCurrentIndex(general.parityBox()->findText("EVEN"));
  sheet.ntPage()->timeoutEdit(0)->setText("99");
  sheet.commentsPage()->editor()->setPlainText("changed");
  sheet.reject();
  EXPECT_EQ(writtenForm(*device), before);
}

TEST_F(SerialLineSheetTest, CommentsComeBackWithCrLf) {
  VelmorSerialUnit record(0);
  CSerialUnitProperties sheet(record, context());
  sheet.commentsPage()->editor()->setPlainText("first\nsecond");
  ASSERT_TRUE(confirm(sheet));
  EXPECT_EQ(record.comments, "first\r\nsecond");
}

// A new line is offline, and an offline line is not saved: connecting it
// brings it online unless the user keeps it offline on purpose.
TEST_F(SerialLineSheetTest, ConnectingALineBringsItOnline) {
  struct Case {
    const char* what;
    std::function<void(CSerialUnitGeneralProperties&)> edit;
    bool offline;
    const char* line;
  };
  const Case cases[] = {
      {"terminal", [](auto& page) { page.terminalRadio()->setChecked(true); }, false, "run terminal"},
      {"link",
       [](auto& page) {
         page.linkRadio()->setChecked(true);
         page.hostEdit()->setText("vax");
         page.portEdit()->setText("2001");
       },
       false, "link vax:2001"},
      {"kept offline",
       [](auto& page) {
         page.terminalRadio()->setChecked(true);
         page.offlineCheck()->click();  // ticked again by the user
       },
       true, "run terminal"},
      {"nothing chosen", [](auto&) {}, true, ""},
  };
  for (const Case& c : cases) {
    VelmorSerialUnit record(0);
    record.applyUnitDefaults("DZ11", "DZ11");
    ASSERT_TRUE(record.offline);
    CSerialUnitProperties sheet(record, context("DZ11"));
    c.edit(*sheet.generalPage());
    ASSERT_TRUE(confirm(sheet)) << c.what;
    EXPECT_EQ(record.offline, c.offline) << c.what;
    EXPECT_EQ(record.file, c.line) << c.what;
  }
}

// Going back to the connection the line had gives back its offline mark.
TEST_F(SerialLineSheetTest, AConnectionUndoneGivesBackTheOfflineMark) {
  auto device = fromScript("DZ11", "line[1]=\"run terminal\" offline[1]=yes");
  VelmorSerialUnit& record = *device->unitAs<VelmorSerialUnit>(1);
  CSerialUnitProperties sheet(record, context("DZ11"));
  CSerialUnitGeneralProperties& page = *sheet.generalPage();
  ASSERT_TRUE(page.offlineCheck()->isChecked());
  page.linkRadio()->setChecked(true);
  EXPECT_FALSE(page.offlineCheck()->isChecked());
  page.terminalRadio()->setChecked(true);
  EXPECT_TRUE(page.offlineCheck()->isChecked());
}
