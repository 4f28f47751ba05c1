#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <memory>

#include "combo_box_items.h"
#include "config/document.h"
#include "devices/model_tables.h"
#include "support/recording_messages.h"
#include "ui/sheets/qt_printing.h"
#include "ui/sheets/bus_device_properties.h"
#include "ui/sheets/sheet_picture.h"

namespace {

// A General page for a device of the document's configuration, on a copy.
struct GeneralPageTest : ::testing::Test {
  void SetUp() override { doc.OnNewDocument(); }

  CBusDeviceProperties& open(const std::string& name) {
    VelmorBusDevice* device = doc.configuration().FindBusDevice(name);
    copy.reset(static_cast<VelmorBusDevice*>(device->clone().release()));
    page = std::make_unique<CBusDeviceProperties>(sheetPicture(sheetGroupOf(*copy)), *copy, doc.configuration(),
                                                  messages, out);
    return *page;
  }
  void typeName(CBusDeviceProperties& general, const QString& name) {
    general.nameEdit()->setText(name);
    emit general.nameEdit()->editingFinished();
  }

  RecordingMessages messages;
  CVelmorCfgEditorDoc doc{messages};
  std::unique_ptr<VelmorBusDevice> copy;
  GeneralPageValues out;
  std::unique_ptr<CBusDeviceProperties> page;
};

}  // namespace

TEST_F(GeneralPageTest, RefusesANameACharacterAScriptCannotStore) {
  const std::string name = doc.AddDevice(AddKind::Serial, "DL11");
  CBusDeviceProperties& general = open(name);
  typeName(general, QString::fromUtf8("YL\u0416"));
  EXPECT_FALSE(general.validate());
  EXPECT_EQ(messages.shown, std::vector<std::string>{
                                "stop: The name holds \"\u0416\", which a configuration file cannot store."});
}

// The longest name comes back whole; one byte more is refused with its reason.
TEST_F(GeneralPageTest, ANameAsLongAsMayBeComesBackWhole) {
  const std::string longName(kMaxDeviceNameLength, 'Q');
  doc.configuration().FindBusDevice(doc.AddDevice(AddKind::Serial, "DL11"))->name = longName;
  CBusDeviceProperties& general = open(longName);
  ASSERT_TRUE(general.validate());
  general.writeBack();
  EXPECT_EQ(out.name, longName);

  typeName(general, QString::fromStdString(longName + "Q"));
  EXPECT_FALSE(general.validate());
  EXPECT_EQ(messages.shown, std::vector<std::string>{
                                "stop: Device name must not be longer than 255 characters. Specify valid name."});
}

TEST_F(GeneralPageTest, ShowsTheDevicesValues) {
  const std::string name = doc.AddDevice(AddKind::Serial, "DL11");
  CBusDeviceProperties& general = open(name);
  EXPECT_EQ(general.typeBox()->currentText(), "DL11");
  EXPECT_EQ(general.modelBox()->currentText(), "");
  EXPECT_EQ(general.nameEdit()->text(), QString::fromStdString(name));
  EXPECT_EQ(general.busText()->text(), "UNIBUS");
  EXPECT_EQ(general.registerBox()->currentText(), "177560");
  EXPECT_EQ(general.unitsText()->text(), "1");
  // Lists keep text order, whatever the table's order.
  QStringList models = itemsOf(general.modelBox());
  QStringList sorted = models;
  sorted.sort(Qt::CaseInsensitive);
  EXPECT_EQ(models, sorted);
}

// The count a script set stays what the page shows and hands back.
TEST_F(GeneralPageTest, ShowsTheDevicesOwnUnitCount) {
  const std::string name = doc.AddDevice(AddKind::Disk, "MSCP");
  doc.configuration().FindBusDevice(name)->units = 3;
  CBusDeviceProperties& general = open(name);
  EXPECT_EQ(general.unitsText()->text(), "3");
  general.writeBack();
  EXPECT_EQ(out.unitsText, "3");
}

// A type written in another letter case selects the listed entry, no twin.
TEST_F(GeneralPageTest, ATypeInLowerCaseSelectsTheListedEntry) {
  const std::string name = doc.AddDevice(AddKind::Tape, "TMSCP");
  doc.configuration().FindBusDevice(name)->type = "tmscp";
  CBusDeviceProperties& general = open(name);
  EXPECT_EQ(general.typeBox()->currentText(), "TMSCP");
  EXPECT_EQ(itemsOf(general.typeBox()).filter("tmscp", Qt::CaseInsensitive).size(), 1);
}

