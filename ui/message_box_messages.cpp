#include "ui/message_box_messages.h"

#include <QApplication>
#include <QMessageBox>

namespace {
QString title() { return "VelmorCfgEditor"; }
}  // namespace

void MessageBoxMessages::warning(const std::string& text) {
  QMessageBox::warning(parent_, title(), QString::fromStdString(text));
}

void MessageBoxMessages::stop(const std::string& text) {
  QMessageBox::critical(parent_, title(), QString::fromStdString(text));
}

bool MessageBoxMessages::askYesNo(const std::string& text) {
  QMessageBox box(QMessageBox::Question, title(), QString::fromStdString(text), QMessageBox::Yes | QMessageBox::No,
                  parent_);
  return box.exec() == QMessageBox::Yes;
}
