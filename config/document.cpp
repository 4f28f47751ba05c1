#include "config/document.h"

#include <fstream>

#include "config/script_writer.h"
#include "config/user_messages.h"

namespace {
// The longest list of lost lines shown in one message.
constexpr std::size_t kLostLinesShown = 12;
}  // namespace

CVelmorCfgEditorDoc::CVelmorCfgEditorDoc(UserMessages& messages, const SettingsStore* settings, HostLink* hostLink)
    : messages_(messages), hostLink_(hostLink), config_(settings), checker_(config_.system.bus) {}

CVelmorCfgEditorDoc::~CVelmorCfgEditorDoc() { OnCloseDocument(); }

void CVelmorCfgEditorDoc::leaveCurrentFile() {
  if (!config_.currentPath.empty() && hostLink_) hostLink_->SetDocStatus(config_.currentPath, 0, 0);
}

void CVelmorCfgEditorDoc::rebuildChecker() {
  checker_ = ConflictChecker();
  checker_.build(config_);
}

void CVelmorCfgEditorDoc::resetView() {
  if (window_) window_->resetView();
}

bool CVelmorCfgEditorDoc::OnNewDocument() {
  leaveCurrentFile();
  config_.currentPath.clear();
  config_.ResetConfiguration();
  resetView();
  // An empty checker, but one that knows the system's bus, so devices added
  // to the new configuration are checked against it.
  rebuildChecker();
  modified_ = false;
  openFailed_ = false;
  lostLines_.clear();
  return true;
}

bool CVelmorCfgEditorDoc::OnOpenDocument(const std::string& path) {
  if (!std::ifstream(path, std::ios::binary)) {
    messages_.stop("Cannot open the file " + path + ".");
    return false;
  }
  if (hostLink_) {
    std::uint32_t flags = 0;
    WindowHandle other = 0;
    hostLink_->GetDocInformation(path, flags, 0, &other);
    if (flags & kOpenElsewhere) {
      if (other != 0) {
        if (messages_.askYesNo("The configuration file is already open in another window. Do you wish to switch "
                               "to that window?") &&
            window_)
          window_->switchToWindow(other);
      } else {
        messages_.stop("The configuration file is already open");
      }
      return false;
    }
  }
  leaveCurrentFile();
  config_.ResetConfiguration();
  ReadReport report;
  lostLines_.clear();
  if (!ReadScript(config_, path, messages_, &report)) {
    messages_.stop("Unable to load configuration file.");
    // What was read stays on show, but no save at once may write it over the file.
    openFailed_ = true;
    rebuildChecker();
    resetView();
    return false;
  }
  openFailed_ = false;
  lostLines_ = std::move(report.lost);
  rebuildChecker();
  modified_ = false;
  if (mainWindow() != 0) {
    if (hostLink_) hostLink_->SetDocStatus(config_.currentPath, 1, mainWindow());
    resetView();
  } else {
    pendingStatusPath_ = config_.currentPath;
  }
  if (reportLostLines_ && !lostLines_.empty()) tellLostLines(path);
  return true;
}

void CVelmorCfgEditorDoc::tellLostLines(const std::string& path) {
  std::string text = "Some lines of " + path +
                     " cannot be kept by the editor. Saving will not write them back to the file:\n";
  for (std::size_t i = 0; i < lostLines_.size() && i < kLostLinesShown; ++i)
    text += "\nline " + std::to_string(lostLines_[i].number) + ": " + lostLines_[i].text;
  if (lostLines_.size() > kLostLinesShown)
    text += "\n... and " + std::to_string(lostLines_.size() - kLostLinesShown) + " more lines.";
  messages_.warning(text);
}

void CVelmorCfgEditorDoc::ReportPendingHostStatus() {
  if (pendingStatusPath_.empty()) return;
  if (hostLink_) hostLink_->SetDocStatus(pendingStatusPath_, 1, mainWindow());
  pendingStatusPath_.clear();
}

bool CVelmorCfgEditorDoc::OnSaveDocument(const std::string& path, const ScriptWriteOptions& options) {
  const std::string remembered = config_.currentPath;
  const bool otherPath = path != remembered;
  if (otherPath && hostLink_) {
    std::uint32_t flags = 0;
    hostLink_->GetDocInformation(path, flags, 0, nullptr);
    if (flags != 0) {
      messages_.stop("The document " + path + " is already open in another window.");
      return false;
    }
  }
  if (!WriteScript(config_, path, options)) return false;
  if (otherPath && hostLink_) {
    if (!remembered.empty()) hostLink_->SetDocStatus(remembered, 0, 0);
    hostLink_->SetDocStatus(path, 1, mainWindow());
  }
  modified_ = false;
  openFailed_ = false;
  lostLines_.clear();  // the file now holds exactly what the editor keeps
  return true;
}

bool CVelmorCfgEditorDoc::SaveAtOnce() {
  if (config_.currentPath.empty() || openFailed_) return false;
  if (!lostLines_.empty() &&
      !messages_.askYesNo("The file " + config_.currentPath + " holds " + std::to_string(lostLines_.size()) +
                          " line(s) that the editor cannot keep. Saving now removes them from the file. "
                          "Save anyway?"))
    return false;
  return OnSaveDocument(config_.currentPath);
}

void CVelmorCfgEditorDoc::OnCloseDocument() {
  leaveCurrentFile();
  config_.currentPath.clear();
}

void CVelmorCfgEditorDoc::SetTargetOs(const std::string& os) {
  config_.targetOs = os;
  modified_ = true;
}
