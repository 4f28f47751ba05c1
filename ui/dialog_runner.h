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
};

// The open and save dialogs' filter.
inline constexpr const char* kFileFilter = "Test Files (*.cfg)";
