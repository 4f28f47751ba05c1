#include <gtest/gtest.h>

#include <filesystem>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFormLayout>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTest>

#include "support/map_settings.h"
#include "ui/about_dialog.h"
#include "ui/disabled_sign_dialog.h"
#include "ui/editor_view.h"
#include "ui/general_header_dialog.h"
#include "ui/help_window.h"
#include "ui/main_frame.h"
#include "ui_fixtures.h"

namespace {

std::vector<std::string> menuTexts(const QMenu* menu) {
  std::vector<std::string> texts;
  for (QAction* action : menu->actions())
    if (action->isVisible()) texts.push_back(action->isSeparator() ? "-" : action->text().toStdString());
  return texts;
}

QAction* findAction(const QMenu* menu, const char* text) {
  for (QAction* action : menu->actions())
    if (action->text() == text) return action;
  return nullptr;
}

class MainFrameTest : public ::testing::Test, public DocumentFixture {
 protected:
  void SetUp() override {
    useTestSettings();
    settings.values["Path"] = "/opt/velmor/velmor-cfg-editor";
    auto opener = std::make_unique<RecordingSheets>();
    sheets = opener.get();
    frame = std::make_unique<CMainFrame>(doc, dialogs, &settings, nullptr, std::move(opener));
  }
  // Opens a file through the main window; the file's path is returned.
  std::string openFile(const std::string& script) {
    const std::string path = writeScript(script);
    EXPECT_TRUE(frame->openFile(QString::fromStdString(path)));
    frame->resetView();
    return path;
  }

  // Answers the next question with Cancel, keeping its text in `question`.
  void cancelTheQuestion(std::string& question) {
    dialogs.answer = [&question](QDialog& dialog) {
      question = static_cast<QMessageBox&>(dialog).text().toStdString();
      return int(QMessageBox::Cancel);
    };
  }

