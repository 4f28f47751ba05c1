#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "check/conflict_checker.h"
#include "config/configuration.h"
#include "config/device_groups.h"
#include "config/device_properties.h"
#include "config/host_link.h"
#include "config/script_reader.h"
#include "config/script_writer.h"

class UserMessages;
class SettingsStore;

// What the document needs from the main window.
class DocumentWindow {
 public:
  virtual ~DocumentWindow() = default;
  // Rebuild the tree from the document.
  virtual void resetView() = 0;
  // The main window's handle; 0 while there is no main window (start-up).
  virtual WindowHandle mainWindowHandle() const = 0;
  // Show another editor window: restore it when minimised, else bring it to the front.
  virtual void switchToWindow(WindowHandle other) = 0;
};

// Opens a device's property sheet; the UI implements it.
class PropertySheetOpener {
 public:
  virtual ~PropertySheetOpener() = default;
  // True when the user confirmed the sheet of the named device.
  virtual bool openPropertySheet(const std::string& deviceName) = 0;
  // The same for one device itself, where a name may be shared.
  virtual bool openPropertySheet(VelmorBusDevice& device) { return openPropertySheet(device.name); }
  // The system entry's sheet; true when confirmed.
  virtual bool openSystemSheet() { return false; }
};

// The kinds the add commands create.
enum class AddKind { Disk, Tape, Serial, Network, Va1000, Bridge, Parallel, TimerOrClock, Loader, ROM };

// The one document of the editor: the configuration, its conflict checker and
// the modified flag, with new, open, save and close and the editing commands.
class CVelmorCfgEditorDoc {
 public:
  CVelmorCfgEditorDoc(UserMessages& messages, const SettingsStore* settings = nullptr, HostLink* hostLink = nullptr);
  ~CVelmorCfgEditorDoc();
  CVelmorCfgEditorDoc(const CVelmorCfgEditorDoc&) = delete;
  CVelmorCfgEditorDoc& operator=(const CVelmorCfgEditorDoc&) = delete;

  void setWindow(DocumentWindow* window) { window_ = window; }
  void setPropertySheets(PropertySheetOpener* sheets) { sheets_ = sheets; }
  // The editor tells the user once which lines an opened file loses; the
  // command-line tool leaves that to its own output.
  void setReportLostLines(bool report) { reportLostLines_ = report; }
  // The command-line tool reads pipes and devices too (/dev/stdin, a shell's
  // <(...)), where waiting for the bytes is expected. The editor opens
  // regular files only: a pipe nothing writes to would freeze it.
  void setReadsStreams(bool reads) { readsStreams_ = reads; }

  Configuration& configuration() { return config_; }
  const Configuration& configuration() const { return config_; }
  ConflictChecker& checker() { return checker_; }
  const ConflictChecker& checker() const { return checker_; }
  UserMessages& messages() { return messages_; }

  bool isModified() const { return modified_; }
  void setModified(bool modified = true) { modified_ = modified; }

  // Lifecycle.
  bool OnNewDocument();
  bool OnOpenDocument(const std::string& path);
  // Whether the last open found no file it could open (gone, unreadable, a
  // folder), as against one it declined or read only in part.
  bool lastOpenFoundNoFile() const { return lastOpenFoundNoFile_; }
  // Save to `path` (the user's Save or Save As); `options` carry the moment
  // of writing. A file that cannot be written is reported to the user, unless
  // `options.failure` asks for the reason, for a message of the caller's own.
  bool OnSaveDocument(const std::string& path, const ScriptWriteOptions& options = {});
  // Save at once to the current path ("Bus warnings enabled", "Disabled
  // Sign...", a confirmed general header). Fails quietly without a current
  // path or after a failed open, and asks first when the file's read lost
  // lines.
  bool SaveAtOnce();
  void OnCloseDocument();
  // The status an open during start-up left for the main window to report.
  void ReportPendingHostStatus();

  // What the last successful open could not keep.
  const std::vector<LostLine>& lostLines() const { return lostLines_; }

  void SetTargetOs(const std::string& os);

  // Editing.
  std::string AddDevice(AddKind kind, const std::string& typeWord);
  void RemoveDevice(const std::string& name);
  bool Enable(const std::string& name);
  void Disable(const std::string& name);
  // The same for one device of the configuration itself, as a tree node
  // stands for one: reading never loads two devices of one name, but the
  // configuration itself does not forbid them.
  void RemoveDevice(VelmorBusDevice& device);
  bool Enable(VelmorBusDevice& device);
  void Disable(VelmorBusDevice& device);
  // "Enable Group" / "Disable Group"; false when there is nothing to change.
  bool SetGroupEnabled(DeviceGroup group, bool enable);

  // Property sheets. `runSheet` shows the sheet on a working copy; only a
  // confirmed sheet changes the device. False for an unknown or disabled
  // device (no sheet is shown) and for a cancelled sheet. A binary loader's
  // sheet has no General page: only its own pages and the comments count.
  bool DeviceProperties(const std::string& name, const DeviceSheetRunner& runSheet);
  bool DeviceProperties(VelmorBusDevice& device, const DeviceSheetRunner& runSheet);
  bool SystemProperties(const SystemSheetRunner& runSheet);

 private:
  void leaveCurrentFile();
  void claimFile(const std::string& path);
  void rebuildChecker();
  // The checker finds entries by name: where the name is shared it cannot
  // tell which entry is the device's, so it is built afresh instead.
  bool checkerCannotTell(const std::string& name) const;
  // The checker takes the device's disabled flag as it now stands.
  void followDisabledFlag(const VelmorBusDevice& device);
  void resetView();
  void writeBackDevice(VelmorBusDevice& device, DeviceSheetValues& values);
  void tellLostLines(const std::string& path);
  WindowHandle mainWindow() const { return window_ ? window_->mainWindowHandle() : 0; }

  UserMessages& messages_;
  HostLink* hostLink_;
  Configuration config_;
  ConflictChecker checker_;
  DocumentWindow* window_ = nullptr;
  PropertySheetOpener* sheets_ = nullptr;
  bool modified_ = false;
  bool reportLostLines_ = false;
  bool openFailed_ = false;
  bool lastOpenFoundNoFile_ = false;
  bool readsStreams_ = false;
  std::vector<LostLine> lostLines_;
  std::string pendingStatusPath_;
  std::string heldPath_;  // the file the host link was told this editor holds
};
