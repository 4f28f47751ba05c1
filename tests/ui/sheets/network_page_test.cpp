#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "devices/network_device.h"
#include "kind_page_fixture.h"
#include "ui/sheets/net_specific_properties.h"
#include "ui/sheets/protocols_usage_dialog.h"
#include "ui/sheets/qt_printing.h"

namespace {

QString addressShown(const CNetSpecificProperties& page) {
  QStringList parts;
  for (int i = 0; i < CNetSpecificProperties::kAddressParts; ++i) parts << page.addressEdit(i)->text();
  return parts.join(':');
}

void setAddress(CNetSpecificProperties& page, const QStringList& parts) {
  for (int i = 0; i < CNetSpecificProperties::kAddressParts; ++i) page.addressEdit(i)->setText(parts.value(i));
}

// Which of the page's controls take input, in one text: a failing case shows
// them all at once.
std::string enabling(const CNetSpecificProperties& page) {
  std::string text;
  auto add = [&](const char* name, const QWidget* widget) {
    if (widget->isEnabled()) text += std::string(text.empty() ? "" : " ") + name;
  };
  add("vector1", page.vector1Box());
  add("host", page.hostEdit());
  add("port", page.portEdit());
  bool allAddress = true, anyAddress = false;
  for (int i = 0; i < CNetSpecificProperties::kAddressParts; ++i) {
    allAddress = allAddress && page.addressEdit(i)->isEnabled();
    anyAddress = anyAddress || page.addressEdit(i)->isEnabled();
  }
  if (allAddress) add("address", page.addressEdit(0));
  if (anyAddress && !allAddress) text += " some-address";
  add("interface", page.interfaceEdit());
  add("protocols", page.protocolsEdit());
  add("change", page.changeButton());
  return text;
}

using NetworkPageTest = KindPageTest<CNetSpecificProperties>;

}  // namespace