  MapSettings settings;
  ScriptedDialogs dialogs;
  RecordingSheets* sheets = nullptr;
  std::unique_ptr<CMainFrame> frame;
};

TEST_F(MainFrameTest, MenusInOrder) {
  std::vector<std::string> titles;
  for (QAction* action : frame->menuBar()->actions()) titles.push_back(action->text().toStdString());
  EXPECT_EQ(titles, (std::vector<std::string>{"&File", "&Edit", "&View", "Options", "&Help"}));
  EXPECT_EQ(menuTexts(frame->fileMenu()),
            (std::vector<std::string>{"&New\tCtrl+N", "&Open...\tCtrl+O", "&Save\tCtrl+S", "Save &As...", "-",
                                      "&Print...\tCtrl+P", "P&rint Setup...", "-", "Recent File", "-", "E&xit"}));
  EXPECT_EQ(menuTexts(frame->editMenu()),
            (std::vector<std::string>{"-", "-", "P&roperties...\tCtrl+K", "-", "&Disable\tCtrl+D", "&Enable\tCtrl+E",
                                      "De&lete\tCtrl+L", "-", "General Header..."}));
  EXPECT_EQ(menuTexts(frame->optionsMenu()),
            (std::vector<std::string>{"Bus warnings enabled", "-", "Associate with extension",
                                      "Dissociate with extension", "-", "Disabled Sign..."}));
  EXPECT_EQ(frame->busWarningsAction()->statusTip().toStdString(), "Enable/Disable incorrect bus type warnings ");
  EXPECT_EQ(findAction(frame->editMenu(), "De&lete\tCtrl+L")->shortcut(), QKeySequence("Ctrl+L"));
  EXPECT_EQ(frame->idlePrompt()->text().toStdString(), "For Help, press F1");
}

TEST_F(MainFrameTest, EditMenuAddDeviceFollowsTheSelection) {
  openFile("load MSCP DUA\nload DL11 YLA\n");
  CVelmorEditorView* view = frame->view();
  view->select(view->groupNode(DeviceGroup::System));
  QAction* slot = frame->editMenu()->actions()[0];
  ASSERT_NE(slot->menu(), nullptr);
  EXPECT_EQ(slot->text().toStdString(), "Add Device");
  EXPECT_EQ(menuTexts(slot->menu()),
            (std::vector<std::string>{"MSCP", "RH11", "RK07", "RK11", "RL11", "RP11", "RXV11", "RXV21"}));
  view->select(view->deviceNode("YLA"));
  slot = frame->editMenu()->actions()[0];
  EXPECT_EQ(menuTexts(slot->menu()), (std::vector<std::string>{"DL11", "DJ11", "DHV11", "DZ11", "QQ11", "QQ11-N"}));
  EXPECT_EQ(frame->editMenu()->actions().size(), 9);
  // The Edit menu's adds reach the document like the context menu's.
  slot->menu()->actions()[0]->trigger();
  EXPECT_EQ(doc.configuration().list(DeviceListId::Serials).size(), 2u);
}

TEST_F(MainFrameTest, BusWarningsToggleSavesAtOnce) {
  const std::string path = openFile("load MSCP DUA\n");
  EXPECT_TRUE(frame->busWarningsAction()->isChecked());
  frame->toggleBusWarnings();
  EXPECT_FALSE(frame->busWarningsAction()->isChecked());
  EXPECT_NE(readBytes(path).find("warning off\r\n"), std::string::npos);
  EXPECT_FALSE(doc.isModified());
  frame->toggleBusWarnings();
  EXPECT_EQ(readBytes(path).find("warning off"), std::string::npos);
}

TEST_F(MainFrameTest, CheckMarkFollowsALoadedWarningStatement) {
  openFile("warning off\nload MSCP DUA\n");
  EXPECT_FALSE(frame->busWarningsAction()->isChecked());
}

TEST_F(MainFrameTest, DisabledSignSavesOnlyWhenChanged) {
  const std::string path = openFile("#$load MSCP DUA\n");
  const std::string before = readBytes(path);
  dialogs.answer = [](QDialog&) { return int(QDialog::Accepted); };  // the same sign
  frame->chooseDisabledSign();
  EXPECT_EQ(dialogs.captions, (std::vector<std::string>{"Choose disabled sign"}));
  EXPECT_EQ(readBytes(path), before);
  EXPECT_EQ(settings.values.count("DisabledSign"), 0u);

  dialogs.answer = [](QDialog& dialog) {
    static_cast<CDisabledSignDialog&>(dialog).signBox()->setEditText("$");
    return int(QDialog::Accepted);
  };
  frame->chooseDisabledSign();
  EXPECT_EQ(doc.configuration().disabledSign, "$");
  EXPECT_EQ(settings.values["DisabledSign"], "$");
  EXPECT_NE(readBytes(path).find("\r\n$load MSCP DUA\r\n"), std::string::npos);
}

// The sign is written into the file as one byte a character, like every
// other script text, and stored as text.
TEST_F(MainFrameTest, DisabledSignIsScriptBytes) {
  const std::string path = openFile("#$load MSCP DUA\n");
  dialogs.answer = [](QDialog& dialog) {
    static_cast<CDisabledSignDialog&>(dialog).signBox()->setEditText(QString::fromUtf8("\u00A7"));
    return int(QDialog::Accepted);
  };
  frame->chooseDisabledSign();
  EXPECT_EQ(doc.configuration().disabledSign, "\xA7");
  EXPECT_EQ(settings.values["DisabledSign"], "\xC2\xA7");
  EXPECT_NE(readBytes(path).find("\r\n\xA7load MSCP DUA\r\n"), std::string::npos);
  // A character without a byte of the scripts' code page would be written as "?": refused.
  CDisabledSignDialog dialog("#$");
  dialog.signBox()->setEditText(QString::fromUtf8("#\u0414"));
  dialog.accept();
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  // The note names the character, not a rule the sign keeps.
  EXPECT_EQ(dialog.problemLabel()->text().toStdString(),
            "The disabled sign holds \"\u0414\", which a configuration file cannot store.");
  dialog.signBox()->setEditText("##");
  dialog.accept();
  EXPECT_EQ(dialog.problemLabel()->text(), QString(kChosenDisabledSignRule));
}

TEST_F(MainFrameTest, DisabledSignDialogListsAndRefusesEmptyText) {
  CDisabledSignDialog dialog("#$");
  ASSERT_EQ(dialog.signBox()->count(), 2);
  EXPECT_EQ(dialog.signBox()->itemText(0).toStdString(), "#$");
  EXPECT_EQ(dialog.signBox()->itemText(1).toStdString(), "$");
  EXPECT_TRUE(dialog.signBox()->isEditable());
  dialog.signBox()->setEditText("");
  dialog.accept();
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  for (const char* unusable : {"##", "#OS", "x!", "! !", "!\x1A"}) {
    dialog.signBox()->setEditText(unusable);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Rejected) << unusable;
  }
  dialog.signBox()->setEditText("!!");
  dialog.accept();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  // Only what the next start will honour can be typed.
  dialog.signBox()->lineEdit()->clear();
  QTest::keyClicks(dialog.signBox()->lineEdit(), "123456789012345");
  EXPECT_EQ(dialog.sign().toStdString(), "12345678901");
  // A typed "#" stays "#", although "#$" is listed.
  dialog.show();
  QApplication::setActiveWindow(&dialog);
  dialog.signBox()->setFocus();
  dialog.signBox()->lineEdit()->clear();
  QTest::keyClicks(dialog.signBox()->lineEdit(), "#");
  EXPECT_EQ(dialog.sign().toStdString(), "#");
}

