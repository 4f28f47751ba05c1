#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "devices/bridge_device.h"
#include "devices/va1000_device.h"
#include "kind_page_fixture.h"
#include "ui/sheets/bridge_specific_properties.h"
#include "ui/sheets/qt_printing.h"
#include "ui/sheets/va1000_specific_properties.h"

namespace {

using BridgePageTest = KindPageTest<CBridgeSpecificProperties>;
using Va1000PageTest = KindPageTest<CVa1000SpecificProperties>;

}  // namespace

TEST_F(BridgePageTest, ListsAddressesInOctalAndSizesInDecimal) {
  read("load QBUS-BRIDGE QBA\n");
  look("QBA", [](CBusDeviceProperties&, CBridgeSpecificProperties& page) {
    const QStringList addresses = itemsOf(page.addressBox());
    EXPECT_EQ(addresses.size(), 21);
    EXPECT_TRUE(addresses.contains("17777560"));
    EXPECT_EQ(page.addressBox()->currentText(), "17776700");
    EXPECT_EQ(itemsOf(page.sizeBox()),
              (QStringList{"10", "12", "16", "18", "2", "24", "32", "4", "44", "6", "8", "8192"}));
    EXPECT_EQ(page.sizeBox()->currentText(), "2");
    EXPECT_FALSE(page.traceCheck()->isChecked());
  });
}

TEST_F(BridgePageTest, ValuesOutsideTheChoicesAreAddedAndSelected) {
  read("load UNIBUS-BRIDGE UBA\nset UBA address=1234 size=11 trace=yes\n");
  look("UBA", [](CBusDeviceProperties&, CBridgeSpecificProperties& page) {
    EXPECT_EQ(itemsOf(page.addressBox()).size(), 22);
    EXPECT_EQ(page.addressBox()->currentText(), "1234");
    EXPECT_EQ(page.sizeBox()->currentText(), "9");  // octal 11
    EXPECT_TRUE(page.sizeBox()->findText("9") >= 0);
    EXPECT_TRUE(page.traceCheck()->isChecked());
  });
}

TEST_F(BridgePageTest, TheWriterSetsAddressSizeAndTrace) {
  read("load QBUS-BRIDGE QBA\n");
  ASSERT_TRUE(confirm("QBA", [](CBusDeviceProperties&, CBridgeSpecificProperties& page) {
    page.addressBox()->setEditText("17760404");  // typed, not listed
    page.sizeBox()->setEditText("8192");
    page.traceCheck()->setChecked(true);
  }));
  const auto& bridge = device<VelmorBridgeDevice>("QBA");
  EXPECT_EQ(bridge.address, 017760404);
  EXPECT_EQ(bridge.size, 8192);
  EXPECT_TRUE(bridge.trace);
  EXPECT_NE(writtenForm(bridge).find("set QBA size=20000\n"), std::string::npos);
}

TEST_F(BridgePageTest, ASizeThatIsNoIntegerIsRefused) {
  read("load QBUS-BRIDGE QBA\n");
  for (const char* typed : {"", "abc", "12.", "1e3", "99999999999"}) {
    SCOPED_TRACE(typed);
    messages.shown.clear();
    EXPECT_FALSE(confirm("QBA", [&](CBusDeviceProperties&, CBridgeSpecificProperties& page) {
      page.sizeBox()->setEditText(typed);
    }));
    EXPECT_EQ(messages.shown, std::vector<std::string>{"stop: Please enter an integer."});
  }
  EXPECT_EQ(device<VelmorBridgeDevice>("QBA").size, 2);
}

TEST_F(BridgePageTest, AnotherTypeShowsItsDefaultsOrKeepsThemWhenUnseen) {
  read("load QBUS-BRIDGE QBA\nset QBA address=1234 size=10\n");
  ASSERT_TRUE(confirm("QBA", [](CBusDeviceProperties& general, CBridgeSpecificProperties& page) {
    page.sizeBox()->setEditText("100");
    choose(general.typeBox(), "UNIBUS-BRIDGE");
  }));
  const auto& unseen = first<VelmorBridgeDevice>(DeviceListId::Bridges);
  EXPECT_EQ(unseen.type, "UNIBUS-BRIDGE");
  EXPECT_EQ(unseen.address, 017776700);
  EXPECT_EQ(unseen.size, 2);

  read("load QBUS-BRIDGE QBA\nset QBA address=1234 size=10\n");
  ASSERT_TRUE(confirm("QBA", [](CBusDeviceProperties& general, CBridgeSpecificProperties& page) {
    choose(general.typeBox(), "UNIBUS-BRIDGE");
    page.shown();
    EXPECT_EQ(page.addressBox()->currentText(), "17776700");
    EXPECT_EQ(page.sizeBox()->currentText(), "2");
    page.sizeBox()->setEditText("100");
  }));
  EXPECT_EQ(first<VelmorBridgeDevice>(DeviceListId::Bridges).size, 100);
}

TEST_F(BridgePageTest, AnUnchangedSheetKeepsTheWrittenForm) {
  expectUnchangedByOk("QBA", {
                                                     "load QBUS-BRIDGE QBA\n",
                                                     "load QBUS-BRIDGE QBA\nset QBA size=0 address=0 trace=1\n",
                                                     "load QBUS-BRIDGE QBA\nset QBA size=-3 address=7\n",
                                                     "load QBUS-BRIDGE QBA\nset QBA address=17777777777\n",
                                                 });
}

