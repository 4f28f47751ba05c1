#pragma once

#include <QMessageBox>
#include <QPointer>
#include <QWidget>

#include "config/user_messages.h"
#include "ui/dialog_runner.h"

// The core's messages as message boxes: warning with the exclamation icon,
// stop with the critical icon, questions with Yes and No (and the question
// or the critical icon).
class MessageBoxMessages : public UserMessages {
 public:
  void setParent(QWidget* parent) { parent_ = parent; }
  // Runs the questions' boxes (tests answer them); the boxes run themselves without one.
  void setRunner(DialogRunner* runner) { runner_ = runner; }

  void warning(const std::string& text) override;
  void stop(const std::string& text) override;
  bool askYesNo(const std::string& text) override;
  bool askYesNoStop(const std::string& text) override;

 private:
  bool ask(QMessageBox::Icon icon, const std::string& text);

  QPointer<QWidget> parent_;
  DialogRunner* runner_ = nullptr;
};