TEST_F(MainFrameTest, SaveAtOnceWithoutAFileWritesNothing) {
  const std::string path = openFile("load MSCP DUA\n");
  const std::string before = readBytes(path);
  ASSERT_TRUE(frame->newDocument());
  frame->toggleBusWarnings();
  dialogs.answer = [](QDialog& dialog) {
    static_cast<CGeneralHeaderDialog&>(dialog).userNameEdit()->setText("Bob");
    return int(QDialog::Accepted);
  };
  frame->editGeneralHeader();
  EXPECT_EQ(readBytes(path), before);
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(doc.configuration().userName, "Bob");
  // Kept as changes, so closing asks.
  EXPECT_TRUE(doc.isModified());
}

TEST_F(MainFrameTest, GeneralHeaderConfirmedSavesAtOnce) {
  const std::string path = openFile("## User Name: Ann\nload MSCP DUA\n");
  dialogs.answer = [](QDialog& dialog) {
    auto& header = static_cast<CGeneralHeaderDialog&>(dialog);
    EXPECT_TRUE(header.fileNameEdit()->isReadOnly());
    EXPECT_EQ(header.userNameEdit()->text().toStdString(), "Ann");
    header.userNameEdit()->setText("Bob");
    header.projectNameEdit()->setText("Lab");
    return int(QDialog::Accepted);
  };
  frame->editGeneralHeader();
  EXPECT_EQ(dialogs.captions, (std::vector<std::string>{"General Header "}));
  const std::string written = readBytes(path);
  EXPECT_NE(written.find("## User Name: Bob\r\n"), std::string::npos);
  EXPECT_NE(written.find("## Project Name: Lab\r\n"), std::string::npos);
  // Cancel changes nothing.
  dialogs.answer = [](QDialog& dialog) {
    static_cast<CGeneralHeaderDialog&>(dialog).userNameEdit()->setText("Eve");
    return int(QDialog::Rejected);
  };
  frame->editGeneralHeader();
  EXPECT_EQ(doc.configuration().userName, "Bob");
}

