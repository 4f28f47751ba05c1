#include "ui/message_box_messages.h"
#include "ui/script_text.h"

#include <QApplication>
#include <QMessageBox>

namespace {

QString title() { return "VelmorCfgEditor"; }

// A line of a damaged or foreign file (a file of NUL bytes is one line) may
// reach a message whole; laid out in full it would freeze the editor for
// minutes in a box taller than the screen. Its start is enough to find it.
constexpr qsizetype kLongestShownLine = 300;

QString boxText(const std::string& text) {
  const QString full = displayText(text);
  QString shown;
  qsizetype start = 0;
  while (start <= full.size()) {
    qsizetype end = full.indexOf(u'\n', start);
    if (end < 0) end = full.size();
    qsizetype cut = end;
    if (end - start > kLongestShownLine) {
      cut = start + kLongestShownLine;
      if (full[cut - 1].isHighSurrogate()) --cut;  // a character is shown whole or not at all
    }
    if (start > 0) shown += u'\n';
    shown += QStringView(full).mid(start, cut - start);
    if (cut < end) shown += QStringLiteral("...");
    start = end + 1;
  }
  return shown;
}

}  // namespace

void MessageBoxMessages::warning(const std::string& text) {
  QMessageBox::warning(parent_, title(), boxText(text));
}

void MessageBoxMessages::stop(const std::string& text) {
  QMessageBox::critical(parent_, title(), boxText(text));
}

bool MessageBoxMessages::askYesNo(const std::string& text) { return ask(QMessageBox::Question, text); }

bool MessageBoxMessages::askYesNoStop(const std::string& text) { return ask(QMessageBox::Critical, text); }

bool MessageBoxMessages::ask(QMessageBox::Icon icon, const std::string& text) {
  QMessageBox box(icon, title(), boxText(text), QMessageBox::Yes | QMessageBox::No, parent_);
  return (runner_ ? runner_->exec(box) : box.exec()) == QMessageBox::Yes;
}
