// The view's commands: each finds its device by the node text and hands the
// work to the document, then rebuilds the tree.
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
std::string boxText(std::string text) {
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
  const std::string name = deviceNameOf(item);
  const ConflictChecker& checker = doc_.checker();
  if (checker.hasConflict(name)) {
    showConflicts(name);
    return;
  }
  if (doc_.configuration().warnings && checker.hasBusError(name)) doc_.messages().warning(boxText(checker.busText(name)));
  openSheet(name);
}

void CVelmorEditorView::openSheet(const std::string& name) {
  if (sheets_ && sheets_->openPropertySheet(name)) rebuild();
}

void CVelmorEditorView::showConflicts(const std::string& name) {
  const VelmorBusDevice* device = doc_.configuration().FindBusDevice(name);
  if (!device || device->disabled) return;
  CDeviceConflictsDialog dialog(fromBytes(doc_.checker().conflictText(name)), this);
  if (dialogs_.exec(dialog) == CDeviceConflictsDialog::kResolve) openSheet(name);
}

void CVelmorEditorView::disableSelected() {
  const std::string name = deviceNameOf(tree_->currentItem());
  if (name.empty() || doc_.configuration().IsDeviceDisabled(name)) return;
  doc_.Disable(name);
  if (const IndexEntry* entry = findEntry(name)) setNodeImage(entry->node, entry->disabled);
  rebuild();
}

void CVelmorEditorView::enableSelected() {
  const std::string name = deviceNameOf(tree_->currentItem());
  if (name.empty() || !doc_.configuration().IsDeviceDisabled(name)) return;
  if (!doc_.Enable(name)) return;
  if (const IndexEntry* entry = findEntry(name)) setNodeImage(entry->node, entry->normal);
  rebuild();
}

void CVelmorEditorView::deleteSelected() {
  const std::string name = deviceNameOf(tree_->currentItem());
  if (name.empty()) return;
  if (!doc_.messages().askYesNo("Do You really want to delete selected device?")) return;
  for (auto it = index_.begin(); it != index_.end(); ++it)
    if (it->name == name) {
      delete it->node;
      index_.erase(it);
      break;
    }
  doc_.RemoveDevice(name);
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