TEST_F(MainFrameTest, GeneralHeaderRefusesAProjectNameReadBackAsTheUserName) {
  CGeneralHeaderDialog dialog(doc.configuration());
  dialog.projectNameEdit()->setText("copy of ## User Name: Ann");
  dialog.accept();
  EXPECT_NE(dialog.result(), QDialog::Accepted);
  EXPECT_FALSE(dialog.problemLabel()->isHidden());
  EXPECT_EQ(dialog.problemLabel()->text().toStdString(),
            "A project name holding \"## User Name\" would be read back as the user name.");
  dialog.projectNameEdit()->setText("Lab");
  dialog.accept();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

// Header values longer than a line edit keeps by default come back whole.
TEST_F(MainFrameTest, GeneralHeaderKeepsVeryLongNamesWhole) {
  doc.configuration().userName = std::string(40000, 'U');
  doc.configuration().projectName = std::string(33000, 'P');
  CGeneralHeaderDialog dialog(doc.configuration());
  EXPECT_EQ(dialog.userNameEdit()->text().size(), 40000);
  EXPECT_EQ(dialog.projectNameEdit()->text().size(), 33000);
}

TEST_F(MainFrameTest, GeneralHeaderRefusesANameACharacterAScriptCannotStore) {
  CGeneralHeaderDialog dialog(doc.configuration());
  dialog.userNameEdit()->setText(QString::fromUtf8("J\u00F6rg \u0416"));
  dialog.projectNameEdit()->setText(QString::fromUtf8("Lab \U0001F600"));
  dialog.accept();
  EXPECT_NE(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.problemLabel()->text().toStdString(),
            "The user name holds \"\u0416\", which a configuration file cannot store.");
  dialog.userNameEdit()->setText(QString::fromUtf8("J\u00F6rg"));
  dialog.accept();
  EXPECT_NE(dialog.result(), QDialog::Accepted);
  // A character outside the basic plane is named whole, not by half.
  EXPECT_EQ(dialog.problemLabel()->text().toStdString(),
            "The project name holds \"\U0001F600\", which a configuration file cannot store.");
  dialog.projectNameEdit()->setText("Lab");
  dialog.accept();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(MainFrameTest, GeneralHeaderKeepsTheBytesOfUnchangedValues) {
  openFile("## User Name: J\xF6rg\n## Project Name: Caf\xC3\xA9\nload MSCP DUA\n");
  dialogs.answer = [](QDialog&) { return int(QDialog::Accepted); };
  frame->editGeneralHeader();
  EXPECT_EQ(doc.configuration().userName, "J\xF6rg");
  EXPECT_EQ(doc.configuration().projectName, "Caf\xC3\xA9");
}

TEST_F(MainFrameTest, SaveChangesQuestionBeforeNew) {
  openFile("load MSCP DUA\n");
  doc.setModified();
  std::string question;
  cancelTheQuestion(question);
  EXPECT_FALSE(frame->newDocument());
  EXPECT_EQ(question, "Save changes to " + dir + "/test.cfg?");
  EXPECT_EQ(doc.configuration().list(DeviceListId::Disks).size(), 1u);
  dialogs.answer = [](QDialog&) { return int(QMessageBox::No); };
  EXPECT_TRUE(frame->newDocument());
  EXPECT_TRUE(doc.configuration().list(DeviceListId::Disks).empty());
  EXPECT_EQ(frame->titleText().toStdString(), "Untitled - VelmorCfgEditor");
}

TEST_F(MainFrameTest, SaveChangesYesSaves) {
  const std::string path = openFile("load MSCP DUA\n");
  frame->view()->select(frame->view()->deviceNode("DUA"));
  frame->view()->disableSelected();
  dialogs.answer = [](QDialog&) { return int(QMessageBox::Yes); };
  EXPECT_TRUE(frame->saveModified());
  EXPECT_NE(readBytes(path).find("#$load MSCP DUA"), std::string::npos);
}

// A failed save says why; the window would look the same either way.
TEST_F(MainFrameTest, AFailedSaveSaysWhy) {
  openFile("load MSCP DUA\n");
  doc.setModified();
  dialogs.savePath = QString::fromStdString(dir + "/no folder/x.cfg");
  EXPECT_FALSE(frame->saveAs());
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].rfind("stop: Unable to save configuration file.\n" + dir + "/no folder/x.cfg: ", 0), 0u)
      << messages.shown[0];
  EXPECT_TRUE(doc.isModified());

  // So does a save at once after an Options command.
  messages.shown.clear();
  const std::string path = dir + "/test.cfg";
  std::filesystem::remove(path);
  std::filesystem::create_directory(path);
  frame->toggleBusWarnings();
  EXPECT_EQ(messages.shown,
            std::vector<std::string>{"stop: Unable to save configuration file.\n" + path + ": not a regular file"});
}

