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

bool MessageBoxMessages::askYesNo(const std::string& text) {
  QMessageBox box(QMessageBox::Question, title(), displayText(text), QMessageBox::Yes | QMessageBox::No,
                  parent_);
  return box.exec() == QMessageBox::Yes;
}
