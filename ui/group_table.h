#pragma once

#include <optional>
#include <span>

#include "config/device_groups.h"
#include "config/document.h"

// The picture set a node draws from. Timers share theirs with the clock,
// DRXXX with DCI1300 interfaces.
enum class ImageSet { System, Disk, Tape, Serial, LinePrinter, Network, Va1000, Bridge, Parallel, Loader, TimerClock, ROM };

// One item of an "Add Device" submenu: its text, the type word handed to
// the document and the status-bar prompt (empty: none).
struct AddCommand {
  const char* text;
  const char* typeWord;
  const char* prompt;
};

// What the tree, its menus and the help know of one group.
struct GroupInfo {
  DeviceGroup group;
  const char* text;
  ImageSet images;
  AddKind kind;
  int helpContext;
  std::span<const AddCommand> adds;  // empty for "System"
};

// The twelve groups in tree order.
std::span<const GroupInfo> groupTable();
const GroupInfo& groupInfo(DeviceGroup group);

// The group whose context menu stands for `group` in the Edit menu: "System"
// (and no group at all) borrow the disk controllers' menu.
DeviceGroup menuGroupOf(std::optional<DeviceGroup> group);

// The help context of the selected node's group; 10050 without a node.
inline constexpr int kNoNodeHelpContext = 10050;
int helpContextOf(std::optional<DeviceGroup> group);