// After an open that failed, the document before it is gone and nothing of
// the failed file was changed: no question may offer to write the partial
// read over that file.
TEST_F(MainFrameTest, AFailedOpenLeavesNothingToSave) {
  const std::string first = openFile("load MSCP DUA\n");
  doc.setModified();
  const std::string notes = writeScript("# Lab notes\nset DUA bogus=1\n", "notes.cfg");
  int questions = 0;
  dialogs.answer = [&](QDialog&) {
    ++questions;
    return int(questions == 1 ? QMessageBox::No : QMessageBox::Yes);
  };
  EXPECT_FALSE(frame->openFile(QString::fromStdString(notes)));
  EXPECT_FALSE(doc.isModified());
  EXPECT_TRUE(frame->saveModified());
  EXPECT_EQ(questions, 1);
  EXPECT_EQ(readBytes(notes), "# Lab notes\nset DUA bogus=1\n");
}

TEST_F(MainFrameTest, RecentFilesAndTitle) {
  const std::string path = openFile("load MSCP DUA\n");
  EXPECT_EQ(frame->titleText().toStdString(), "test.cfg - VelmorCfgEditor");
  ASSERT_EQ(frame->recentFiles().size(), 1);
  for (int i = 0; i < 5; ++i) frame->openFile(QString::fromStdString(writeScript("", "f" + std::to_string(i) + ".cfg")));
  EXPECT_EQ(frame->recentFiles().size(), CMainFrame::kRecentFileCount);
  EXPECT_TRUE(frame->recentFiles().front().endsWith("f4.cfg"));
  EXPECT_EQ(findAction(frame->fileMenu(), "Recent File")->isVisible(), false);
}

// A file gone since it was listed is dropped; one read only in part is still
// there and stays, and a plain save puts it first.
TEST_F(MainFrameTest, TheRecentListDropsOnlyAFileThatIsGone) {
  const std::string gone = writeScript("load MSCP DUA\n", "gone.cfg"),
                    damaged = writeScript("load MSCP DUA\n", "damaged.cfg"),
                    other = writeScript("load MSCP DUA\n", "other.cfg");
  for (const std::string& path : {gone, damaged, other}) ASSERT_TRUE(frame->openFile(QString::fromStdString(path)));
  std::filesystem::remove(gone);
  writeScript("load MSCP DUA\nset DUA nokey=1\n", "damaged.cfg");
  EXPECT_FALSE(frame->openFile(QString::fromStdString(gone)));
  EXPECT_FALSE(frame->openFile(QString::fromStdString(damaged)));
  ASSERT_EQ(frame->recentFiles().size(), 2);
  EXPECT_TRUE(frame->recentFiles()[0].endsWith("other.cfg"));
  EXPECT_TRUE(frame->recentFiles()[1].endsWith("damaged.cfg"));
  ASSERT_TRUE(frame->save());
  EXPECT_TRUE(frame->recentFiles()[0].endsWith("damaged.cfg"));
}

