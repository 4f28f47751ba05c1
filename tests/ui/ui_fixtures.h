#pragma once

#include <QCoreApplication>
#include <QDialog>
#include <QSettings>
#include <QStringList>
#include <QStandardPaths>
#include <QTreeWidget>
#include <functional>
#include <string>
#include <vector>

#include "config/document.h"
#include "support/recording_messages.h"
#include "support/test_files.h"
#include "ui/dialog_runner.h"
#include "ui/editor_view.h"

// Answers every dialog without showing it: records its caption and lets the
// test fill it in and choose the result.
class ScriptedDialogs : public DialogRunner {
 public:
  int exec(QDialog& dialog) override {
    captions.push_back(dialog.windowTitle().toStdString());
    if (answer) return answer(dialog);
    return QDialog::Rejected;
  }
  QString openFileName(QWidget*) override { return openPath; }
  QString saveFileName(QWidget*, const QString& suggested) override {
    suggestedNames.push_back(suggested.toStdString());
    return savePath;
  }
  QString browseFileName(QWidget*, const QString& current, const QString& defaultSuffix,
                         const QString& filter) override {
    browsed.push_back({current, defaultSuffix, filter});
    return browsePath;
  }
  bool canOpenHostDevice(const QString& path) override { return hostDevices.contains(path); }

  struct Browse {
    QString current, defaultSuffix, filter;
  };
  std::vector<Browse> browsed;   // every "Browse ..." the pages asked for
  QString browsePath;            // what the file chooser answers ("" = cancelled)
  QStringList hostDevices;       // the host devices that open

  std::vector<std::string> captions;
  std::vector<std::string> suggestedNames;
  std::function<int(QDialog&)> answer;
  QString openPath;
  QString savePath;
};

// Records which sheets were asked for and answers as told.
class RecordingSheets : public PropertySheetOpener {
 public:
  bool openPropertySheet(const std::string& name) override {
    opened.push_back(name);
    return confirm;
  }
  bool openPropertySheet(VelmorBusDevice& device) override {
    openedDevices.push_back(&device);
    const bool confirmed = openPropertySheet(device.name);
    if (confirmed && edit) edit(device);
    return confirmed;
  }
  bool openSystemSheet() override {
    opened.push_back("<system>");
    return confirm;
  }
  std::vector<std::string> opened;
  std::vector<const VelmorBusDevice*> openedDevices;
  bool confirm = true;
  std::function<void(VelmorBusDevice&)> edit;  // what a confirmed sheet changed
};

// A document with recorded messages, opened from script text.
struct DocumentFixture {
  RecordingMessages messages;
  CVelmorCfgEditorDoc doc{messages};
  std::string dir = makeTempDir();

  std::string writeScript(const std::string& text, const std::string& name = "test.cfg") {
    const std::string path = dir + "/" + name;
    writeBytes(path, text);
    return path;
  }
  bool open(const std::string& text) { return doc.OnOpenDocument(writeScript(text)); }
};

// The texts of a node's children, in order.
inline std::vector<std::string> childTexts(const QTreeWidgetItem* node) {
  std::vector<std::string> texts;
  for (int i = 0; i < node->childCount(); ++i) texts.push_back(node->child(i)->text(0).toStdString());
  return texts;
}

// The recent-file list and other framework settings go to Qt's test
// locations, under names of their own, emptied first.
inline void useTestSettings() {
  QStandardPaths::setTestModeEnabled(true);
  QCoreApplication::setOrganizationName("TecorbanTest");
  QCoreApplication::setApplicationName("Velmor11Test");
  QSettings().clear();
}
