#include "ui/message_box_messages.h"
#include "ui/script_text.h"

#include <QApplication>
#include <QMessageBox>

namespace {
QString title() { return "VelmorCfgEditor"; }
}  // namespace

void MessageBoxMessages::warning(const std::string& text) {
  QMessageBox::warning(parent_, title(), displayText(text));
}

void MessageBoxMessages::stop(const std::string& text) {
  QMessageBox::critical(parent_, title(), displayText(text));
}

bool MessageBoxMessages::askYesNo(const std::string& text) { return ask(QMessageBox::Question, text); }

bool MessageBoxMessages::askYesNoStop(const std::string& text) { return ask(QMessageBox::Critical, text); }

bool MessageBoxMessages::ask(QMessageBox::Icon icon, const std::string& text) {
  QMessageBox box(icon, title(), displayText(text), QMessageBox::Yes | QMessageBox::No, parent_);
  return (runner_ ? runner_->exec(box) : box.exec()) == QMessageBox::Yes;
}
