#pragma once

#include <QString>

class QDialog;
class QWidget;

// Every modal step of the editor other than its message boxes goes through
// here, so tests can answer dialogs without a user.
class DialogRunner {
 public:
  virtual ~DialogRunner() = default;
  // Runs the dialog modally and answers its result code.
  virtual int exec(QDialog& dialog);
  // The file to open; empty when the user cancelled.
  virtual QString openFileName(QWidget* parent);
  // The file to save to, starting from `suggested`; empty when cancelled.
  virtual QString saveFileName(QWidget* parent, const QString& suggested);
  // The file a page's "Browse ..." button chooses, starting from `current`;
  // `filter` is in the pages' own form ("Disk Images(*.dsk)|*.dsk|All
  // Files(*.*)|*.*||"). Empty when the user cancelled.
  virtual QString browseFileName(QWidget* parent, const QString& current, const QString& defaultSuffix,
                                 const QString& filter);
  // Whether a host device (a disk, tape, port...) of the editor's own machine
  // can be opened now; the pages offer only those.
  virtual bool canOpenHostDevice(const QString& path);
};

// A pages' filter ("Name(*.x)|*.x|...||") in the file dialog's form
// ("Name(*.x);;...").
QString fileDialogFilter(const QString& pageFilter);

// The open and save dialogs' filter.
inline constexpr const char* kFileFilter = "Test Files (*.cfg)";
