#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

// "Device Conflicts Information": the checker's report for one device.
// "Resolve..." closes it with kResolve, and the caller opens the sheet.
class CDeviceConflictsDialog : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kResolve = 2;

  explicit CDeviceConflictsDialog(const QString& report, QWidget* parent = nullptr);

  QPlainTextEdit* reportText() const { return report_; }
  QPushButton* resolveButton() const { return resolve_; }

 private:
  QPlainTextEdit* report_;
  QPushButton* resolve_;
};
