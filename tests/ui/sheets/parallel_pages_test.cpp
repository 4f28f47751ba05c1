#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "devices/dci1300_device.h"
#include "devices/drxxx_device.h"
#include "kind_page_fixture.h"
#include "ui/sheets/dci1300_specific_properties.h"
#include "ui/sheets/drxxx_specific_properties.h"

namespace {

using DRXXXPageTest = KindPageTest<CDRXXXSpecificProperties>;
using DCI1300PageTest = KindPageTest<CDCI1300SpecificProperties>;

const char* const kOddDRXXX =
    "load DR11K XXA\nset XXA vector1 = 344\nset XXA maintenance_mode=0\nset XXA lines=\" 0-7 : 8-15 \"\n";
const char* const kOddDCI1300 =
    "load DRV11 DCA\nset DCA vector1=344\nset DCA image=\"\\\\.\\dr2\"\nset DCA ndr_strobe=17\n"
    "set DCA dt_strobe=0\nset DCA maintenance=0\nset DCA trace=1\n";

VelmorDRXXXDevice& asDRXXX(VelmorBusDevice& device) { return dynamic_cast<VelmorDRXXXDevice&>(device); }
VelmorDCI1300Device& asDCI1300(VelmorBusDevice& device) { return dynamic_cast<VelmorDCI1300Device&>(device); }

}  // namespace

TEST_F(DRXXXPageTest, ShowsAnUnlistedVectorAddedAndSelected) {
  ASSERT_TRUE(open(kOddDRXXX));
  CDRXXXSpecificProperties& page = openPage("XXA");
  EXPECT_EQ(itemsOf(page.vector1Box()), (QStringList{"304", "314", "324", "334", "344"}));
  EXPECT_EQ(page.vector1Box()->currentText(), "344");
  EXPECT_FALSE(page.maintenanceCheck()->isChecked());
  EXPECT_EQ(page.linesEdit()->text(), " 0-7 : 8-15 ");
}

TEST_F(DRXXXPageTest, OkWithoutAChangeKeepsTheWrittenForm) {
  expectUnchangedByOk("XXA", {kOddDRXXX});
  expectUnchangedByOk("XXA", {"load DRXXX XXA\n"});
  // A model word in another letter case is no change of model.
  expectUnchangedByOk("XXA", {"load DRXXX XXA\nset XXA model=dr11c\nset XXA lines=\"\xe9t\xe9\"\n"});
}

TEST_F(DRXXXPageTest, TheWriterSetsTheFields) {
  ASSERT_TRUE(open("load DR11C XXA\n"));
  ASSERT_TRUE(confirm("XXA", [](CBusDeviceProperties&, CDRXXXSpecificProperties& page) {
    choose(page.vector1Box(), "324");
    page.maintenanceCheck()->setChecked(false);
    page.linesEdit()->setText("1,2,3");
  }));
  const VelmorDRXXXDevice& drxxx = asDRXXX(device("XXA"));
  EXPECT_EQ(drxxx.vector1, 0324);
  EXPECT_FALSE(drxxx.maintenanceMode);
  EXPECT_EQ(drxxx.lines, "1,2,3");
  EXPECT_EQ(writtenForm(drxxx),
            "load DRXXX XXA\nset XXA model=\"DR11C\"\nset XXA vector1 = 324\nset XXA lines=\"1,2,3\"\n"
            "set XXA maintenance_mode=0\n");
}

// The lines are written between double quotes: what cannot stand there is refused.
TEST_F(DRXXXPageTest, RefusesALinesTextAScriptCannotHold) {
  const struct {
    QString typed;
    std::string message;
  } cases[] = {
      {"0-7 \"8\"", "stop: The line mapping cannot contain a double quote."},
      {"0-7\n8-15", "stop: The line mapping cannot contain a line break."},
      {QString::fromUtf8("0-7 \u0416"),
       "stop: The line mapping holds \"\u0416\", which a configuration file cannot store."},
  };
  ASSERT_TRUE(open("load DR11C XXA\n"));
  for (const auto& c : cases) {
    messages.shown.clear();
    CDRXXXSpecificProperties& page = openPage("XXA");
    page.linesEdit()->setText(c.typed);
    EXPECT_FALSE(page.validate());
    EXPECT_EQ(messages.shown, std::vector<std::string>{c.message});
  }
}