TEST_F(MainFrameTest, AReopenedFileMovesToTheTopOnceNumberedFromOne) {
  const std::string a = writeScript("load MSCP DUA\n", "a.cfg"), b = writeScript("load MSCP DUA\n", "b.cfg");
  for (const std::string& path : {a, b, a}) frame->openFile(QString::fromStdString(path));
  ASSERT_EQ(frame->recentFiles().size(), 2);
  EXPECT_TRUE(frame->recentFiles()[0].endsWith("a.cfg"));
  EXPECT_TRUE(frame->recentFiles()[1].endsWith("b.cfg"));
  std::vector<std::string> entries;
  for (QAction* action : frame->fileMenu()->actions())
    if (action->isVisible() && action->text().endsWith(".cfg")) entries.push_back(action->text().toStdString());
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_TRUE(entries[0].starts_with("&1 ")) << entries[0];
  EXPECT_TRUE(entries[1].starts_with("&2 ")) << entries[1];
}

// A path is handed to the file calls in the system's own encoding; the
// title, the recent list and a save find the same file again.
TEST_F(MainFrameTest, APathOutsideAsciiOpensAndSaves) {
  const QString name = QString::fromUtf8("\xC3\x9C" "bung caf\xC3\xA9.cfg");
  const std::string path = writeScript("load MSCP DUA\n", QFile::encodeName(name).toStdString());
  const QString shown = QFile::decodeName(QByteArray::fromStdString(path));
  ASSERT_TRUE(frame->openFile(shown));
  EXPECT_EQ(frame->titleText(), name + " - VelmorCfgEditor");
  ASSERT_EQ(frame->recentFiles().size(), 1);
  EXPECT_TRUE(frame->recentFiles()[0].endsWith(name));
  doc.setModified();
  EXPECT_TRUE(frame->save());
  EXPECT_NE(readBytes(path).find("load MSCP DUA\r\n"), std::string::npos);
}

// A file named relative to the working folder, as on the command line, is
// held by its full path: the host link must recognise it from any folder.
TEST_F(MainFrameTest, ARelativePathIsHeldInFull) {
  const std::string path = writeScript("load MSCP DUA\n", "relative.cfg");
  const QString before = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(QString::fromStdString(dir)));
  const bool opened = frame->openFile("relative.cfg");
  QDir::setCurrent(before);
  ASSERT_TRUE(opened);
  const QFileInfo held(QString::fromStdString(doc.configuration().currentPath));
  EXPECT_TRUE(held.isAbsolute());
  EXPECT_EQ(held.canonicalFilePath(), QFileInfo(QString::fromStdString(path)).canonicalFilePath());
  EXPECT_EQ(frame->recentFiles()[0].toStdString(), doc.configuration().currentPath);

  // Nothing is tidied away: ".." after a symbolic link goes up from where it leads.
  std::filesystem::create_directories(dir + "/real/sub");
  writeScript("load MSCP DUA\n", "real/x.cfg");
  writeScript("load MSCP DUB\n", "x.cfg");
  std::filesystem::create_directory_symlink(dir + "/real/sub", dir + "/link");
  ASSERT_TRUE(QDir::setCurrent(QString::fromStdString(dir)));
  const bool throughLink = frame->openFile("link/../x.cfg");
  QDir::setCurrent(before);
  ASSERT_TRUE(throughLink);
  ASSERT_EQ(doc.configuration().list(DeviceListId::Disks).size(), 1u);
  EXPECT_EQ(doc.configuration().list(DeviceListId::Disks)[0]->name, "DUA");
}

// A hand-edited settings file may hold empty entries: they are not listed.
TEST_F(MainFrameTest, EmptyStoredRecentEntriesAreSkipped) {
  const std::string path = writeScript("load MSCP DUA\n", "kept.cfg");
  QSettings().setValue("Recent File List", QStringList{"", QString::fromStdString(path), ""});
  frame->openFile(QString::fromStdString(writeScript("", "new.cfg")));
  ASSERT_EQ(frame->recentFiles().size(), 2);
  EXPECT_TRUE(frame->recentFiles()[0].endsWith("new.cfg"));
  EXPECT_TRUE(frame->recentFiles()[1].endsWith("kept.cfg"));
  int shown = 0;
  for (QAction* action : frame->fileMenu()->actions())
    if (action->isVisible() && action->text().startsWith('&') && action->text().at(1).isDigit()) {
      ++shown;
      EXPECT_TRUE(action->text().endsWith(".cfg")) << action->text().toStdString();
    }
  EXPECT_EQ(shown, 2);
}

