#include "config/document.h"

#include <filesystem>
#include <fstream>

#include "config/native_path.h"
#include "config/script_writer.h"
#include "config/user_messages.h"

namespace {

// The longest list of lost lines shown in one message.
constexpr std::size_t kLostLinesShown = 12;

// "1 more line", "2 more lines".
std::string moreOf(std::size_t count, const char* one, const char* many) {
  return std::to_string(count) + " more " + (count == 1 ? one : many);
}

// The reader's messages during one open. A damaged file may hold thousands of
// statements that cannot be read, and a box for each would keep the user
// clicking for as long: the first few are shown, the others counted and told
// in one message after the read.
class OpenMessages : public UserMessages {
 public:
  static constexpr std::size_t kShown = 10;

  explicit OpenMessages(UserMessages& shown) : shown_(shown) {}
  void warning(const std::string& text) override {
    if (warnings_++ < kShown) shown_.warning(text);
  }
  void stop(const std::string& text) override { shown_.stop(text); }
  bool askYesNo(const std::string& text) override { return shown_.askYesNo(text); }
  bool askYesNoStop(const std::string& text) override { return shown_.askYesNoStop(text); }

  void tellUnshown() {
    if (warnings_ <= kShown) return;
    shown_.warning(moreOf(warnings_ - kShown, "statement", "statements") + " of this file could not be read either.");
  }

 private:
  UserMessages& shown_;
  std::size_t warnings_ = 0;
};

}  // namespace

CVelmorCfgEditorDoc::CVelmorCfgEditorDoc(UserMessages& messages, const SettingsStore* settings, HostLink* hostLink)
    : messages_(messages), hostLink_(hostLink), config_(settings), checker_(config_.system.bus) {}

CVelmorCfgEditorDoc::~CVelmorCfgEditorDoc() { OnCloseDocument(); }

// Status 0 goes only for the file this editor told the host link it holds:
// after a failed open the current path names a file it never claimed, and
// releasing that could clear another window's claim.
void CVelmorCfgEditorDoc::leaveCurrentFile() {
  if (heldPath_.empty()) return;
  if (pendingStatusPath_ == heldPath_)
    pendingStatusPath_.clear();  // never reported: nothing to take back
  else if (hostLink_)
    hostLink_->SetDocStatus(heldPath_, 0, 0);
  heldPath_.clear();
}

void CVelmorCfgEditorDoc::claimFile(const std::string& path) {
  heldPath_ = path;
  if (mainWindow() != 0) {
    if (hostLink_) hostLink_->SetDocStatus(path, 1, mainWindow());
  } else {
    // During start-up the main window reports it once it exists.
    pendingStatusPath_ = path;
  }
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
  // A folder opens as a stream on some systems but is no script.
  std::error_code error;
  const bool readable =
      readsStreams_ ? !std::filesystem::is_directory(nativePath(path), error)
                    : std::filesystem::is_regular_file(nativePath(path), error);
  lastOpenFoundNoFile_ = !readable || !std::ifstream(path, std::ios::binary);
  if (lastOpenFoundNoFile_) {
    messages_.stop("Cannot open the file " + path + ".");
    return false;
  }
  if (hostLink_) {
    std::uint32_t flags = 0;
    WindowHandle other = 0;
    hostLink_->GetDocInformation(path, flags, 0, &other);
    if (flags & kOpenElsewhere) {
      if (other != 0) {
        if (messages_.askYesNoStop("The configuration file is already open in another window. Do you wish to "
                                   "switch to that window?") &&
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
  OpenMessages openMessages(messages_);
  const bool read = ReadScript(config_, path, openMessages, &report);
  openMessages.tellUnshown();
  lostLines_ = std::move(report.lost);
  if (!read) {
    messages_.stop("Unable to load configuration file.");
    // What was read stays on show, but no save at once may write it over the
    // file, and no "Save changes" question may offer to: the edits of the
    // document before are gone, and nothing of this one has been changed.
    // A save the user asks for may, so the user hears what it would drop.
    openFailed_ = true;
    modified_ = false;
    rebuildChecker();
    resetView();
    if (reportLostLines_ && !lostLines_.empty()) tellLostLines(path);
    return false;
  }
  openFailed_ = false;
  rebuildChecker();
  modified_ = false;
  claimFile(config_.currentPath);
  if (mainWindow() != 0) resetView();
  if (reportLostLines_ && !lostLines_.empty()) tellLostLines(path);
  return true;
}

void CVelmorCfgEditorDoc::tellLostLines(const std::string& path) {
  std::string text = "Some lines of " + path +
                     " cannot be kept by the editor. Saving will not write them back to the file:\n";
  for (std::size_t i = 0; i < lostLines_.size() && i < kLostLinesShown; ++i)
    text += "\nline " + std::to_string(lostLines_[i].number) + ": " + lostLines_[i].text;
  if (lostLines_.size() > kLostLinesShown)
    text += "\n... and " + moreOf(lostLines_.size() - kLostLinesShown, "line", "lines") + ".";
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
  std::string reason;
  ScriptWriteOptions writing = options;
  if (!writing.failure) writing.failure = &reason;
  if (!WriteScript(config_, path, writing)) {
    // A caller that asks for the reason words its own message.
    if (!options.failure && !reason.empty())
      messages_.stop("Unable to save configuration file.\n" + path + ": " + reason);
    return false;
  }
  if (otherPath || heldPath_ != path) {
    leaveCurrentFile();
    claimFile(path);
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
