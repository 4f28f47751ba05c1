#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTest>
#include <QTreeWidget>

#include "devices/device_registry.h"
#include "devices/number_format.h"
#include "devices/velmor_unit_device.h"
#include "support/checker_checks.h"
#include "ui/conflicts_dialog.h"
#include "ui/device_images.h"
#include "ui/editor_view.h"
#include "ui_fixtures.h"

namespace {

using State = ImageState;

class EditorViewTest : public ::testing::Test, public DocumentFixture {
 protected:
  void SetUp() override {
    view.setSheetOpener(&sheets);
    doc.setPropertySheets(&sheets);
    view.initialUpdate();
  }
  void load(const std::string& script) {
    ASSERT_TRUE(open(script)) << messages.shown.size();
    view.initialUpdate();
    view.rebuild();
  }
  QTreeWidgetItem* group(DeviceGroup g) { return view.groupNode(g); }
  QTreeWidgetItem* device(const std::string& name) {
    QTreeWidgetItem* node = view.deviceNode(name);
    EXPECT_NE(node, nullptr) << name;
    return node;
  }
  State stateOf(const std::string& name) { return CVelmorEditorView::imageKeyOf(device(name)).state; }
  ImageKey groupImage(DeviceGroup g) { return CVelmorEditorView::imageKeyOf(group(g)); }
  std::vector<std::string> menuTexts(QMenu& menu) {
    std::vector<std::string> texts;
    for (QAction* action : menu.actions())
      texts.push_back(action->isSeparator() ? "-" : action->text().toStdString());
    return texts;
  }