TEST_F(MainFrameTest, ARecentPathWithAnAmpersandShowsIt) {
  const std::string path = writeScript("load MSCP DUA\n", "R&D.cfg");
  ASSERT_TRUE(frame->openFile(QString::fromStdString(path)));
  QAction* entry = nullptr;
  for (QAction* action : frame->fileMenu()->actions())
    if (action->isVisible() && action->text().startsWith("&1 ")) entry = action;
  ASSERT_NE(entry, nullptr);
  EXPECT_TRUE(entry->text().endsWith("R&&D.cfg")) << entry->text().toStdString();
  EXPECT_TRUE(entry->data().toString().endsWith("R&D.cfg"));
}

// Save of an untitled document asks for a name, suggesting "Velmor.cfg",
// and lists the written file among the recent ones.
TEST_F(MainFrameTest, SaveOfAnUntitledDocumentAsksForAName) {
  ASSERT_TRUE(frame->newDocument());
  const std::string target = dir + "/saved.cfg";
  dialogs.savePath = QString::fromStdString(target);
  EXPECT_TRUE(frame->save());
  EXPECT_EQ(dialogs.suggestedNames, (std::vector<std::string>{"Velmor.cfg"}));
  EXPECT_FALSE(readBytes(target).empty());
  ASSERT_EQ(frame->recentFiles().size(), 1);
  EXPECT_TRUE(frame->recentFiles()[0].endsWith("saved.cfg"));
}

// Without a file to save to, the Options commands leave a change that closing asks about.
TEST_F(MainFrameTest, OptionsOnAnUntitledDocumentAreChanges) {
  ASSERT_TRUE(frame->newDocument());
  frame->toggleBusWarnings();
  EXPECT_TRUE(doc.isModified());
  doc.setModified(false);
  ASSERT_TRUE(frame->newDocument());
  dialogs.answer = [](QDialog& dialog) {
    static_cast<CGeneralHeaderDialog&>(dialog).userNameEdit()->setText("Bob");
    return int(QDialog::Accepted);
  };
  frame->editGeneralHeader();
  EXPECT_TRUE(doc.isModified());
}

TEST_F(MainFrameTest, BusWarningsToggleKeepsTheTreesPictures) {
  openFile("set CPU model=\"PDP 11/70\"\nload DHV11 YVA\n");
  ASSERT_EQ(CVelmorEditorView::imageKeyOf(frame->view()->deviceNode("YVA")).state, ImageState::BusWarning);
  frame->toggleBusWarnings();
  EXPECT_EQ(CVelmorEditorView::imageKeyOf(frame->view()->deviceNode("YVA")).state, ImageState::BusWarning);
}

TEST_F(MainFrameTest, ClosingWithChangesAsksAndCancelKeepsTheWindow) {
  frame->show();
  const std::string path = openFile("load MSCP DUA\n");
  doc.setModified();
  std::string question;
  cancelTheQuestion(question);
  EXPECT_FALSE(frame->close());
  EXPECT_EQ(question, "Save changes to " + path + "?");
  EXPECT_TRUE(frame->isVisible());
}

// A document never saved has no path: the question names it "Untitled",
// before a new document replaces it and before the window closes.
TEST_F(MainFrameTest, SaveChangesQuestionNamesANewDocumentUntitled) {
  frame->show();
  ASSERT_TRUE(frame->newDocument());
  doc.setModified();
  std::string question;
  cancelTheQuestion(question);
  EXPECT_FALSE(frame->newDocument());
  EXPECT_EQ(question, "Save changes to Untitled?");
  question.clear();
  EXPECT_FALSE(frame->close());
  EXPECT_EQ(question, "Save changes to Untitled?");
  EXPECT_TRUE(frame->isVisible());
}