TEST_F(NetworkPageTest, InterfaceChoosesTheModeAndFillsTheFields) {
  struct Case {
    const char* type;
    const char* setLines;
    bool isVirtual;
    const char* host;
    const char* port;
    const char* interfaceShown;
    const char* protocolsShown;
  } cases[] = {
      {"DEQNA", "interface=\"virtual relay.lab:1600\"", true, "relay.lab", "1600", "", ""},
      {"DEQNA", "interface=\"virtual:1601\"", true, "", "1601", "", ""},
      // The page ignores letter case in the first word.
      {"DEQNA", "interface=\"Virtual   relay:1602 more\"", true, "relay", "1602", "", ""},
      {"DEQNA", "interface=\"virtual\"", true, "", "", "", ""},
      {"DELUA", "interface=\"eth0\" protocols=\"LAT 0x0008 lat\"", false, "", "", "eth0", "IP LAT"},
      // An interface alias holds a colon but names a real card.
      {"DELQA", "interface=\"eth0:1\"", false, "", "", "eth0:1", ""},
      {"DESQA", "", false, "", "", "", ""},
      // A VELNA is virtual whatever its interface says.
      {"VELNA", "interface=\"eth0\"", true, "", "", "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.type) + " " + c.setLines);
    std::string script = std::string("load ") + c.type + " NIA\n";
    if (*c.setLines) script += std::string("set NIA ") + c.setLines + "\n";
    read(script);
    CNetSpecificProperties& shown = openPage("NIA");
    EXPECT_EQ(shown.virtualRadio()->isChecked(), c.isVirtual);
    EXPECT_EQ(shown.realRadio()->isChecked(), !c.isVirtual);
    EXPECT_EQ(shown.hostEdit()->text(), c.host);
    EXPECT_EQ(shown.portEdit()->text(), c.port);
    EXPECT_EQ(shown.interfaceEdit()->text(), c.interfaceShown);
    EXPECT_EQ(shown.protocolsEdit()->text(), c.protocolsShown);
    EXPECT_TRUE(shown.protocolsEdit()->isReadOnly());
  }
}

TEST_F(NetworkPageTest, EnablingFollowsModeAndType) {
  read("load DEQNA WHA\nset WHA interface=\"virtual relay:1600\"\n"
       "load VELNA VNA\nset VNA interface=\"virtual fs:1601\"\n");
  CNetSpecificProperties& hardware = openPage("WHA");
  EXPECT_EQ(enabling(hardware), "host port address");
  hardware.realRadio()->click();
  EXPECT_EQ(enabling(hardware), "interface protocols change");
  hardware.virtualRadio()->click();
  EXPECT_EQ(enabling(hardware), "host port address");

  CNetSpecificProperties& velna = openPage("VNA");
  EXPECT_EQ(enabling(velna), "vector1 host port");
}

TEST_F(NetworkPageTest, AVelnaCannotBeSwitchedToTheRealNetwork) {
  read("load VELNA VNA\nset VNA interface=\"virtual fs:1601\"\n");
  CNetSpecificProperties& velna = openPage("VNA");
  velna.realRadio()->click();
  EXPECT_TRUE(velna.virtualRadio()->isChecked());
  EXPECT_FALSE(velna.realRadio()->isChecked());
  EXPECT_EQ(enabling(velna), "vector1 host port");
  ASSERT_TRUE(confirm("VNA", [](CBusDeviceProperties&, CNetSpecificProperties& page) {
    page.realRadio()->click();
    page.hostEdit()->setText("fs2");
  }));
  EXPECT_EQ(device<VelmorNetworkDevice>("VNA").hostInterface, "virtual fs2:1601");
}

TEST_F(NetworkPageTest, VelnaVector1ListsItsChoicesAndKeepsAnOddValue) {
  read("load VELNA VNA\nset VNA vector1=350\n");
  CNetSpecificProperties& velna = openPage("VNA");
  EXPECT_EQ(itemsOf(velna.vector1Box()), (QStringList{"344", "350"}));
  EXPECT_EQ(velna.vector1Box()->currentText(), "350");

  ASSERT_TRUE(confirm("VNA", [](CBusDeviceProperties&, CNetSpecificProperties& page) {
    page.vector1Box()->setCurrentIndex(page.vector1Box()->findText("344"));
  }));
  EXPECT_EQ(device<VelmorNetworkDevice>("VNA").vector1, 0344);
  EXPECT_EQ(written("VNA").find("vector1"), std::string::npos) << written("VNA");

  read("load DEQNA WHA\n");
  EXPECT_EQ(openPage("WHA").vector1Box()->count(), 0) << "a hardware adapter has no second vector";
}

// What the virtual mode writes, from host, port and the six address parts.
TEST_F(NetworkPageTest, VirtualModeWritesInterfaceAndAddress) {
  struct Case {
    const char* host;
    const char* port;
    QStringList address;
    const char* statements;
  } cases[] = {
      {"relay.lab", "1600", {"aa", "00", "04", "00", "12", "34"},
       "set WHA interface=\"virtual relay.lab:1600\"\nset WHA address=\"aa:00:04:00:12:34\"\n"},
      // No host: the form the page reads back as virtual.
      {"", " 1601 ", {"AA", "0", "4", "", "1", "2"},
       "set WHA interface=\"virtual:1601\"\nset WHA address=\"AA:0:4::1:2\"\n"},
      // Six empty parts are no address.
      {"fs", "7", {}, "set WHA interface=\"virtual fs:7\"\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.statements);
    read("load DEQNA WHA\nset WHA interface=\"eth0\" protocols=\"IP\"\n");
    ASSERT_TRUE(confirm("WHA", [&](CBusDeviceProperties&, CNetSpecificProperties& page) {
      page.virtualRadio()->click();
      page.hostEdit()->setText(c.host);
      page.portEdit()->setText(c.port);
      setAddress(page, c.address);
    }));
    EXPECT_EQ(written("WHA"), std::string("load DEQNA WHA\n") + c.statements);
    EXPECT_EQ(device<VelmorNetworkDevice>("WHA").protocols, "IP") << "the other mode's text stays on the adapter";
    CNetSpecificProperties& again = openPage("WHA");
    EXPECT_TRUE(again.virtualRadio()->isChecked());
    EXPECT_EQ(again.hostEdit()->text(), c.host);
    EXPECT_EQ(again.portEdit()->text(), QString(c.port).trimmed());
  }
}

TEST_F(NetworkPageTest, RealModeWritesInterfaceAndChosenProtocols) {
  read("load DELUA XEA\nset XEA interface=\"virtual relay:1600\" address=\"aa:00:04:00:12:34\"\n");
  dialogs.answer = [](QDialog& dialog) {
    auto& usage = dynamic_cast<CProtocolsUsageDialog&>(dialog);
    for (const char* name : {"LAT", "IP"}) {
      usage.availableList()->setCurrentItem(usage.availableList()->findItems(name, Qt::MatchExactly).front());
      usage.addSelected();
    }
    return int(QDialog::Accepted);
  };
  ASSERT_TRUE(confirm("XEA", [](CBusDeviceProperties&, CNetSpecificProperties& page) {
    page.realRadio()->click();
    page.interfaceEdit()->setText("\\Device\\Packet_{4A2E} card two");
    page.changeButton()->click();
    EXPECT_EQ(page.protocolsEdit()->text(), "IP LAT");
  }));
  EXPECT_EQ(written("XEA"),
            "load DELUA XEA\n"
            "set XEA interface=\"\\Device\\Packet_{4A2E} card two\"\n"
            "set XEA protocols=\"IP LAT\"\n");
  EXPECT_EQ(dialogs.captions, std::vector<std::string>{"Protocols Usage"});
}

TEST_F(NetworkPageTest, AddressPartsAreReadFromTheAdapter) {
  struct Case {
    const char* address;
    const char* shown;
  } cases[] = {
      {"aa:00:04:00:12:34", "aa:00:04:00:12:34"},
      {"AA-00-04-00-12-34", "AA:00:04:00:12:34"},
      {"aa:00:04", ":::::"},      // not six parts: nothing the edits could show
      {"aaa:0:4:0:1:2", ":::::"},  // a part too long for its edit
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.address);
    read(std::string("load DEQNA WHA\nset WHA interface=\"virtual h:1\" address=\"") + c.address + "\"\n");
    EXPECT_EQ(addressShown(openPage("WHA")), c.shown);
  }
}

// Typing past a full part goes on in the next one.
TEST_F(NetworkPageTest, TypingPastAFullAddressPartMovesToTheNext) {
  read("load DEQNA WHA\nset WHA interface=\"virtual h:1\"\n");
  CNetSpecificProperties& shown = openPage("WHA");
  shown.show();
  QApplication::setActiveWindow(&shown);
  shown.addressEdit(0)->setFocus();
  for (const char key : std::string("aa0004001234ff")) {
    QWidget* focused = QApplication::focusWidget();
    ASSERT_NE(focused, nullptr);
    QTest::keyClick(focused, key);
  }
  EXPECT_EQ(addressShown(shown), "aa:00:04:00:12:34");
  EXPECT_EQ(QApplication::focusWidget(), shown.addressEdit(5)) << "the last part keeps the focus";
  for (int i = 0; i < CNetSpecificProperties::kAddressParts; ++i) EXPECT_EQ(shown.addressEdit(i)->maxLength(), 2);
}

TEST_F(NetworkPageTest, RefusesWhatTheAdapterCannotWriteBack) {
  struct Case {
    const char* what;
    std::function<void(CNetSpecificProperties&)> edit;
    std::string message;
  } cases[] = {
      {"port", [](CNetSpecificProperties& p) { p.portEdit()->setText("16o0"); }, "stop: Please enter an integer."},
      {"empty port", [](CNetSpecificProperties& p) { p.portEdit()->clear(); }, "stop: Please enter an integer."},
      {"host blank", [](CNetSpecificProperties& p) { p.hostEdit()->setText("relay lab"); },
       "stop: The host name cannot contain a blank."},
      {"host quote", [](CNetSpecificProperties& p) { p.hostEdit()->setText("re\"lay"); },
       "stop: The host name cannot contain a double quote."},
      {"address quote", [](CNetSpecificProperties& p) { p.addressEdit(3)->setText("\""); },
       "stop: The address cannot contain a double quote."},
      {"address character", [](CNetSpecificProperties& p) { p.addressEdit(0)->setText(QString::fromUtf8("\u0416")); },
       "stop: The address holds \"\u0416\", which a configuration file cannot store."},
      {"interface quote",
       [](CNetSpecificProperties& p) {
         p.realRadio()->click();
         p.interfaceEdit()->setText("eth\"0");
       },
       "stop: The interface cannot contain a double quote."},
      {"interface line break",
       [](CNetSpecificProperties& p) {
         p.realRadio()->click();
         p.interfaceEdit()->setText("eth0\n");
       },
       "stop: The interface cannot contain a line break."},
      {"real interface named virtual",
       [](CNetSpecificProperties& p) {
         p.realRadio()->click();
         p.interfaceEdit()->setText("Virtual:1600");
       },
       "stop: A real network interface cannot begin with the word virtual."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    read("load DEQNA WHA\nset WHA interface=\"virtual relay:1600\"\n");
    messages.shown.clear();
    const std::string before = written("WHA");
    EXPECT_FALSE(confirm("WHA", [&](CBusDeviceProperties&, CNetSpecificProperties& page) { c.edit(page); }));
    EXPECT_EQ(messages.shown, std::vector<std::string>{c.message});
    EXPECT_EQ(written("WHA"), before);
  }
}

// A sheet confirmed without a change leaves every statement as it was, odd
// forms and all.
TEST_F(NetworkPageTest, UnchangedSheetKeepsTheWrittenForm) {
  const char* scripts[] = {
      "load DEQNA WHA\nset WHA interface=\"Virtual relay:1600\" protocols=\"0x0360 lat LAT\" address=\"aa:00\"\n",
      "load DEQNA WHA\nset WHA interface=\"virtual   relay:01600  extra\" address=\"AA-00-04-00-12-34\"\n",
      "load DEQNA WHA\nset WHA interface=\"virtual\" address=\"aa:00:04:00:12:34\"\n",
      "load DEQNA WHA\nset WHA interface=\"virtual:1600\" address=\"Aa:0:04:00:12:34\"\n",
      "load DELQA WHA\nset WHA interface=\"eth0:1\" protocols=\"LAT 0x0008 FOO\"\n",
      "load DELUA XEA\nset XEA interface=\" eth0 \" protocols=\"IP\" address=\"aa:bb:cc:dd:ee:ff\"\n",
      "load VELNA VNA\nset VNA vector1=351\nset VNA interface=\"eth0\"\n",
      "load velna VNA\nset VNA interface=\"virtual fs:1601\"\n",
      "#$load DESQA WHA\n#$set WHA interface=\"VIRTUAL h\"\n",
  };
  for (const char* script : scripts) {
    SCOPED_TRACE(script);
    read(script);
    VelmorBusDevice& device = *doc.configuration().list(DeviceListId::Networks).front();
    device.disabled = false;  // a disabled device gets no sheet
    const std::string before = writtenForm(device);
    ASSERT_TRUE(confirm(device.name));
    EXPECT_EQ(writtenForm(device), before);
  }
}

TEST_F(NetworkPageTest, EditingTheAddressOfAnOddlyCasedVirtualInterfaceMakesItWritten) {
  // "Virtual" counts as virtual for the page but not for the adapter, which
  // would keep a new address unwritten.
  read("load DEQNA WHA\nset WHA interface=\"Virtual relay:1600\"\n");
  ASSERT_TRUE(confirm("WHA", [](CBusDeviceProperties&, CNetSpecificProperties& page) {
    setAddress(page, {"aa", "00", "04", "00", "12", "34"});
  }));
  EXPECT_EQ(written("WHA"),
            "load DEQNA WHA\nset WHA interface=\"virtual relay:1600\"\nset WHA address=\"aa:00:04:00:12:34\"\n");
}

TEST_F(NetworkPageTest, AnotherTypeShowsItsDefaultsAndUnseenPagesWriteNothing) {
  read("load DEQNA WHA\nset WHA interface=\"eth0\" protocols=\"IP\"\n");
  CNetSpecificProperties& shown = openPage("WHA");
  QComboBox* types = general->typeBox();
  types->setCurrentIndex(types->findText("VELNA"));
  shown.shown();
  EXPECT_TRUE(shown.virtualRadio()->isChecked());
  EXPECT_EQ(shown.vector1Box()->currentText(), "344");
  EXPECT_EQ(enabling(shown), "vector1 host port");

  // Back on the General page the type changes again and the sheet is
  // confirmed without this page in view: it hands nothing back.
  types->setCurrentIndex(types->findText("DELUA"));
  ASSERT_TRUE(shown.validate());
  shown.writeBack();
  EXPECT_TRUE(values.specificWriters.empty());

  ASSERT_TRUE(confirm("WHA", [](CBusDeviceProperties& generalPage, CNetSpecificProperties& page) {
    page.realRadio()->click();
    page.interfaceEdit()->setText("eth9");
    generalPage.typeBox()->setCurrentIndex(generalPage.typeBox()->findText("DELUA"));
  }));
  EXPECT_EQ(first<VelmorNetworkDevice>(DeviceListId::Networks).hostInterface, "eth0");
}