  ScriptedDialogs dialogs;
  RecordingSheets sheets;
  CVelmorEditorView view{doc, dialogs};
};

const char* const kTwoConsoles = "load DL11 YLA\nload DL11 YLB\n";

TEST_F(EditorViewTest, TwelveGroupsInOrder) {
  ASSERT_EQ(view.tree()->topLevelItemCount(), 12);
  const char* expected[] = {"System [pdp 11/94,512 ]", "Disk Controllers", "Tape Controllers",
                            "Serial Line Adapters", "Parallel Interfaces", "Line Printers", "Network Adapters",
                            "Va1000 Adapters", "Bridge Adapters", "Binary Loaders", "Timer & Clock", "ROMs"};
  for (int i = 0; i < 12; ++i) EXPECT_EQ(view.tree()->topLevelItem(i)->text(0).toStdString(), expected[i]);
}

TEST_F(EditorViewTest, NodeTextsAfterOpen) {
  load("set CPU model=\"PDP 11/94\"\nset MMU memory_size=10000\n"
       "load MSCP DUA\nload MSCP DuB\nset DuB model=UDA50\nload VA1000 EDA\nload KW11-L KWA\nload TOY TOA\n");
  EXPECT_EQ(group(DeviceGroup::System)->text(0).toStdString(), "System [pdp 11/94,4096 ]");
  EXPECT_EQ(childTexts(group(DeviceGroup::Disks)), (std::vector<std::string>{"DUA  ( mscp )", "DuB  ( mscp,uda50 )"}));
  EXPECT_EQ(childTexts(group(DeviceGroup::Va1000s)), (std::vector<std::string>{"EDA "}));
  // Timers first, then clocks.
  EXPECT_EQ(childTexts(group(DeviceGroup::TimerClock)),
            (std::vector<std::string>{"KWA  ( kw11-l )", "TOA  ( toy )"}));
  EXPECT_EQ(view.targetOsBox()->currentText().toStdString(), "Windows NT 4.0");
}

TEST_F(EditorViewTest, TargetOsBoxFollowsTheDocumentAndSetsIt) {
  load("#OS Digital UNIX\nload MSCP DUA\n");
  EXPECT_EQ(view.targetOsBox()->currentText().toStdString(), "Digital UNIX");
  std::vector<std::string> items;
  for (int i = 0; i < view.targetOsBox()->count(); ++i) items.push_back(view.targetOsBox()->itemText(i).toStdString());
  EXPECT_EQ(items, (std::vector<std::string>{"Digital UNIX", "Open VMS", "Windows NT 4.0"}));
  view.changeTargetOs("Digital UNIX");  // the entry already chosen
  EXPECT_FALSE(doc.isModified());
  view.changeTargetOs("Open VMS");
  EXPECT_EQ(doc.configuration().targetOs, "Open VMS");
  EXPECT_TRUE(doc.isModified());
}

// Names are bytes: one that is not UTF-8 still finds its device from the tree.
TEST_F(EditorViewTest, DevicesWithNonAsciiNamesAreReachable) {
  load("load DL11 Y\xE9" "A\nload DL11 Y\xC3\xA9" "B\n");
  for (const char* name : {"Y\xE9" "A", "Y\xC3\xA9" "B"}) {
    ASSERT_NE(view.deviceNode(name), nullptr) << name;
    view.select(view.deviceNode(name));
    view.disableSelected();
    EXPECT_TRUE(doc.configuration().IsDeviceDisabled(name)) << name;
  }
}

TEST_F(EditorViewTest, StateImagesInOrderOfPrecedence) {
  load("load MSCP DUA\nload TMSCP MUA\nboot DUA 0\n");
  EXPECT_EQ(stateOf("DUA"), State::Boot);
  EXPECT_EQ(stateOf("MUA"), State::Normal);
  // DUB sits at DUA's defaults: the conflict outranks the boot picture. YLA
  // and YLB collide; the disabled YLC would too but shows its cross.
  load("load MSCP DUA\nload DL11 YLA\nload DL11 YLB\n#$load DL11 YLC\nload MSCP DUB\nboot DUA 0\n");
  EXPECT_EQ(stateOf("DUA"), State::Conflict);
  EXPECT_EQ(stateOf("DUB"), State::Conflict);
  EXPECT_EQ(stateOf("YLA"), State::Conflict);
  EXPECT_EQ(stateOf("YLC"), State::Disabled);
  EXPECT_EQ(CVelmorEditorView::imageKeyOf(device("YLA")).set, ImageSet::Serial);
}

// "warning off" is for the emulator: the editor still shows the misfit.
TEST_F(EditorViewTest, BusWarningShowsWhateverTheOption) {
  load("warning off\nset CPU model=\"PDP 11/70\"\nload DHV11 YVA\n");
  ASSERT_FALSE(doc.configuration().warnings);
  EXPECT_EQ(stateOf("YVA"), State::BusWarning);
}

TEST_F(EditorViewTest, GroupImages) {
  load("load MSCP DUA\n#$load MSCP DUB\n#$load TMSCP MUA\n#$load KW11-L KWA\n");
  EXPECT_EQ(groupImage(DeviceGroup::ROMs), (ImageKey{ImageSet::ROM, State::Normal}));      // empty
  EXPECT_EQ(groupImage(DeviceGroup::Tapes), (ImageKey{ImageSet::Tape, State::Disabled}));  // all disabled
  EXPECT_EQ(groupImage(DeviceGroup::Disks), (ImageKey{ImageSet::Disk, State::Normal}));    // one enabled
  EXPECT_EQ(groupImage(DeviceGroup::TimerClock), (ImageKey{ImageSet::TimerClock, State::Disabled}));
  // The clock counts with the timers.
  load("#$load KW11-L KWA\nload TOY TOA\n");
  EXPECT_EQ(groupImage(DeviceGroup::TimerClock), (ImageKey{ImageSet::TimerClock, State::Normal}));
}

TEST_F(EditorViewTest, DisableAndEnableChangeImagesAndConflicts) {
  load(kTwoConsoles);
  view.select(device("YLB"));
  view.disableSelected();
  EXPECT_TRUE(doc.configuration().IsDeviceDisabled("YLB"));
  EXPECT_TRUE(doc.isModified());
  EXPECT_EQ(stateOf("YLB"), State::Disabled);
  EXPECT_EQ(stateOf("YLA"), State::Normal);
  EXPECT_EQ(groupImage(DeviceGroup::Serials).state, State::Normal);
  view.select(device("YLB"));
  view.enableSelected();
  EXPECT_EQ(stateOf("YLB"), State::Conflict);
  EXPECT_EQ(stateOf("YLA"), State::Conflict);
}

TEST_F(EditorViewTest, EnableRefusedLeavesTheDeviceDisabled) {
  load("load KW11-L KWA\nload KW11-L KWB\n");
  ASSERT_EQ(stateOf("KWB"), State::Disabled);  // read as disabled: one active timer
  view.select(device("KWB"));
  view.enableSelected();
  EXPECT_EQ(stateOf("KWB"), State::Disabled);
  EXPECT_EQ(messages.shown.back(), "stop: Active timer device already exists");
}

TEST_F(EditorViewTest, DeleteAsksFirstAndRebuilds) {
  load(kTwoConsoles);
  view.select(device("YLB"));
  view.deleteSelected();  // answered No
  EXPECT_EQ(messages.shown.back(), "question: Do You really want to delete selected device?");
  EXPECT_NE(view.deviceNode("YLB"), nullptr);
  messages.answers = {true};
  view.select(device("YLB"));
  view.deleteSelected();
  EXPECT_EQ(view.deviceNode("YLB"), nullptr);
  EXPECT_EQ(childTexts(group(DeviceGroup::Serials)), (std::vector<std::string>{"YLA  ( dl11 )"}));
  EXPECT_EQ(stateOf("YLA"), State::Normal);
  EXPECT_TRUE(doc.isModified());
}

// The commands act on the current node: a click on empty space below the
// nodes must not leave it current but shown as unselected.
TEST_F(EditorViewTest, AClickOnEmptySpaceKeepsTheSelectionShown) {
  load(kTwoConsoles);
  view.show();
  view.tree()->expandAll();
  view.tree()->setCurrentItem(device("YLB"));
  QWidget* space = view.tree()->viewport();
  const QPoint below(10, space->height() - 3);
  ASSERT_EQ(view.tree()->itemAt(below), nullptr);
  for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
    QTest::mouseClick(space, button, {}, below);
    EXPECT_EQ(view.tree()->currentItem(), device("YLB"));
    EXPECT_EQ(view.tree()->selectedItems(), QList<QTreeWidgetItem*>{device("YLB")});
  }
}