// A new model shows its own defaults when the page is looked at again; one
// confirmed unseen leaves the model's defaults, not the old model's values.
TEST_F(DRXXXPageTest, AnotherModelShowsItsDefaults) {
  ASSERT_TRUE(open(kOddDRXXX));
  CDRXXXSpecificProperties& page = openPage("XXA");
  choose(general->modelBox(), "DRV11B");
  page.shown();
  EXPECT_EQ(page.vector1Box()->currentText(), "304");
  EXPECT_EQ(itemsOf(page.vector1Box()), (QStringList{"304", "314", "324", "334"}));
  EXPECT_TRUE(page.maintenanceCheck()->isChecked());
  EXPECT_EQ(page.linesEdit()->text(), "");

  ASSERT_TRUE(confirm("XXA", [](CBusDeviceProperties& general, CDRXXXSpecificProperties&) {
    choose(general.modelBox(), "DRV11B");
  }));
  const VelmorDRXXXDevice& unseen = asDRXXX(device("XXA"));
  EXPECT_EQ(unseen.model, "DRV11B");
  EXPECT_EQ(unseen.vector1, 0304);
  EXPECT_TRUE(unseen.maintenanceMode);
  EXPECT_EQ(unseen.lines, "");

  // Looked at and edited after the change, the page's values are taken.
  ASSERT_TRUE(confirm("XXA", [](CBusDeviceProperties& general, CDRXXXSpecificProperties& page) {
    choose(general.modelBox(), "DR11K");
    page.shown();
    page.linesEdit()->setText("7");
  }));
  EXPECT_EQ(asDRXXX(device("XXA")).model, "DR11K");
  EXPECT_EQ(asDRXXX(device("XXA")).lines, "7");
}

// Back at the card's own model the page shows its own values again, and OK
// keeps them rather than that model's defaults.
TEST_F(DRXXXPageTest, BackAtItsOwnModelShowsItsOwnValues) {
  ASSERT_TRUE(open(kOddDRXXX));
  const std::string before = writtenForm(device("XXA"));
  ASSERT_TRUE(confirm("XXA", [](CBusDeviceProperties& general, CDRXXXSpecificProperties& page) {
    choose(general.modelBox(), "DRV11B");
    page.shown();
    choose(general.modelBox(), "DR11K");
    page.shown();
    EXPECT_EQ(page.vector1Box()->currentText(), "344");
    EXPECT_FALSE(page.maintenanceCheck()->isChecked());
    EXPECT_EQ(page.linesEdit()->text(), " 0-7 : 8-15 ");
  }));
  EXPECT_EQ(writtenForm(device("XXA")), before);
}

TEST_F(DCI1300PageTest, ShowsTheCardsValues) {
  ASSERT_TRUE(open(kOddDCI1300));
  CDCI1300SpecificProperties& page = openPage("DCA");
  EXPECT_EQ(page.vector1Box()->currentText(), "344");
  EXPECT_EQ(page.imageBox()->currentText(), "\\\\.\\dr2");
  EXPECT_EQ(page.ndrStrobeEdit()->text(), "15");  // 17 octal
  EXPECT_EQ(page.dtStrobeEdit()->text(), "0");
  EXPECT_FALSE(page.maintenanceCheck()->isChecked());
  EXPECT_TRUE(page.traceCheck()->isChecked());
}

// The host's cards are offered for an emulator on Windows NT only; the
// card's own image always is.
TEST_F(DCI1300PageTest, OffersTheHostsCardsOnWindowsNTOnly) {
  const struct {
    const char* target;
    QStringList offered;
  } cases[] = {
      {"Windows NT 4.0", {"\\\\.\\DR0", "\\\\.\\DR1", "\\\\.\\DR2"}},
      {"Open VMS", {"\\\\.\\DR0"}},
      {"Digital UNIX", {"\\\\.\\DR0"}},
  };
  dialogs.hostDevices = {"\\\\.\\DR0", "\\\\.\\DR1", "\\\\.\\DR2", "\\\\.\\DR4"};
  ASSERT_TRUE(open("load DRV11 DCA\n"));
  for (const auto& c : cases) {
    SCOPED_TRACE(c.target);
    doc.configuration().targetOs = c.target;
    CDCI1300SpecificProperties& page = openPage("DCA");
    EXPECT_EQ(itemsOf(page.imageBox()), c.offered);
    EXPECT_EQ(page.imageBox()->currentText(), "\\\\.\\DR0");
  }
}

