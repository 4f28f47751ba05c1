#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include <array>
#include <memory>

#include "config/document.h"

class ClassesRegistry;
class CHelpWindow;
class CVelmorEditorView;
class DialogRunner;
class QLabel;
class QMenu;
class QPrinter;
class SettingsStore;

// The main window: menus, status bar and the one view; it carries the
// document's requests (reset view) and the view's (group menu, exit).
class CMainFrame : public QMainWindow, public DocumentWindow {
  Q_OBJECT
 public:
  static constexpr int kRecentFileCount = 4;

  // `settings` holds "DisabledSign" and "Path"; `classes` is where the
  // association is written. Without `sheets` the editor's own opener is made.
  CMainFrame(CVelmorCfgEditorDoc& document, DialogRunner& dialogs, SettingsStore* settings, ClassesRegistry* classes,
             std::unique_ptr<PropertySheetOpener> sheets = nullptr);
  ~CMainFrame() override;

  // DocumentWindow.
  void resetView() override;
  WindowHandle mainWindowHandle() const override;
  void switchToWindow(WindowHandle other) override;

  CVelmorEditorView* view() const { return view_; }
  QMenu* editMenu() const { return editMenu_; }
  QMenu* optionsMenu() const { return optionsMenu_; }
  QMenu* fileMenu() const { return fileMenu_; }
  QAction* busWarningsAction() const { return busWarnings_; }
  CHelpWindow* helpWindow();
  QLabel* idlePrompt() const { return idlePrompt_; }

  // File commands; each asks "Save changes to %1?" first where a modified
  // document would be replaced. False when nothing was opened or saved.
  bool newDocument();
  bool openFile(const QString& path);
  bool openWithDialog();
  bool save();
  bool saveAs();
  void print();
  void printSetup();
  // Yes saves, No discards, Cancel stops: true when the caller may go on.
  bool saveModified();
  QStringList recentFiles() const;

  // Edit and Options commands.
  void editGeneralHeader();
  void toggleBusWarnings();
  void associate();
  void dissociate();
  void chooseDisabledSign();
  void showAbout();
  // F1: the help page of the selected node's group.
  void showContextHelp();
  void showHelpTopics();

  // The title the window shows: "<file name or Untitled> - VelmorCfgEditor".
  QString titleText() const;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void buildMenus();
  void buildFileMenu();
  void buildEditMenu();
  void buildStatusBar();
  void setGroupMenu(DeviceGroup group);
  void addRecentFile(const QString& path);
  void removeRecentFile(const QString& path);
  void updateRecentMenu();
  void updateTitle();
  void fitToTree();
  QPrinter& printer();

  CVelmorCfgEditorDoc& doc_;
  DialogRunner& dialogs_;
  SettingsStore* settings_;
  ClassesRegistry* classes_;
  std::unique_ptr<PropertySheetOpener> sheets_;
  CVelmorEditorView* view_;
  QMenu* fileMenu_ = nullptr;
  QMenu* editMenu_ = nullptr;
  QMenu* optionsMenu_ = nullptr;
  QPointer<QMenu> addDeviceMenu_;
  QAction* busWarnings_ = nullptr;
  std::array<QAction*, kRecentFileCount> recentActions_{};
  QAction* noRecentAction_ = nullptr;
  QLabel* idlePrompt_ = nullptr;
  QPointer<CHelpWindow> help_;
  std::unique_ptr<QPrinter> printer_;
  bool shown_ = false;
};