// A style tints a selected icon with the highlight colour unless the icon
// has its own selected picture; the state marks must stay as drawn.
TEST(DeviceImages, SelectedNodesShowTheSamePicture) {
  for (ImageKey key : {ImageKey{ImageSet::Serial, ImageState::Normal}, ImageKey{ImageSet::Serial, ImageState::Disabled},
                       ImageKey{ImageSet::Disk, ImageState::Boot}}) {
    const QIcon icon = iconFor(key);
    const QSize size = icon.availableSizes().value(0, QSize(16, 16));
    EXPECT_EQ(icon.pixmap(size, QIcon::Selected).toImage(), icon.pixmap(size, QIcon::Normal).toImage());
  }
}

// Should two devices of one name ever meet (a script cannot load them), each
// node's commands reach its own device, and the checker keeps describing the
// devices that are left.
TEST_F(EditorViewTest, CommandsReachTheDeviceOfTheSelectedNodeWhereNamesRepeat) {
  load("load MSCP XA\nset XA file[0]=keep.dsk\n");
  VelmorBusDevice& disk = *doc.configuration().list(DeviceListId::Disks).at(0);
  VelmorBusDevice& serial = doc.configuration().append(createDeviceForLoadWord("DL11", "XA"));
  doc.checker().build(doc.configuration());
  view.rebuild();
  auto checkerMatchesAFreshOne = [&] { expectCheckerMatchesAFreshOne(doc.checker(), doc.configuration()); };

  view.select(group(DeviceGroup::Serials)->child(0));
  view.disableSelected();
  EXPECT_TRUE(serial.disabled);
  EXPECT_FALSE(disk.disabled);
  checkerMatchesAFreshOne();

  view.select(group(DeviceGroup::Serials)->child(0));
  view.enableSelected();
  EXPECT_FALSE(serial.disabled);
  checkerMatchesAFreshOne();

  sheets.confirm = false;
  view.select(group(DeviceGroup::Serials)->child(0));
  view.openSelected();
  ASSERT_FALSE(sheets.openedDevices.empty());
  EXPECT_EQ(sheets.openedDevices.back(), &serial);

  // The selection stays with the device across the rebuild, so a command
  // right after another one still reaches it.
  view.select(group(DeviceGroup::Serials)->child(0));
  view.disableSelected();
  EXPECT_TRUE(serial.disabled);
  messages.answers = {true};
  view.deleteSelected();
  EXPECT_TRUE(doc.configuration().list(DeviceListId::Serials).empty());
  ASSERT_EQ(doc.configuration().list(DeviceListId::Disks).size(), 1u);
  EXPECT_EQ(static_cast<VelmorUnitDevice&>(*doc.configuration().list(DeviceListId::Disks).at(0)).unit(0).file,
            "keep.dsk");
  checkerMatchesAFreshOne();
}

