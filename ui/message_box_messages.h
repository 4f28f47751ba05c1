#pragma once

#include <QPointer>
#include <QWidget>

#include "config/user_messages.h"

// The core's messages as message boxes: warning with the exclamation icon,
// stop with the critical icon, questions with Yes and No.
class MessageBoxMessages : public UserMessages {
 public:
  void setParent(QWidget* parent) { parent_ = parent; }

  void warning(const std::string& text) override;
  void stop(const std::string& text) override;
  bool askYesNo(const std::string& text) override;

 private:
  QPointer<QWidget> parent_;
};