TEST_F(GeneralPageTest, CaptionsAndBusTexts) {
  CBusDeviceProperties& general = open(doc.AddDevice(AddKind::Disk, "MSCP"));
  QStringList captions;
  for (const QLabel* label : general.findChildren<QLabel*>()) captions << label->text();
  EXPECT_TRUE(captions.contains("Interrupt Priority"));
  EXPECT_EQ(busTypeText(BusUnibus), "UNIBUS");
  EXPECT_EQ(busTypeText(BusBoth), "UNIBUS/QBUS");
}

// Enter in the register box takes the typed value; the choice list stays.
TEST_F(GeneralPageTest, EnterInTheRegisterBoxAddsNoChoice) {
  CBusDeviceProperties& general = open(doc.AddDevice(AddKind::Disk, "MSCP"));
  general.show();
  const int choices = general.registerBox()->count();
  general.registerBox()->lineEdit()->selectAll();
  QTest::keyClicks(general.registerBox()->lineEdit(), "17760000");
  QTest::keyClick(general.registerBox()->lineEdit(), Qt::Key_Return);
  EXPECT_EQ(general.registerBox()->count(), choices);
}

// A typed value that begins a listed one is taken as typed, not completed.
TEST_F(GeneralPageTest, TypedStartOfAListedValueIsKept) {
  struct Case {
    QComboBox* (CBusDeviceProperties::*box)() const;
    const char* typed;
  } cases[] = {
      {&CBusDeviceProperties::vectorBox, "15"},        // 154 is listed
      {&CBusDeviceProperties::registerBox, "1777216"},  // 17772160 is listed
  };
  for (const Case& c : cases) {
    CBusDeviceProperties& general = open(doc.AddDevice(AddKind::Disk, "MSCP"));
    general.show();
    QComboBox* box = (general.*c.box)();
    QApplication::setActiveWindow(&general);
    box->setFocus();
    box->lineEdit()->selectAll();
    QTest::keyClicks(box->lineEdit(), c.typed);
    EXPECT_EQ(box->currentText(), c.typed);
    general.writeBack();
    EXPECT_EQ(box == general.vectorBox() ? out.vectorText : out.registerText, c.typed);
  }
}

TEST_F(GeneralPageTest, LinePrinterTypesOnlyForLinePrinters) {
  const std::string printer = doc.AddDevice(AddKind::Serial, "LP11");
  const std::string line = doc.AddDevice(AddKind::Serial, "DL11");
  EXPECT_EQ(itemsOf(open(printer).typeBox()), QStringList{"LP11"});
  const QStringList serialTypes = itemsOf(open(line).typeBox());
  EXPECT_FALSE(serialTypes.contains("LP11", Qt::CaseInsensitive));
  EXPECT_TRUE(serialTypes.contains("DHV11"));
}

// RX211 loads as RXV21: a disk given that type would come back as another device.
TEST_F(GeneralPageTest, TypesThatLoadAsAnotherTypeAreNotOffered) {
  const QStringList types = itemsOf(open(doc.AddDevice(AddKind::Disk, "MSCP")).typeBox());
  EXPECT_FALSE(types.contains("RX211"));
  EXPECT_TRUE(types.contains("RXV21"));
}

TEST_F(GeneralPageTest, ValueOutsideTheChoicesIsAddedAndSelected) {
  const std::string name = doc.AddDevice(AddKind::Disk, "RL11");
  doc.configuration().FindBusDevice(name)->registerAddress = 017774450;
  doc.configuration().FindBusDevice(name)->priority = 7;
  CBusDeviceProperties& general = open(name);
  EXPECT_EQ(general.registerBox()->currentText(), "17774450");
  EXPECT_TRUE(itemsOf(general.registerBox()).contains("17774400"));
  EXPECT_EQ(general.priorityBox()->currentText(), "7");
  const QStringList registers = itemsOf(general.registerBox());
  QStringList sorted = registers;
  sorted.sort();
  EXPECT_EQ(registers, sorted) << "the added entry takes its place in text order";
}

TEST_F(GeneralPageTest, ModelChangeKeepsATypedNameOfTheSamePrefix) {
  const std::string name = doc.AddDevice(AddKind::Serial, "DZ11");
  CBusDeviceProperties& general = open(name);
  typeName(general, "YZMINE");
  choose(general.modelBox(), "DZV11");
  EXPECT_EQ(general.nameEdit()->text(), "YZMINE");
  EXPECT_EQ(general.busText()->text(), "QBUS");
  general.writeBack();
  EXPECT_EQ(out.model, "DZV11");
  EXPECT_EQ(out.name, "YZMINE");
}

TEST_F(GeneralPageTest, ModelChangeToAnotherPrefixGivesADefaultName) {
  const std::string name = doc.AddDevice(AddKind::Disk, "RH11");  // DRA
  CBusDeviceProperties& general = open(name);
  typeName(general, "DRMINE");
  choose(general.modelBox(), "RS03");  // prefix DS
  EXPECT_EQ(general.nameEdit()->text(), "DSA");
}