// A sheet that renames its device leaves that device selected, not its group.
TEST_F(EditorViewTest, TheEditedDeviceStaysSelectedAfterARename) {
  load("load MSCP DUA\nload DL11 YLB\n");
  sheets.edit = [](VelmorBusDevice& device) { device.name = "YLZ"; };
  view.select(device("YLB"));
  view.openSelected();
  ASSERT_NE(view.deviceNode("YLZ"), nullptr);
  EXPECT_EQ(view.tree()->currentItem(), view.deviceNode("YLZ"));
  // A cancelled sheet changes nothing and keeps the node selected as well.
  sheets.confirm = false;
  view.openSelected();
  EXPECT_EQ(view.tree()->currentItem(), view.deviceNode("YLZ"));
}

// The same through the document's own write-back, which renames the device
// and updates the checker before the view rebuilds.
TEST_F(EditorViewTest, ARenameThroughTheDocumentKeepsTheDeviceSelected) {
  class RenamingSheets : public RecordingSheets {
   public:
    explicit RenamingSheets(CVelmorCfgEditorDoc& doc) : doc_(doc) {}
    bool openPropertySheet(VelmorBusDevice& device) override {
      return doc_.DeviceProperties(device, [](VelmorBusDevice& copy, DeviceSheetValues& values) {
        values.general = {copy.type, copy.model, "YLZ", formatOctal(copy.registerAddress), formatOctal(copy.vector),
                          formatOctal(copy.priority), std::to_string(copy.units)};
        values.comments = copy.comments;
        return true;
      });
    }

   private:
    CVelmorCfgEditorDoc& doc_;
  } renaming(doc);
  view.setSheetOpener(&renaming);
  load("load MSCP DUA\nload DL11 YLB\n");
  view.select(device("YLB"));
  view.openSelected();
  ASSERT_NE(doc.configuration().FindBusDevice("YLZ"), nullptr);
  ASSERT_NE(view.deviceNode("YLZ"), nullptr);
  EXPECT_EQ(view.tree()->currentItem(), view.deviceNode("YLZ"));
  view.setSheetOpener(&sheets);
}

