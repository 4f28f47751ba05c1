#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "devices/network_device.h"
#include "kind_page_fixture.h"
#include "ui/sheets/net_specific_properties.h"
#include "ui/sheets/protocols_usage_dialog.h"

namespace {

QStringList textsOf(const QListWidget* list) {
  QStringList texts;
  for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
  return texts;
}

void select(QListWidget* list, const QString& text) {
  const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
  ASSERT_EQ(found.size(), 1) << text.toStdString();
  list->setCurrentItem(found.front());
}

const QStringList kAllProtocols = {"IP",         "ARP",      "LoopBack",      "Dump",       "RemoteConsole",
                                   "DECnet",     "LAT",      "Diagnostic",    "Reserved",   "DigitalBridge",
                                   "NameServer", "TimeServer", "BIOS",        "LAST"};

}  // namespace

TEST(ProtocolsUsageDialog, ShowsEveryProtocolAndTheUsedOnes) {
  CProtocolsUsageDialog dialog(ProtocolSet::fromText("LAT 0x0008"));
  EXPECT_EQ(dialog.windowTitle(), "Protocols Usage");
  EXPECT_EQ(textsOf(dialog.availableList()), kAllProtocols);
  EXPECT_EQ(textsOf(dialog.usedList()), (QStringList{"IP", "LAT"}));
  EXPECT_EQ(dialog.addButton()->text(), "Add Protocol");
  EXPECT_EQ(dialog.deleteButton()->text(), "Delete Protocol ");
  EXPECT_EQ(dialog.okButton()->text(), "OK");
  EXPECT_EQ(dialog.cancelButton()->text(), "Cancel");
}

TEST(ProtocolsUsageDialog, AddPutsANewProtocolOnTopAndAUsedOneNotAgain) {
  CProtocolsUsageDialog dialog(ProtocolSet::fromText("IP"));
  select(dialog.availableList(), "DECnet");
  dialog.addButton()->click();
  EXPECT_EQ(textsOf(dialog.usedList()), (QStringList{"DECnet", "IP"}));

  for (const char* again : {"IP", "DECnet"}) {
    select(dialog.availableList(), again);
    dialog.addButton()->click();
    EXPECT_EQ(textsOf(dialog.usedList()), (QStringList{"DECnet", "IP"})) << again;
  }

  select(dialog.availableList(), "LAST");
  emit dialog.availableList()->itemDoubleClicked(dialog.availableList()->currentItem());
  EXPECT_EQ(textsOf(dialog.usedList()), (QStringList{"LAST", "DECnet", "IP"}));
  // The set's text keeps table order, whatever order they were added in.
  EXPECT_EQ(dialog.set().text(), "IP DECnet LAST");
}

TEST(ProtocolsUsageDialog, DeleteRemovesTheEntryAndItsMark) {
  CProtocolsUsageDialog dialog(ProtocolSet::fromText("IP ARP LAT"));
  select(dialog.usedList(), "ARP");
  dialog.deleteButton()->click();
  EXPECT_EQ(textsOf(dialog.usedList()), (QStringList{"IP", "LAT"}));
  EXPECT_EQ(dialog.set().text(), "IP LAT");

  // Deleted, it can be added again.
  select(dialog.availableList(), "ARP");
  dialog.addSelected();
  EXPECT_EQ(textsOf(dialog.usedList()), (QStringList{"ARP", "IP", "LAT"}));

  // Nothing selected on the right: nothing goes.
  dialog.usedList()->clearSelection();
  dialog.deleteButton()->click();
  EXPECT_EQ(dialog.usedList()->count(), 3);
}

using ProtocolsUsageOnThePage = KindPageTest<CNetSpecificProperties>;

// OK shows the set's text form; Cancel leaves the text and the marks, so a
// later OK starts from the adapter's own protocols again.
TEST_F(ProtocolsUsageOnThePage, OkShowsTheNewSetAndCancelLeavesAll) {
  read("load DEQNA WHA\nset WHA interface=\"eth0\" protocols=\"0x0460 IP\"\n");
  CNetSpecificProperties& page = openPage("WHA");
  EXPECT_EQ(page.protocolsEdit()->text(), "IP LAT");

  dialogs.answer = [](QDialog& dialog) {
    auto& usage = dynamic_cast<CProtocolsUsageDialog&>(dialog);
    select(usage.usedList(), "IP");
    usage.deleteSelected();
    select(usage.availableList(), "ARP");
    usage.addSelected();
    return int(QDialog::Rejected);
  };
  page.changeButton()->click();
  EXPECT_EQ(page.protocolsEdit()->text(), "IP LAT");

  QStringList usedOnOpening;
  dialogs.answer = [&](QDialog& dialog) {
    auto& usage = dynamic_cast<CProtocolsUsageDialog&>(dialog);
    usedOnOpening = textsOf(usage.usedList());
    select(usage.availableList(), "DECnet");
    usage.addSelected();
    return int(QDialog::Accepted);
  };
  page.changeButton()->click();
  EXPECT_EQ(usedOnOpening, (QStringList{"IP", "LAT"})) << "the cancelled marks are undone";
  EXPECT_EQ(page.protocolsEdit()->text(), "IP DECnet LAT");

  ASSERT_TRUE(page.validate());
  page.writeBack();
  ASSERT_EQ(values.specificWriters.size(), 1u);
  values.specificWriters.front()(device<VelmorNetworkDevice>("WHA"));
  EXPECT_EQ(device<VelmorNetworkDevice>("WHA").protocols, "IP DECnet LAT");
}

// A dialog confirmed with the same set keeps the adapter's own text.
TEST_F(ProtocolsUsageOnThePage, TheSameSetKeepsTheAdaptersText) {
  read("load DELUA XEA\nset XEA interface=\"eth0\" protocols=\"lat 0x0460 IP\"\n");
  dialogs.answer = [](QDialog&) { return int(QDialog::Accepted); };
  ASSERT_TRUE(confirm("XEA", [](CBusDeviceProperties&, CNetSpecificProperties& page) {
    page.changeButton()->click();
    EXPECT_EQ(page.protocolsEdit()->text(), "IP LAT");
  }));
  EXPECT_EQ(device<VelmorNetworkDevice>("XEA").protocols, "lat 0x0460 IP");
}