TEST_F(DCI1300PageTest, OkWithoutAChangeKeepsTheWrittenForm) {
  // The image differs from a listed card only in letter case.
  dialogs.hostDevices = {"\\\\.\\DR1", "\\\\.\\DR2"};
  expectUnchangedByOk("DCA", {kOddDCI1300});
  expectUnchangedByOk("DCA", {"load DR11-C DCA\nset DCA image=\"/dev/dr 1\"\nset DCA dt_strobe=-5\n"});
  expectUnchangedByOk("DCA", {"load DR11-C DCA\n"});
}

TEST_F(DCI1300PageTest, TheWriterSetsTheFields) {
  dialogs.hostDevices = {"\\\\.\\DR1"};
  ASSERT_TRUE(open("load DRV11 DCA\n"));
  ASSERT_TRUE(confirm("DCA", [](CBusDeviceProperties&, CDCI1300SpecificProperties& page) {
    choose(page.vector1Box(), "314");
    choose(page.imageBox(), "\\\\.\\DR1");
    page.ndrStrobeEdit()->setText("100");
    page.dtStrobeEdit()->setText(" 8 ");
    page.maintenanceCheck()->setChecked(false);
    page.traceCheck()->setChecked(true);
  }));
  const VelmorDCI1300Device& card = asDCI1300(device("DCA"));
  EXPECT_EQ(card.vector1, 0314);
  EXPECT_EQ(card.image, "\\\\.\\DR1");
  EXPECT_EQ(card.ndrStrobe, 100);
  EXPECT_EQ(card.dtStrobe, 8);
  EXPECT_FALSE(card.maintenance);
  EXPECT_TRUE(card.trace);

  // A typed path is taken as typed.
  ASSERT_TRUE(confirm("DCA", [](CBusDeviceProperties&, CDCI1300SpecificProperties& page) {
    page.imageBox()->setEditText("/dev/dci0");
  }));
  EXPECT_EQ(asDCI1300(device("DCA")).image, "/dev/dci0");
}

TEST_F(DCI1300PageTest, RefusesWhatItCannotWriteBack) {
  const struct {
    void (*type)(CDCI1300SpecificProperties&);
    std::string message;
  } cases[] = {
      {[](CDCI1300SpecificProperties& page) { page.ndrStrobeEdit()->setText("12a"); },
       "stop: Please enter an integer."},
      {[](CDCI1300SpecificProperties& page) { page.dtStrobeEdit()->setText(""); }, "stop: Please enter an integer."},
      {[](CDCI1300SpecificProperties& page) { page.dtStrobeEdit()->setText("99999999999"); },
       "stop: Please enter an integer."},
      {[](CDCI1300SpecificProperties& page) { page.imageBox()->setEditText("\\\\.\\DR\"1"); },
       "stop: The device image cannot contain a double quote."},
  };
  ASSERT_TRUE(open("load DRV11 DCA\n"));
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    messages.shown.clear();
    EXPECT_FALSE(confirm("DCA", [&](CBusDeviceProperties&, CDCI1300SpecificProperties& page) { c.type(page); }));
    EXPECT_EQ(messages.shown, std::vector<std::string>{c.message});
    EXPECT_EQ(writtenForm(device("DCA")), "load DRV11 DCA\n");
  }
}

TEST_F(DCI1300PageTest, AnotherTypeShowsItsDefaults) {
  ASSERT_TRUE(open(kOddDCI1300));
  CDCI1300SpecificProperties& page = openPage("DCA");
  choose(general->typeBox(), "DR11-C");
  page.shown();
  EXPECT_EQ(page.vector1Box()->currentText(), "304");
  EXPECT_EQ(page.imageBox()->currentText(), "\\\\.\\DR0");
  EXPECT_EQ(page.ndrStrobeEdit()->text(), "420");
  EXPECT_EQ(page.dtStrobeEdit()->text(), "420");
  EXPECT_TRUE(page.maintenanceCheck()->isChecked());
  EXPECT_FALSE(page.traceCheck()->isChecked());

  ASSERT_TRUE(confirm("DCA", [](CBusDeviceProperties& general, CDCI1300SpecificProperties&) {
    choose(general.typeBox(), "DR11-C");
  }));
  // A new type takes a new name; the card's own values are the type's defaults.
  const VelmorDCI1300Device& card = asDCI1300(device("DCB"));
  EXPECT_EQ(card.type, "DR11-C");
  EXPECT_EQ(card.vector1, 0304);
  EXPECT_EQ(card.image, "\\\\.\\DR0");
  EXPECT_EQ(card.ndrStrobe, 420);
  EXPECT_EQ(card.dtStrobe, 420);
  EXPECT_TRUE(card.maintenance);
  EXPECT_FALSE(card.trace);
}
