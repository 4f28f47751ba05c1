// The view's commands: each takes the device its node stands for and hands
// the work to the document, then rebuilds the tree.
#include <QMenu>
#include "ui/script_text.h"
#include <QTreeWidget>

#include "config/document.h"
#include "config/user_messages.h"
#include "ui/conflicts_dialog.h"
#include "ui/dialog_runner.h"
#include "ui/editor_view.h"

namespace {

QAction* addPromptedAction(QMenu& menu, const char* text, const char* prompt) {
  QAction* action = menu.addAction(text);
  action->setStatusTip(prompt);
  return action;
}

// The checker's texts end their lines with CR LF; a message box wants LF.
std::string withoutCarriageReturns(const std::string& text) {
  std::string out;
  for (char c : text)
    if (c != '\r') out += c;
  return out;
}

}  // namespace

void CVelmorEditorView::fillAddDeviceMenu(QMenu& menu, DeviceGroup group) {
  for (const AddCommand& add : groupInfo(group).adds) {
    QAction* action = addPromptedAction(menu, add.text, add.prompt);
    const std::string typeWord = add.typeWord;
    connect(action, &QAction::triggered, this, [this, group, typeWord] { addDevice(group, typeWord); });
  }
}

std::unique_ptr<QMenu> CVelmorEditorView::contextMenuFor(QTreeWidgetItem* item) {
  if (!item) return nullptr;
  auto menu = std::make_unique<QMenu>(this);
  connect(menu.get(), &QMenu::hovered, this, [this](QAction* action) { emit statusPrompt(action->statusTip()); });
  if (item->data(0, kIsDeviceRole).toBool()) {
    connect(addPromptedAction(*menu, "Properties ...", "Show properties dialog for the device"), &QAction::triggered,
            this, &CVelmorEditorView::openSelected);
    menu->addSeparator();
    connect(addPromptedAction(*menu, "Disable Device", "Disable device in the system"), &QAction::triggered, this,
            &CVelmorEditorView::disableSelected);
    connect(addPromptedAction(*menu, "Enable Device", "Activate device if it is disabled now"), &QAction::triggered,
            this, &CVelmorEditorView::enableSelected);
    connect(addPromptedAction(*menu, "Delete Device", "Delete device from the system"), &QAction::triggered, this,
            &CVelmorEditorView::deleteSelected);
    return menu;
  }
  const auto group = static_cast<DeviceGroup>(item->data(0, kGroupRole).toInt());
  if (group == DeviceGroup::System) return nullptr;
  QMenu* adds = menu->addMenu("Add Device");
  connect(adds, &QMenu::hovered, this, [this](QAction* action) { emit statusPrompt(action->statusTip()); });
  fillAddDeviceMenu(*adds, group);
  menu->addSeparator();
  connect(addPromptedAction(*menu, "Disable Group", "Disable all devices in the group"), &QAction::triggered, this,
          [this] { setSelectedGroupEnabled(false); });
  connect(addPromptedAction(*menu, "Enable Group", "Enable all devices in the group if it is possible"),
          &QAction::triggered, this, [this] { setSelectedGroupEnabled(true); });
  return menu;
}

void CVelmorEditorView::addDevice(DeviceGroup group, const std::string& typeWord) {
  doc_.AddDevice(groupInfo(group).kind, typeWord);
  // A confirmed sheet asks for a rebuild itself; a cancelled one removed the
  // device again. Rebuilding here keeps the tree right with either opener.
  rebuild();
}

void CVelmorEditorView::openSelected() { openNode(tree_->currentItem()); }

void CVelmorEditorView::openNode(QTreeWidgetItem* item) {
  if (!item) return;
  if (!item->data(0, kIsDeviceRole).toBool()) {
    if (static_cast<DeviceGroup>(item->data(0, kGroupRole).toInt()) == DeviceGroup::System && sheets_ &&
        sheets_->openSystemSheet())
      rebuild();
    return;
  }
  VelmorBusDevice* device = deviceOf(item);
  if (!device) return;
  const std::string name = device->name;
  const ConflictChecker& checker = doc_.checker();
  if (checker.hasConflict(name)) {
    showConflictsOf(*device);
    return;
  }
  if (checker.hasBusError(name)) doc_.messages().warning(withoutCarriageReturns(checker.busText(name)));
  openSheet(*device);
}

void CVelmorEditorView::openSheet(VelmorBusDevice& device) {
  if (!sheets_ || !sheets_->openPropertySheet(device)) return;
  rebuild();
  // A sheet never removes its device, but a new name leaves the rebuild
  // without the name it kept the selection by: the edited device stays selected.
  for (const IndexEntry& entry : index_)
    if (entry.device == &device) select(entry.node);
}

void CVelmorEditorView::showConflicts(const std::string& name) {
  if (VelmorBusDevice* device = doc_.configuration().FindBusDevice(name)) showConflictsOf(*device);
}

void CVelmorEditorView::showConflictsOf(VelmorBusDevice& device) {
  if (device.disabled) return;
  CDeviceConflictsDialog dialog(fromBytes(doc_.checker().conflictText(device.name)), this);
  if (dialogs_.exec(dialog) == CDeviceConflictsDialog::kResolve) openSheet(device);
}

void CVelmorEditorView::disableSelected() {
  VelmorBusDevice* device = deviceOf(tree_->currentItem());
  if (!device || device->disabled) return;
  doc_.Disable(*device);
  rebuild();
}

void CVelmorEditorView::enableSelected() {
  VelmorBusDevice* device = deviceOf(tree_->currentItem());
  if (!device || !device->disabled) return;
  if (!doc_.Enable(*device)) return;
  rebuild();
}

void CVelmorEditorView::deleteSelected() {
  QTreeWidgetItem* node = tree_->currentItem();
  VelmorBusDevice* device = deviceOf(node);
  if (!device) return;
  if (!doc_.messages().askYesNo("Do You really want to delete selected device?")) return;
  // The node goes first: its device is about to be destroyed.
  for (auto it = index_.begin(); it != index_.end(); ++it)
    if (it->node == node) {
      delete it->node;
      index_.erase(it);
      break;
    }
  doc_.RemoveDevice(*device);
  rebuild();
}

void CVelmorEditorView::setSelectedGroupEnabled(bool enable) {
  const QTreeWidgetItem* item = tree_->currentItem();
  if (!item || item->data(0, kIsDeviceRole).toBool()) return;
  const auto group = static_cast<DeviceGroup>(item->data(0, kGroupRole).toInt());
  if (group == DeviceGroup::System) return;
  if (doc_.SetGroupEnabled(group, enable)) rebuild();
}

void CVelmorEditorView::changeTargetOs(const QString& os) {
  // Picking the entry already chosen changes nothing and must not ask to save.
  if (os.toStdString() == doc_.configuration().targetOs) return;
  doc_.SetTargetOs(os.toStdString());
}
