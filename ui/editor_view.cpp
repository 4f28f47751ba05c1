#include "ui/editor_view.h"
#include "ui/script_text.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "config/document.h"
#include "ui/node_texts.h"

namespace {

constexpr int kTreeWidth = 300;
constexpr int kTreeHeight = 380;

const char* const kTargetOsNames[] = {"Windows NT 4.0", "Digital UNIX", "Open VMS"};

}  // namespace

CVelmorEditorView::CVelmorEditorView(CVelmorCfgEditorDoc& document, DialogRunner& dialogs, QWidget* parent)
    : QWidget(parent), doc_(document), dialogs_(dialogs), tree_(new QTreeWidget), targetOs_(new QComboBox) {
  buildLayout();
}

CVelmorEditorView::~CVelmorEditorView() = default;

void CVelmorEditorView::buildLayout() {
  tree_->setHeaderHidden(true);
  tree_->setRootIsDecorated(true);
  tree_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  tree_->setFixedSize(kTreeWidth, kTreeHeight);
  tree_->setContextMenuPolicy(Qt::CustomContextMenu);
  tree_->installEventFilter(this);
  connect(tree_, &QTreeWidget::customContextMenuRequested, this, &CVelmorEditorView::showContextMenu);
  connect(tree_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) { openNode(item); });
  connect(tree_, &QTreeWidget::currentItemChanged, this,
          [this](QTreeWidgetItem* item) { selectionChanged(item); });
  // A click on empty space clears Qt's selection but keeps the current item,
  // which the commands act on: it stays shown as selected.
  connect(tree_, &QTreeWidget::itemSelectionChanged, this, [this] {
    if (tree_->selectedItems().isEmpty() && tree_->currentItem()) tree_->currentItem()->setSelected(true);
  });
  connect(tree_, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) { select(item); });
  connect(tree_, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem* item) { select(item); });

  connect(targetOs_, &QComboBox::activated, this, [this](int index) { changeTargetOs(targetOs_->itemText(index)); });

  auto* side = new QVBoxLayout;
  side->addWidget(new QLabel("Target OS"));
  side->addWidget(targetOs_);
  side->addSpacing(12);
  const std::pair<const char*, void (CVelmorEditorView::*)()> buttons[] = {
      {"Load ...", &CVelmorEditorView::loadRequested},
      {"Save", &CVelmorEditorView::saveRequested},
      {"Save As ...", &CVelmorEditorView::saveAsRequested},
      {"Help...", &CVelmorEditorView::helpContentsRequested},
      {"General Header...", &CVelmorEditorView::generalHeaderRequested},
      {"Exit", &CVelmorEditorView::exitRequested},
  };
  for (const auto& [text, signal] : buttons) {
    auto* button = new QPushButton(text);
    connect(button, &QPushButton::clicked, this, signal);
    side->addWidget(button);
  }
  side->addStretch();

  auto* layout = new QHBoxLayout(this);
  layout->addWidget(tree_, 0, Qt::AlignTop);
  layout->addLayout(side);
}

void CVelmorEditorView::initialUpdate() {
  if (!initialised_) {
    buildGroupNodes();
    initialised_ = true;
    rebuild();
    targetOs_->clear();
    for (const char* name : kTargetOsNames) targetOs_->addItem(name);
    targetOs_->model()->sort(0);
  }
  targetOs_->setCurrentIndex(targetOs_->findText(QString::fromStdString(doc_.configuration().targetOs)));
}

void CVelmorEditorView::buildGroupNodes() {
  for (const GroupInfo& info : groupTable()) {
    auto* node = new QTreeWidgetItem(tree_, QStringList(info.text));
    node->setData(0, kGroupRole, static_cast<int>(info.group));
    node->setData(0, kIsDeviceRole, false);
    setNodeImage(node, {info.images, ImageState::Normal});
    groups_[static_cast<std::size_t>(info.group)] = node;
  }
}

void CVelmorEditorView::rebuild() {
  if (!initialised_) return;
  // The selection survives the rebuild: park it on the group node meanwhile.
  QTreeWidgetItem* current = tree_->currentItem();
  const std::string selectedName = deviceNameOf(current);
  // Where two devices share a name (reading refuses that, but the
  // configuration allows it), the node of the selected device itself (only
  // compared, never used: the device may be gone).
  const VelmorBusDevice* selectedDevice = deviceOf(current);
  if (current && !selectedName.empty()) select(current->parent());
  for (const IndexEntry& entry : index_) delete entry.node;
  index_.clear();
  groupNode(DeviceGroup::System)->setText(0, fromBytes(systemNodeText(doc_.configuration().system)));
  for (const GroupInfo& info : groupTable())
    if (info.group != DeviceGroup::System) placeDevices(info.group);
  if (selectedName.empty()) return;
  QTreeWidgetItem* node = nullptr;
  for (const IndexEntry& entry : index_)
    if (entry.device == selectedDevice && entry.name == selectedName) node = entry.node;
  if (!node) node = deviceNode(selectedName);
  if (node) select(node);
}