TEST_F(MainFrameTest, ClosingTheWindowClosesItsHelp) {
  frame->show();
  frame->showHelpTopics();
  ASSERT_TRUE(frame->helpWindow()->isVisible());
  EXPECT_TRUE(frame->close());
  EXPECT_FALSE(frame->helpWindow()->isVisible());
}

TEST_F(MainFrameTest, HelpKeyAndAboutTexts) {
  bool f1 = false;
  for (QAction* action : frame->actions())
    for (const QKeySequence& key : action->shortcuts()) f1 = f1 || key == QKeySequence(Qt::Key_F1);
  EXPECT_TRUE(f1);
  const QMenu* help = nullptr;
  for (QAction* action : frame->menuBar()->actions())
    if (action->text() == "&Help") help = action->menu();
  ASSERT_TRUE(help);
  EXPECT_TRUE(findAction(help, "&About VelmorCfgEditor..."));
  CAboutDialog about;
  bool version = false;
  for (QLabel* label : about.findChildren<QLabel*>()) version = version || label->text() == "VelmorCfgEditor Version 1.0";
  EXPECT_TRUE(version);
}

TEST_F(MainFrameTest, GeneralHeaderDateIsShownReadOnly) {
  CGeneralHeaderDialog dialog(doc.configuration());
  auto* form = dialog.findChild<QFormLayout*>();
  ASSERT_TRUE(form);
  auto* label = qobject_cast<QLabel*>(form->itemAt(1, QFormLayout::LabelRole)->widget());
  auto* edit = qobject_cast<QLineEdit*>(form->itemAt(1, QFormLayout::FieldRole)->widget());
  ASSERT_TRUE(label && edit);
  EXPECT_EQ(label->text().toStdString(), "Date of writing:");
  EXPECT_TRUE(edit->isReadOnly());
}

TEST_F(MainFrameTest, FixedSizeFollowsTheTree) {
  frame->resetView();
  const QSize tree = frame->view()->tree()->size();
  EXPECT_EQ(frame->minimumSize(), frame->maximumSize());
  EXPECT_EQ(frame->maximumSize(), QSize(2 * tree.width(), static_cast<int>(1.35 * tree.height())));
  EXPECT_FALSE(frame->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
}

TEST_F(MainFrameTest, AssociateUsesTheStoredPath) {
  // Without a classes root nothing can be written, and nothing fails.
  frame->associate();
  frame->dissociate();
  SUCCEED();
}

TEST_F(MainFrameTest, HelpShowsTheSelectedGroupsPage) {
  openFile("load TMSCP MUA\n");
  frame->view()->select(frame->view()->deviceNode("MUA"));
  frame->showContextHelp();
  EXPECT_EQ(frame->helpWindow()->shownContext(), 10003);
  frame->showHelpTopics();
  EXPECT_EQ(frame->helpWindow()->shownContext(), 0);
  frame->helpWindow()->close();
}

TEST_F(MainFrameTest, PrintRunsTheDialogFirst) {
  bool offersRange = true;
  dialogs.answer = [&](QDialog& dialog) {
    offersRange = static_cast<QPrintDialog&>(dialog).testOption(QAbstractPrintDialog::PrintPageRange);
    return int(QDialog::Rejected);
  };
  frame->print();
  ASSERT_EQ(dialogs.captions.size(), 1u);
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_FALSE(offersRange);
}

TEST_F(MainFrameTest, APrintThatCannotStartSaysSo) {
  const std::string missingFolder = makeTempDir() + "/missing/out.pdf";
  dialogs.answer = [&](QDialog& dialog) {
    QPrinter* printer = static_cast<QPrintDialog&>(dialog).printer();
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(QString::fromStdString(missingFolder));
    return int(QDialog::Accepted);
  };
  frame->print();
  EXPECT_EQ(messages.shown, std::vector<std::string>{"warning: Unable to print the configuration file."});
}

}  // namespace
