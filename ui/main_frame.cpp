#include "ui/main_frame.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QPrinter>
#include <QStatusBar>
#include <QTreeWidget>

#include "ui/about_dialog.h"
#include "ui/editor_view.h"
#include "ui/help_window.h"
#include "ui/path_text.h"
#include "ui/sheet_opener_factory.h"

namespace {

// `prompt` is the status-bar text. Commands the editor names no prompt for
// (New, Open, Save, Exit, ...) carry the standard prompts Windows programs
// show for them.
QAction* addCommand(QMenu* menu, const QString& text, const QString& prompt, const QKeySequence& keys = {}) {
  QAction* action = menu->addAction(text);
  action->setStatusTip(prompt);
  if (!keys.isEmpty()) action->setShortcut(keys);
  return action;
}

}  // namespace

CMainFrame::CMainFrame(CVelmorCfgEditorDoc& document, DialogRunner& dialogs, SettingsStore* settings,
                       ClassesRegistry* classes, std::unique_ptr<PropertySheetOpener> sheets)
    : doc_(document),
      dialogs_(dialogs),
      settings_(settings),
      classes_(classes),
      sheets_(std::move(sheets)),
      view_(new CVelmorEditorView(document, dialogs, this)) {
  setWindowIcon(applicationIcon());
  setCentralWidget(view_);
  if (!sheets_) sheets_ = makePropertySheetOpener(doc_, dialogs_, this);
  view_->setSheetOpener(sheets_.get());
  doc_.setPropertySheets(sheets_.get());
  doc_.setWindow(this);

  buildMenus();
  buildStatusBar();
  connect(view_, &CVelmorEditorView::groupMenuRequested, this, &CMainFrame::setGroupMenu);
  connect(view_, &CVelmorEditorView::statusPrompt, this,
          [this](const QString& text) { statusBar()->showMessage(text); });
  connect(view_, &CVelmorEditorView::loadRequested, this, &CMainFrame::openWithDialog);
  connect(view_, &CVelmorEditorView::saveRequested, this, &CMainFrame::save);
  connect(view_, &CVelmorEditorView::saveAsRequested, this, &CMainFrame::saveAs);
  connect(view_, &CVelmorEditorView::helpContentsRequested, this, &CMainFrame::showHelpTopics);
  connect(view_, &CVelmorEditorView::generalHeaderRequested, this, &CMainFrame::editGeneralHeader);
  connect(view_, &CVelmorEditorView::exitRequested, this, &QWidget::close);

  // A fixed form: no sizing border and no maximize box.
  setWindowFlag(Qt::WindowMaximizeButtonHint, false);
  view_->initialUpdate();
  fitToTree();
  updateTitle();
}

CMainFrame::~CMainFrame() {
  doc_.setWindow(nullptr);
  doc_.setPropertySheets(nullptr);
}

void CMainFrame::buildMenus() {
  buildFileMenu();
  buildEditMenu();

  QMenu* viewMenu = menuBar()->addMenu("&View");
  QAction* statusBarItem = addCommand(viewMenu, "&Status Bar", "Show or hide the status bar");
  statusBarItem->setCheckable(true);
  statusBarItem->setChecked(true);
  connect(statusBarItem, &QAction::toggled, this, [this](bool on) { statusBar()->setVisible(on); });

  optionsMenu_ = menuBar()->addMenu("Options");
  busWarnings_ = addCommand(optionsMenu_, "Bus warnings enabled", "Enable/Disable incorrect bus type warnings ");
  busWarnings_->setCheckable(true);
  busWarnings_->setChecked(doc_.configuration().warnings);
  connect(busWarnings_, &QAction::triggered, this, &CMainFrame::toggleBusWarnings);
  optionsMenu_->addSeparator();
  connect(addCommand(optionsMenu_, "Associate with extension", "Associate Velmor Configuration Editor with .cfg files"),
          &QAction::triggered, this, &CMainFrame::associate);
  connect(addCommand(optionsMenu_, "Dissociate with extension",
                     "Dissociate Velmor Configuration Editor with .cfg files"),
          &QAction::triggered, this, &CMainFrame::dissociate);
  optionsMenu_->addSeparator();
  connect(addCommand(optionsMenu_, "Disabled Sign...", ""), &QAction::triggered, this,
          &CMainFrame::chooseDisabledSign);
  connect(optionsMenu_, &QMenu::aboutToShow, this,
          [this] { busWarnings_->setChecked(doc_.configuration().warnings); });

  QMenu* helpMenu = menuBar()->addMenu("&Help");
  connect(addCommand(helpMenu, "&Help Topics", "List Help topics"), &QAction::triggered, this,
          &CMainFrame::showHelpTopics);
  helpMenu->addSeparator();
  connect(addCommand(helpMenu, "&About VelmorCfgEditor...", "Display program information, version number and copyright"),
          &QAction::triggered, this, &CMainFrame::showAbout);

  // The keyboard table's help keys; its editing and pane keys have no command.
  auto* contextHelp = new QAction(this);
  contextHelp->setShortcuts({QKeySequence(Qt::Key_F1), QKeySequence(Qt::SHIFT | Qt::Key_F1)});
  connect(contextHelp, &QAction::triggered, this, &CMainFrame::showContextHelp);
  addAction(contextHelp);
}

