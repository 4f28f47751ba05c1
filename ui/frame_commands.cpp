// The main window's File, Edit, Options and Help commands.
#include <QFileInfo>
#include "ui/script_text.h"
#include <QLineEdit>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QSettings>

#include "config/file_association.h"
#include "config/script_writer.h"
#include "config/settings_store.h"
#include "config/user_messages.h"
#include "ui/about_dialog.h"
#include "ui/dialog_runner.h"
#include "ui/disabled_sign_dialog.h"
#include "ui/editor_view.h"
#include "ui/general_header_dialog.h"
#include "ui/help_window.h"
#include "ui/main_frame.h"
#include "ui/path_text.h"
#include "ui/print_pagination.h"
#include "ui/script_printer.h"

namespace {

const char* const kRecentKey = "Recent File List";

// Removes every entry naming `path`; on Windows letter case does not tell
// files apart, so one file opened as "A.cfg" and "a.cfg" is listed once.
qsizetype removeSameFile(QStringList& files, const QString& path) {
#ifdef Q_OS_WIN
  constexpr Qt::CaseSensitivity kFileNameCase = Qt::CaseInsensitive;
#else
  constexpr Qt::CaseSensitivity kFileNameCase = Qt::CaseSensitive;
#endif
  return files.removeIf([&](const QString& file) { return file.compare(path, kFileNameCase) == 0; });
}

}  // namespace

bool CMainFrame::saveModified() {
  if (!doc_.isModified()) return true;
  const QString path = pathText(doc_.configuration().currentPath);
  QMessageBox question(QMessageBox::Warning, "VelmorCfgEditor",
                       QString("Save changes to %1?").arg(path.isEmpty() ? "Untitled" : path),
                       QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, this);
  switch (dialogs_.exec(question)) {
    case QMessageBox::Yes: return save();
    case QMessageBox::No: return true;
    default: return false;
  }
}

bool CMainFrame::newDocument() {
  if (!saveModified()) return false;
  const bool made = doc_.OnNewDocument();
  updateTitle();
  return made;
}

bool CMainFrame::openWithDialog() {
  const QString path = dialogs_.openFileName(this);
  return !path.isEmpty() && openFile(path);
}

bool CMainFrame::openFile(const QString& path) {
  if (!saveModified()) return false;
  // A name given relative (on the command line) is made whole: the host link
  // and every later message must name the same file from any folder.
  const bool opened = doc_.OnOpenDocument(wholePathBytes(path));
  if (opened)
    addRecentFile(QFileInfo(path).absoluteFilePath());
  else if (doc_.lastOpenFoundNoFile())
    // A file open in another window, or read only in part, is still there.
    removeRecentFile(QFileInfo(path).absoluteFilePath());
  updateTitle();
  return opened;
}

bool CMainFrame::save() {
  const std::string path = doc_.configuration().currentPath;
  if (path.empty()) return saveAs();
  const bool saved = doc_.OnSaveDocument(path);
  // Every save puts the file first in the recent list, as Save As does.
  if (saved) addRecentFile(QFileInfo(pathText(path)).absoluteFilePath());
  updateTitle();
  return saved;
}

bool CMainFrame::saveAs() {
  const QString current = pathText(doc_.configuration().currentPath);
  const QString suggested = current.isEmpty() ? QString("Velmor.cfg") : current;
  const QString path = dialogs_.saveFileName(this, suggested);
  if (path.isEmpty()) return false;
  const bool saved = doc_.OnSaveDocument(pathBytes(path));
  if (saved) addRecentFile(QFileInfo(path).absoluteFilePath());
  updateTitle();
  return saved;
}

void CMainFrame::print() {
  QPrintDialog dialog(&printer(), this);
  // The pages follow from the script and are all printed; "Pages from ... to"
  // is not offered.
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  if (dialogs_.exec(dialog) != QDialog::Accepted) return;
  // Nothing on paper must not pass for a print.
  if (!printScriptLines(printer(), splitPrintLines(FormatScript(doc_.configuration()))))
    doc_.messages().warning("Unable to print the configuration file.");
}

void CMainFrame::printSetup() {
  QPageSetupDialog dialog(&printer(), this);
  dialogs_.exec(dialog);
}

QStringList CMainFrame::recentFiles() const {
  QStringList files = QSettings().value(kRecentKey).toStringList();
  // An empty entry (a hand-edited settings file) would show as a blank item.
  files.removeAll(QString());
  return files;
}

void CMainFrame::addRecentFile(const QString& path) {
  QStringList files = recentFiles();
  removeSameFile(files, path);
  files.prepend(path);
  while (files.size() > kRecentFileCount) files.removeLast();
  QSettings().setValue(kRecentKey, files);
  updateRecentMenu();
}

void CMainFrame::removeRecentFile(const QString& path) {
  QStringList files = recentFiles();
  if (removeSameFile(files, path) == 0) return;
  QSettings().setValue(kRecentKey, files);
  updateRecentMenu();
}

void CMainFrame::updateRecentMenu() {
  const QStringList files = recentFiles();
  for (int i = 0; i < kRecentFileCount; ++i) {
    const bool used = i < files.size();
    recentActions_[i]->setVisible(used);
    if (!used) continue;
    // An "&" of the path is doubled, or the menu would take it for a mnemonic and hide it.
    recentActions_[i]->setText(QString("&%1 %2").arg(i + 1).arg(QString(files[i]).replace('&', "&&")));
    recentActions_[i]->setData(files[i]);
  }
  noRecentAction_->setVisible(files.isEmpty());
}

void CMainFrame::editGeneralHeader() {
  Configuration& config = doc_.configuration();
  CGeneralHeaderDialog dialog(config, this);
  if (dialogs_.exec(dialog) != QDialog::Accepted) return;
  config.userName = toBytes(dialog.userNameEdit()->text());
  config.projectName = toBytes(dialog.projectNameEdit()->text());
  // Kept as a change when there is no file to save to yet.
  doc_.setModified();
  doc_.SaveAtOnce();
  updateTitle();
}

void CMainFrame::toggleBusWarnings() {
  Configuration& config = doc_.configuration();
  config.warnings = !config.warnings;
  busWarnings_->setChecked(config.warnings);
  doc_.setModified();
  doc_.SaveAtOnce();
}

void CMainFrame::associate() {
  if (settings_ && classes_) Associate(*settings_, *classes_);
}

void CMainFrame::dissociate() {
  if (classes_) Dissociate(*classes_);
}

void CMainFrame::chooseDisabledSign() {
  Configuration& config = doc_.configuration();
  CDisabledSignDialog dialog(fromBytes(config.disabledSign), this);
  if (dialogs_.exec(dialog) != QDialog::Accepted) return;
  const std::string sign = toBytes(dialog.sign());
  if (sign == config.disabledSign) return;
  config.disabledSign = sign;
  if (settings_) storeDisabledSign(*settings_, sign);
  doc_.setModified();
  doc_.SaveAtOnce();
}

void CMainFrame::showAbout() {
  CAboutDialog about(this);
  dialogs_.exec(about);
}

void CMainFrame::showContextHelp() { helpWindow()->showContext(view_->helpContext()); }

void CMainFrame::showHelpTopics() { helpWindow()->showContents(); }
