#pragma once

#include <QWidget>
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/device_images.h"
#include "ui/group_table.h"

class CVelmorCfgEditorDoc;
class DialogRunner;
class PropertySheetOpener;
class VelmorBusDevice;
class QComboBox;
class QMenu;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// The one view: the device tree in twelve groups, the Target OS box and the
// form's buttons. It owns no configuration data: every command goes to the
// document, and the tree is rebuilt from it afterwards.
class CVelmorEditorView : public QWidget {
  Q_OBJECT
 public:
  // Roles of a tree item's data.
  static constexpr int kGroupRole = Qt::UserRole;           // DeviceGroup of the node (or its parent)
  static constexpr int kIsDeviceRole = Qt::UserRole + 1;    // true for device nodes
  static constexpr int kImageKeyRole = Qt::UserRole + 2;    // ImageKey::code() of the node's image

  CVelmorEditorView(CVelmorCfgEditorDoc& document, DialogRunner& dialogs, QWidget* parent = nullptr);
  ~CVelmorEditorView() override;

  void setSheetOpener(PropertySheetOpener* sheets) { sheets_ = sheets; }

  // The group nodes the first time; the Target OS box every time.
  void initialUpdate();
  // Deletes every device node and builds them again from the document.
  void rebuild();

  // Selection.
  QTreeWidget* tree() const { return tree_; }
  QComboBox* targetOsBox() const { return targetOs_; }
  QTreeWidgetItem* groupNode(DeviceGroup group) const;
  // The node of the named device (first match), or nullptr.
  QTreeWidgetItem* deviceNode(const std::string& name) const;
  void select(QTreeWidgetItem* item);
  // The selected node's group; nothing without a selection.
  std::optional<DeviceGroup> selectedGroup() const;
  int helpContext() const { return helpContextOf(selectedGroup()); }
  static ImageKey imageKeyOf(const QTreeWidgetItem* item);

  // Commands on the selected node; each does nothing where it does not apply.
  void addDevice(DeviceGroup group, const std::string& typeWord);
  void openSelected();
  void disableSelected();
  void enableSelected();
  void deleteSelected();
  void setSelectedGroupEnabled(bool enable);
  void changeTargetOs(const QString& os);
  // The conflicts dialog of a device; "Resolve..." opens its sheet.
  void showConflicts(const std::string& name);

  // The context menu of a node; nullptr for "System" and for no node.
  std::unique_ptr<QMenu> contextMenuFor(QTreeWidgetItem* item);
  // The group's "Add Device" items, each calling addDevice.
  void fillAddDeviceMenu(QMenu& menu, DeviceGroup group);

 signals:
  // The Edit menu's "Add Device" should follow this group's menu.
  void groupMenuRequested(DeviceGroup group);
  // A context-menu item's prompt for the status bar (empty: idle).
  void statusPrompt(const QString& text);
  void loadRequested();
  void saveRequested();
  void saveAsRequested();
  void helpContentsRequested();
  void generalHeaderRequested();
  void exitRequested();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct IndexEntry {
    std::string name;
    VelmorBusDevice* device;  // the node's own device: two devices of a configuration may share a name
    QTreeWidgetItem* node;
  };

  void buildLayout();
  void buildGroupNodes();
  void placeDevices(DeviceGroup group);
  ImageKey stateImage(const VelmorBusDevice& device, ImageSet set) const;
  const IndexEntry* findEntry(const std::string& name) const;
  // The device name of a device node; empty for group nodes and no node.
  std::string deviceNameOf(const QTreeWidgetItem* item) const;
  // The device a device node stands for; nullptr for group nodes and no node.
  VelmorBusDevice* deviceOf(const QTreeWidgetItem* item) const;
  void openNode(QTreeWidgetItem* item);
  void openSheet(VelmorBusDevice& device);
  void showConflictsOf(VelmorBusDevice& device);
  void selectionChanged(QTreeWidgetItem* item);
  void showContextMenu(const QPoint& pos);
  void setNodeImage(QTreeWidgetItem* item, ImageKey key);

  CVelmorCfgEditorDoc& doc_;
  DialogRunner& dialogs_;
  PropertySheetOpener* sheets_ = nullptr;
  QTreeWidget* tree_;
  QComboBox* targetOs_;
  std::array<QTreeWidgetItem*, kDeviceGroupCount> groups_{};
  std::vector<IndexEntry> index_;
  std::optional<DeviceGroup> currentGroupMenu_;
  bool initialised_ = false;
};