void CMainFrame::buildFileMenu() {
  fileMenu_ = menuBar()->addMenu("&File");
  connect(addCommand(fileMenu_, "&New\tCtrl+N", "Create a new document", QKeySequence("Ctrl+N")),
          &QAction::triggered, this, &CMainFrame::newDocument);
  connect(addCommand(fileMenu_, "&Open...\tCtrl+O", "Open an existing document", QKeySequence("Ctrl+O")),
          &QAction::triggered, this, &CMainFrame::openWithDialog);
  connect(addCommand(fileMenu_, "&Save\tCtrl+S", "Save the active document", QKeySequence("Ctrl+S")),
          &QAction::triggered, this, &CMainFrame::save);
  connect(addCommand(fileMenu_, "Save &As...", "Save the active document with a new name"), &QAction::triggered,
          this, &CMainFrame::saveAs);
  fileMenu_->addSeparator();
  connect(addCommand(fileMenu_, "&Print...\tCtrl+P", "Print the active document", QKeySequence("Ctrl+P")),
          &QAction::triggered, this, &CMainFrame::print);
  connect(addCommand(fileMenu_, "P&rint Setup...", "Change the printer and printing options"), &QAction::triggered,
          this, &CMainFrame::printSetup);
  fileMenu_->addSeparator();
  noRecentAction_ = addCommand(fileMenu_, "Recent File", "");
  noRecentAction_->setEnabled(false);
  for (int i = 0; i < kRecentFileCount; ++i) {
    recentActions_[i] = fileMenu_->addAction(QString());
    recentActions_[i]->setStatusTip("Open this document");
    connect(recentActions_[i], &QAction::triggered, this,
            [this, i] { openFile(recentActions_[i]->data().toString()); });
  }
  fileMenu_->addSeparator();
  connect(addCommand(fileMenu_, "E&xit", "Quit the application; prompts to save documents"), &QAction::triggered,
          this, &QWidget::close);
  updateRecentMenu();
}

void CMainFrame::buildEditMenu() {
  editMenu_ = menuBar()->addMenu("&Edit");
  // Position 0 is the slot of the selected group's "Add Device" menu.
  editMenu_->addSeparator();
  editMenu_->addSeparator();
  connect(addCommand(editMenu_, "P&roperties...\tCtrl+K", "View/Change selected device properties",
                     QKeySequence("Ctrl+K")),
          &QAction::triggered, view_, &CVelmorEditorView::openSelected);
  editMenu_->addSeparator();
  connect(addCommand(editMenu_, "&Disable\tCtrl+D", "Disable currently selected device", QKeySequence("Ctrl+D")),
          &QAction::triggered, view_, &CVelmorEditorView::disableSelected);
  connect(addCommand(editMenu_, "&Enable\tCtrl+E", "Enable currently selected device", QKeySequence("Ctrl+E")),
          &QAction::triggered, view_, &CVelmorEditorView::enableSelected);
  connect(addCommand(editMenu_, "De&lete\tCtrl+L", "", QKeySequence("Ctrl+L")), &QAction::triggered, view_,
          &CVelmorEditorView::deleteSelected);
  editMenu_->addSeparator();
  connect(addCommand(editMenu_, "General Header...", "View/Change general header information"), &QAction::triggered,
          this, &CMainFrame::editGeneralHeader);
}

void CMainFrame::setGroupMenu(DeviceGroup group) {
  QAction* slot = editMenu_->actions().value(0);
  auto* menu = new QMenu("Add Device", editMenu_);
  view_->fillAddDeviceMenu(*menu, group);
  editMenu_->insertMenu(slot, menu);
  editMenu_->removeAction(slot);
  if (addDeviceMenu_) addDeviceMenu_->deleteLater();
  addDeviceMenu_ = menu;
}

void CMainFrame::buildStatusBar() {
  idlePrompt_ = new QLabel("For Help, press F1");
  statusBar()->addWidget(idlePrompt_, 1);
  // Qt cannot read the lock keys' states portably: the panes show their
  // names, as the indicators read when the keys are on.
  for (const char* indicator : {"CAP", "NUM", "SCRL"}) {
    auto* pane = new QLabel(indicator);
    pane->setFrameShape(QFrame::Panel);
    pane->setFrameShadow(QFrame::Sunken);
    pane->setAlignment(Qt::AlignCenter);
    pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance("SCRL") + 10);
    statusBar()->addPermanentWidget(pane);
  }
}

void CMainFrame::resetView() {
  view_->initialUpdate();
  view_->rebuild();
  busWarnings_->setChecked(doc_.configuration().warnings);
  fitToTree();
  updateTitle();
}

WindowHandle CMainFrame::mainWindowHandle() const {
  // Until the window is shown at start-up the document keeps the host-link
  // status for later, as it does before the main window exists.
  return shown_ ? static_cast<WindowHandle>(winId()) : 0;
}

void CMainFrame::switchToWindow(WindowHandle) {
  // Another editor's window cannot be raised portably from here; the host
  // link of this build never reports one.
}

void CMainFrame::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  shown_ = true;
}

void CMainFrame::closeEvent(QCloseEvent* event) {
  if (!saveModified()) {
    event->ignore();
    return;
  }
  if (help_) help_->close();
  event->accept();
}

void CMainFrame::fitToTree() {
  const QSize tree = view_->tree()->size();
  setFixedSize(2 * tree.width(), static_cast<int>(1.35 * tree.height()));
}

QString CMainFrame::titleText() const {
  const QString path = pathText(doc_.configuration().currentPath);
  return (path.isEmpty() ? QString("Untitled") : QFileInfo(path).fileName()) + " - VelmorCfgEditor";
}

void CMainFrame::updateTitle() { setWindowTitle(titleText()); }

CHelpWindow* CMainFrame::helpWindow() {
  if (!help_) help_ = new CHelpWindow(this);
  return help_;
}

QPrinter& CMainFrame::printer() {
  if (!printer_) printer_ = std::make_unique<QPrinter>();
  return *printer_;
}