TEST_F(EditorViewTest, DeleteKeyOnAGroupNodeDoesNothing) {
  load(kTwoConsoles);
  view.select(group(DeviceGroup::Serials));
  QKeyEvent press(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
  QCoreApplication::sendEvent(view.tree(), &press);
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(group(DeviceGroup::Serials)->childCount(), 2);
  // On a device node the key asks.
  view.select(device("YLA"));
  QCoreApplication::sendEvent(view.tree(), &press);
  EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(EditorViewTest, OnlyDeleteAloneAsksToDelete) {
  load(kTwoConsoles);
  view.select(device("YLA"));
  for (Qt::KeyboardModifier held : {Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier}) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Delete, held);
    QCoreApplication::sendEvent(view.tree(), &press);
  }
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(group(DeviceGroup::Serials)->childCount(), 2);
  // The keypad's Delete is the same key.
  QKeyEvent keypad(QEvent::KeyPress, Qt::Key_Delete, Qt::KeypadModifier);
  QCoreApplication::sendEvent(view.tree(), &keypad);
  EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(EditorViewTest, DeviceCommandsOnGroupNodesDoNothing) {
  load("#$load MSCP DUA\n");
  view.select(group(DeviceGroup::Disks));
  view.enableSelected();
  view.disableSelected();
  view.openSelected();
  EXPECT_TRUE(doc.configuration().IsDeviceDisabled("DUA"));
  EXPECT_TRUE(sheets.opened.empty());
  EXPECT_FALSE(doc.isModified());
}

TEST_F(EditorViewTest, ContextMenus) {
  load("load MSCP DUA\n");
  EXPECT_EQ(view.contextMenuFor(group(DeviceGroup::System)), nullptr);
  EXPECT_EQ(view.contextMenuFor(nullptr), nullptr);

  auto deviceMenu = view.contextMenuFor(device("DUA"));
  ASSERT_NE(deviceMenu, nullptr);
  EXPECT_EQ(menuTexts(*deviceMenu),
            (std::vector<std::string>{"Properties ...", "-", "Disable Device", "Enable Device", "Delete Device"}));
  std::vector<std::string> prompts;
  for (QAction* action : deviceMenu->actions()) {
    if (!action->isSeparator()) prompts.push_back(action->statusTip().toStdString());
    EXPECT_TRUE(action->isEnabled());
  }
  EXPECT_EQ(prompts, (std::vector<std::string>{"Show properties dialog for the device", "Disable device in the system",
                                               "Activate device if it is disabled now", "Delete device from the system"}));

  auto groupMenu = view.contextMenuFor(group(DeviceGroup::TimerClock));
  ASSERT_NE(groupMenu, nullptr);
  EXPECT_EQ(menuTexts(*groupMenu), (std::vector<std::string>{"Add Device", "-", "Disable Group", "Enable Group"}));
  EXPECT_EQ(groupMenu->actions()[2]->statusTip().toStdString(), "Disable all devices in the group");
  EXPECT_EQ(groupMenu->actions()[3]->statusTip().toStdString(), "Enable all devices in the group if it is possible");
  QMenu* adds = groupMenu->actions()[0]->menu();
  ASSERT_NE(adds, nullptr);
  EXPECT_EQ(menuTexts(*adds), (std::vector<std::string>{"TOY", "KWV11", "KW11-L", "KW11-P", "KW11-W"}));
  EXPECT_EQ(adds->actions()[0]->statusTip().toStdString(), "Add TOY clock");
}

TEST_F(EditorViewTest, AddCommandsHandTheirWordToTheDocument) {
  load("load MSCP DUA\n");
  auto menu = view.contextMenuFor(group(DeviceGroup::Loaders));
  QMenu* adds = menu->actions()[0]->menu();
  ASSERT_EQ(menuTexts(*adds), (std::vector<std::string>{"Loader"}));
  adds->actions()[0]->trigger();
  ASSERT_EQ(group(DeviceGroup::Loaders)->childCount(), 1);
  EXPECT_EQ(sheets.opened.size(), 1u);

  auto disks = view.contextMenuFor(group(DeviceGroup::Disks));
  disks->actions()[0]->menu()->actions()[0]->trigger();  // MSCP
  EXPECT_EQ(childTexts(group(DeviceGroup::Disks)), (std::vector<std::string>{"DUA  ( mscp )", "DUB  ( mscp )"}));
  // A cancelled sheet leaves the tree as it was.
  sheets.confirm = false;
  view.addDevice(DeviceGroup::Disks, "MSCP");
  EXPECT_EQ(group(DeviceGroup::Disks)->childCount(), 2);
}

TEST_F(EditorViewTest, GroupDisableAndEnableOnTimerAndClock) {
  load("load KW11-L KWA\n#$load KW11-P KWB\n");
  view.select(group(DeviceGroup::TimerClock));
  view.setSelectedGroupEnabled(false);
  EXPECT_EQ(stateOf("KWA"), State::Disabled);
  EXPECT_EQ(stateOf("KWB"), State::Disabled);
  EXPECT_EQ(groupImage(DeviceGroup::TimerClock).state, State::Disabled);
  view.select(group(DeviceGroup::TimerClock));
  view.setSelectedGroupEnabled(true);
  EXPECT_EQ(stateOf("KWA"), State::Normal);
  EXPECT_EQ(stateOf("KWB"), State::Disabled);  // one active timer only
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(EditorViewTest, DisableGroupFromTheMenu) {
  load("load MSCP DUA\n");
  view.select(group(DeviceGroup::Disks));
  auto menu = view.contextMenuFor(group(DeviceGroup::Disks));
  for (QAction* action : menu->actions())
    if (action->text() == "Disable Group") action->trigger();
  EXPECT_EQ(stateOf("DUA"), State::Disabled);
}

TEST_F(EditorViewTest, AStartedRomShowsTheBootPicture) {
  load("load ROM ROA\nload ROM ROB\nstart ROA 173000\n");
  EXPECT_EQ(stateOf("ROA"), State::Boot);
  EXPECT_EQ(stateOf("ROB"), State::Normal);
}

TEST_F(EditorViewTest, GroupCommandsOnAnEmptyGroupSystemOrDeviceDoNothing) {
  load("load MSCP DUA\n");
  QTreeWidgetItem* before = device("DUA");
  view.select(group(DeviceGroup::ROMs));
  view.setSelectedGroupEnabled(false);
  view.select(group(DeviceGroup::System));
  view.setSelectedGroupEnabled(false);
  view.select(device("DUA"));
  view.setSelectedGroupEnabled(false);
  EXPECT_EQ(view.deviceNode("DUA"), before);  // no rebuild happened
  EXPECT_FALSE(doc.configuration().IsDeviceDisabled("DUA"));
}

TEST_F(EditorViewTest, OpeningADeviceInConflictShowsTheConflictsDialog) {
  load(kTwoConsoles);
  std::string report;
  dialogs.answer = [&](QDialog& dialog) {
    report = static_cast<CDeviceConflictsDialog&>(dialog).reportText()->toPlainText().toStdString();
    return int(QDialog::Accepted);
  };
  view.select(device("YLA"));
  view.openSelected();
  EXPECT_EQ(dialogs.captions, (std::vector<std::string>{"Device Conflicts Information"}));
  EXPECT_EQ(report.rfind("Device YLA has conflict\n With device YLB\n", 0), 0u) << report;
  EXPECT_TRUE(sheets.opened.empty());
  // "Resolve..." opens the device's sheet.
  dialogs.answer = [](QDialog&) { return CDeviceConflictsDialog::kResolve; };
  view.openSelected();
  EXPECT_EQ(sheets.opened, (std::vector<std::string>{"YLA"}));
}

TEST_F(EditorViewTest, ConflictsDialogNotForDisabledOrUnknownDevices) {
  load("#$load DL11 YLA\n");
  view.showConflicts("YLA");
  view.showConflicts("NOPE");
  EXPECT_TRUE(dialogs.captions.empty());
}

TEST_F(EditorViewTest, BusErrorIsShownThenTheSheetOpens) {
  load("set CPU model=\"PDP 11/70\"\nload DHV11 YVA\n");
  view.select(device("YVA"));
  view.openSelected();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0], "warning: Device YVA can not be attached to the UNIBUS\n\n");
  EXPECT_EQ(sheets.opened, (std::vector<std::string>{"YVA"}));
  // "warning off" changes nothing here.
  doc.configuration().warnings = false;
  view.openSelected();
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[1], messages.shown[0]);
  EXPECT_EQ(sheets.opened.size(), 2u);
}