void CVelmorEditorView::placeDevices(DeviceGroup group) {
  const GroupInfo& info = groupInfo(group);
  QTreeWidgetItem* groupItem = groupNode(group);
  std::size_t count = 0;
  std::size_t disabledCount = 0;
  for (DeviceListId list : listsOfGroup(group)) {
    for (const auto& device : doc_.configuration().list(list)) {
      const ImageKey key = stateImage(*device, info.images);
      auto* node = new QTreeWidgetItem(groupItem, QStringList(fromBytes(deviceNodeText(*device))));
      node->setData(0, kGroupRole, static_cast<int>(group));
      node->setData(0, kIsDeviceRole, true);
      setNodeImage(node, key);
      index_.push_back({device->name, device.get(), node});
      ++count;
      if (key.state == ImageState::Disabled) ++disabledCount;
    }
  }
  setNodeImage(groupItem, chooseGroupImage(info.images, count, disabledCount));
}

ImageKey CVelmorEditorView::stateImage(const VelmorBusDevice& device, ImageSet set) const {
  const ConflictChecker& checker = doc_.checker();
  // "Bus warnings enabled" is the emulator's own `warning` statement; the
  // editor shows a device that does not fit the system's bus whatever it says.
  return chooseDeviceImage(set, device.disabled, checker.hasConflict(device.name), checker.hasBusError(device.name),
                           IsBootDevice(device));
}

void CVelmorEditorView::setNodeImage(QTreeWidgetItem* item, ImageKey key) {
  item->setIcon(0, iconFor(key));
  item->setData(0, kImageKeyRole, key.code());
}

ImageKey CVelmorEditorView::imageKeyOf(const QTreeWidgetItem* item) {
  return ImageKey::fromCode(item->data(0, kImageKeyRole).toInt());
}

QTreeWidgetItem* CVelmorEditorView::groupNode(DeviceGroup group) const {
  return groups_[static_cast<std::size_t>(group)];
}

const CVelmorEditorView::IndexEntry* CVelmorEditorView::findEntry(const std::string& name) const {
  for (const IndexEntry& entry : index_)
    if (entry.name == name) return &entry;
  return nullptr;
}

QTreeWidgetItem* CVelmorEditorView::deviceNode(const std::string& name) const {
  const IndexEntry* entry = findEntry(name);
  return entry ? entry->node : nullptr;
}

void CVelmorEditorView::select(QTreeWidgetItem* item) { tree_->setCurrentItem(item); }

std::optional<DeviceGroup> CVelmorEditorView::selectedGroup() const {
  const QTreeWidgetItem* item = tree_->currentItem();
  if (!item) return std::nullopt;
  return static_cast<DeviceGroup>(item->data(0, kGroupRole).toInt());
}

VelmorBusDevice* CVelmorEditorView::deviceOf(const QTreeWidgetItem* item) const {
  if (!item) return nullptr;
  for (const IndexEntry& entry : index_)
    if (entry.node == item) return entry.device;
  return nullptr;
}

std::string CVelmorEditorView::deviceNameOf(const QTreeWidgetItem* item) const {
  if (!item) return {};
  for (const IndexEntry& entry : index_)
    if (entry.node == item) return entry.name;
  return {};
}

void CVelmorEditorView::selectionChanged(QTreeWidgetItem* item) {
  if (!item) return;
  const DeviceGroup menuGroup = menuGroupOf(static_cast<DeviceGroup>(item->data(0, kGroupRole).toInt()));
  if (currentGroupMenu_ == menuGroup) return;
  currentGroupMenu_ = menuGroup;
  emit groupMenuRequested(menuGroup);
}

bool CVelmorEditorView::eventFilter(QObject* watched, QEvent* event) {
  if (watched == tree_ && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    // Delete alone, on either keypad: Shift+Delete and the like are editing
    // keys with no command behind them, and must not delete a device.
    const Qt::KeyboardModifiers held = key->modifiers() & ~Qt::KeypadModifier;
    if (key->key() == Qt::Key_Delete && held == Qt::NoModifier) {
      deleteSelected();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void CVelmorEditorView::showContextMenu(const QPoint& pos) {
  QTreeWidgetItem* item = tree_->itemAt(pos);
  if (!item) return;
  select(item);
  std::unique_ptr<QMenu> menu = contextMenuFor(item);
  if (menu) menu->exec(tree_->viewport()->mapToGlobal(pos));
  emit statusPrompt(QString());
}