TEST_F(Va1000PageTest, ShowsTheAdaptersValuesWithItsOwnValuesAddedToTheLists) {
  read("load VA1000 EDA\n");
  look("EDA", [](CBusDeviceProperties&, CVa1000SpecificProperties& page) {
    EXPECT_EQ(page.hostEdit()->text(), "DARI210");
    EXPECT_EQ(page.portEdit()->text(), "1600");
    EXPECT_EQ(page.timeoutEdit()->text(), "3000");
    EXPECT_EQ(page.windowEdit()->text(), "8192");
    EXPECT_TRUE(page.staticWindowCheck()->isChecked());
    EXPECT_FALSE(page.newProtocolCheck()->isChecked());
    EXPECT_EQ(itemsOf(page.baseAddressBox()), (QStringList{"17740000", "17750000", "17760000", "17770000"}));
    EXPECT_EQ(page.baseAddressBox()->currentText(), "17740000");
    EXPECT_EQ(itemsOf(page.windowSizeBox()), (QStringList{"10000", "40000"}));
    EXPECT_EQ(itemsOf(page.sr10Box()), (QStringList{"0", "10"}));
  });
  read("load VA1000 EDA\nset EDA base_addr=1234 window_size=20000 sr10=4\n");
  look("EDA", [](CBusDeviceProperties&, CVa1000SpecificProperties& page) {
    EXPECT_EQ(page.baseAddressBox()->currentText(), "1234");
    EXPECT_EQ(itemsOf(page.windowSizeBox()), (QStringList{"10000", "20000", "40000"}));
    EXPECT_EQ(page.windowSizeBox()->currentText(), "20000");
    EXPECT_EQ(page.sr10Box()->currentText(), "4");
  });
}

TEST_F(Va1000PageTest, TheWriterSetsEveryField) {
  read("load VA1000 EDA\n");
  ASSERT_TRUE(confirm("EDA", [](CBusDeviceProperties&, CVa1000SpecificProperties& page) {
    page.hostEdit()->setText("card #2.example");
    page.portEdit()->setText("1700");
    page.newProtocolCheck()->setChecked(true);
    page.timeoutEdit()->setText(" 1000 ");
    choose(page.baseAddressBox(), "17750000");
    choose(page.windowSizeBox(), "40000");
    choose(page.sr10Box(), "10");
    page.staticWindowCheck()->setChecked(false);
    page.windowEdit()->setText("4096");
  }));
  const auto& adapter = device<VelmorVa1000Device>("EDA");
  EXPECT_EQ(adapter.ipAddress, "card #2.example");
  EXPECT_EQ(adapter.ipPort, 1700);
  EXPECT_TRUE(adapter.newProtocol);
  EXPECT_EQ(adapter.timeout, 1000);
  EXPECT_EQ(adapter.baseAddr, 017750000);
  EXPECT_EQ(adapter.windowSize, 040000);
  EXPECT_EQ(adapter.sr10, 010);
  EXPECT_FALSE(adapter.staticWindow);
  EXPECT_EQ(adapter.window, 4096);
  EXPECT_NE(writtenForm(adapter).find("set EDA timeout=1750\n"), std::string::npos);
}

TEST_F(Va1000PageTest, RefusesWhatTheAdapterCannotStore) {
  struct Case {
    const char* what;
    std::function<void(CVa1000SpecificProperties&)> type;
    std::string message;
  };
  const Case cases[] = {
      {"port", [](auto& page) { page.portEdit()->setText("16a"); }, "stop: Please enter an integer."},
      {"timeout", [](auto& page) { page.timeoutEdit()->setText("3000."); }, "stop: Please enter an integer."},
      {"window", [](auto& page) { page.windowEdit()->setText(""); }, "stop: Please enter an integer."},
      {"huge port", [](auto& page) { page.portEdit()->setText("4294967296"); }, "stop: Please enter an integer."},
      {"quote", [](auto& page) { page.hostEdit()->setText("a\"b"); },
       "stop: The host name cannot contain a double quote."},
      {"line feed", [](auto& page) { page.hostEdit()->setText("a\nb"); },
       "stop: The host name cannot contain a line break."},
      {"unstorable", [](auto& page) { page.hostEdit()->setText(QString::fromUtf8("\u0416")); },
       "stop: The host name holds \"\u0416\", which a configuration file cannot store."},
  };
  read("load VA1000 EDA\n");
  const std::string before = writtenForm(device<VelmorVa1000Device>("EDA"));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    messages.shown.clear();
    EXPECT_FALSE(confirm("EDA", [&](CBusDeviceProperties&, CVa1000SpecificProperties& page) { c.type(page); }));
    EXPECT_EQ(messages.shown, std::vector<std::string>{c.message});
  }
  EXPECT_EQ(writtenForm(device<VelmorVa1000Device>("EDA")), before);
}

TEST_F(Va1000PageTest, AnUnchangedSheetKeepsTheWrittenForm) {
  expectUnchangedByOk(
      "EDA", {
                 "load VA1000 EDA\n",
                 "load VA1000 EDA\nset EDA ip_address=\"my card #1\" ip_port=0 base_addr=1234 static_window=0\n",
                 "load VA1000 EDA\nset EDA ip_address=\"\" window=-5 window_size=7 sr10=3 new_protocol=1 "
                 "timeout=17777777777\n",
             });
}