TEST_F(EditorViewTest, SystemNodeOpensTheSystemSheet) {
  load("load MSCP DUA\n");
  view.select(group(DeviceGroup::System));
  view.openSelected();
  EXPECT_EQ(sheets.opened, (std::vector<std::string>{"<system>"}));
}

TEST_F(EditorViewTest, SelectionAnnouncesTheGroupMenuOnce) {
  load("load MSCP DUA\nload DL11 YLA\n");
  std::vector<DeviceGroup> announced;
  QObject::connect(&view, &CVelmorEditorView::groupMenuRequested,
                   [&](DeviceGroup group) { announced.push_back(group); });
  view.select(group(DeviceGroup::System));
  view.select(device("DUA"));  // same menu: no request
  view.select(device("YLA"));
  view.select(group(DeviceGroup::Serials));
  EXPECT_EQ(announced, (std::vector<DeviceGroup>{DeviceGroup::Disks, DeviceGroup::Serials}));
}

TEST_F(EditorViewTest, HelpContextOfTheSelection) {
  load("load KW11-L KWA\n");
  view.tree()->setCurrentItem(nullptr);
  EXPECT_EQ(view.helpContext(), 10050);
  view.select(device("KWA"));
  EXPECT_EQ(view.helpContext(), 10011);
  view.select(group(DeviceGroup::System));
  EXPECT_EQ(view.helpContext(), 9022);
}

}  // namespace