TEST_F(GeneralPageTest, TypeChangeAlwaysReplacesTheName) {
  const std::string name = doc.AddDevice(AddKind::Serial, "DL11");
  CBusDeviceProperties& general = open(name);
  typeName(general, "YLMINE");
  choose(general.typeBox(), "DZ11");
  EXPECT_EQ(general.nameEdit()->text(), "YZA");
  // The first model in text order (the type's own row has none), and the
  // lists start at their first entries in text order.
  EXPECT_EQ(general.modelBox()->currentText(), "");
  EXPECT_EQ(general.registerBox()->currentIndex(), 0);
  EXPECT_EQ(general.unitsText()->text(), "8");
  general.writeBack();
  EXPECT_EQ(out.type, "DZ11");
  EXPECT_EQ(out.unitsText, "8");
}

TEST_F(GeneralPageTest, TypeRoundTripTurnsDuaIntoDub) {
  const std::string name = doc.AddDevice(AddKind::Disk, "MSCP");
  ASSERT_EQ(name, "DUA");
  CBusDeviceProperties& general = open(name);
  choose(general.typeBox(), "RL11");
  EXPECT_EQ(general.nameEdit()->text(), "DLA");
  choose(general.typeBox(), "MSCP");
  // The device's own stored name stays taken while its sheet is open.
  EXPECT_EQ(general.nameEdit()->text(), "DUB");
}

TEST_F(GeneralPageTest, RegisterAfterAModelChangeIsTheFirstInTextOrder) {
  const std::string name = doc.AddDevice(AddKind::Disk, "RH11");
  CBusDeviceProperties& general = open(name);
  choose(general.modelBox(), "RP05");
  const QStringList registers = itemsOf(general.registerBox());
  ASSERT_FALSE(registers.isEmpty());
  QStringList sorted = registers;
  sorted.sort();
  EXPECT_EQ(general.registerBox()->currentText(), sorted.first());
}

TEST_F(GeneralPageTest, NameRefusalsAndTheOwnNameInOtherCase) {
  const std::string dua = doc.AddDevice(AddKind::Disk, "MSCP");
  const std::string yla = doc.AddDevice(AddKind::Serial, "DL11");
  CBusDeviceProperties& general = open(dua);
  struct Case {
    QString name;
    std::string message;  // empty: accepted
  };
  const Case cases[] = {
      {"dua", ""},
      {"NEWNAME", ""},
      {QString::fromStdString(yla).toLower(), "stop: Device with such name already exists. Specify another name."},
      {"", "stop: Empty device name is not allowed.Specify valid name."},
      {"DU A", "stop: Device name must not contain blanks. Specify valid name."},
  };
  for (const Case& c : cases) {
    messages.shown.clear();
    general.nameEdit()->setText(c.name);
    EXPECT_EQ(general.validate(), c.message.empty()) << c.name.toStdString();
    EXPECT_EQ(messages.shown, c.message.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.message});
  }
}

TEST_F(GeneralPageTest, FixedVectorAndPriorityPerKind) {
  struct Case {
    AddKind kind;
    const char* type;
    bool vector;
    bool priority;
  };
  const Case cases[] = {
      {AddKind::Bridge, "QBUS-BRIDGE", false, true},   {AddKind::TimerOrClock, "TOY", false, false},
      {AddKind::Va1000, "VA1000", false, false},       {AddKind::ROM, "ROM", false, false},
      {AddKind::TimerOrClock, "KW11-L", true, false},  {AddKind::Disk, "MSCP", true, true},
      {AddKind::Network, "DEQNA", true, true},
  };
  for (const Case& c : cases) {
    const std::string name = doc.AddDevice(c.kind, c.type);
    ASSERT_FALSE(name.empty()) << c.type;
    CBusDeviceProperties& general = open(name);
    EXPECT_EQ(general.vectorBox()->isEnabled(), c.vector) << c.type;
    EXPECT_EQ(general.priorityBox()->isEnabled(), c.priority) << c.type;
  }
}

TEST_F(GeneralPageTest, UnchangedPageHandsBackTheDevicesTexts) {
  const std::string name = doc.AddDevice(AddKind::Tape, "TMSCP");
  VelmorBusDevice& device = *doc.configuration().FindBusDevice(name);
  device.type = "tmscp";  // as a script may spell it
  open(name).writeBack();
  EXPECT_EQ(out.type, "tmscp");
  EXPECT_EQ(out.name, name);
  EXPECT_EQ(out.unitsText, std::to_string(device.units));
}
