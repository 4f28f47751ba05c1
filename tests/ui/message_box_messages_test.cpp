#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTimer>

#include "ui/message_box_messages.h"

namespace {

// Answers every box with `answer` and keeps what it showed.
class RecordingRunner : public DialogRunner {
 public:
  int exec(QDialog& dialog) override {
    auto& box = static_cast<QMessageBox&>(dialog);
    icon = box.icon();
    text = box.text().toStdString();
    buttons = box.standardButtons();
    return answer;
  }
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  std::string text;
  QMessageBox::StandardButtons buttons;
  int answer = QMessageBox::Yes;
};

// Messages run their boxes themselves: a timer finds the shown box, keeps
// what it shows and closes it, so the message returns.
class ShownBox {
 public:
  ShownBox() {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        if (!box || !box->isVisible()) continue;
        icon = box->icon();
        title = box->windowTitle().toStdString();
        text = box->text().toStdString();
        box->done(0);
      }
    });
    timer_.start(10);
  }
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  std::string title;
  std::string text;

 private:
  QTimer timer_;
};

}  // namespace

// A stop carries the stop icon, a warning the exclamation icon: the user
// tells a refusal from a notice by it.
TEST(MessageBoxMessages, MessagesCarryTheirIcons) {
  MessageBoxMessages boxes;
  ShownBox shown;

  boxes.stop("Unable to load configuration file.");
  EXPECT_EQ(shown.icon, QMessageBox::Critical);
  EXPECT_EQ(shown.title, "VelmorCfgEditor");
  EXPECT_EQ(shown.text, "Unable to load configuration file.");

  boxes.warning("lines lost");
  EXPECT_EQ(shown.icon, QMessageBox::Warning);
  EXPECT_EQ(shown.text, "lines lost");
}

// A question about a refusal carries the stop icon; other questions the
// question icon; both offer Yes and No and answer true only for Yes.
TEST(MessageBoxMessages, QuestionsCarryTheirIcons) {
  RecordingRunner runner;
  MessageBoxMessages boxes;
  boxes.setRunner(&runner);

  EXPECT_TRUE(boxes.askYesNoStop("switch?"));
  EXPECT_EQ(runner.icon, QMessageBox::Critical);
  EXPECT_EQ(runner.text, "switch?");
  EXPECT_EQ(runner.buttons, QMessageBox::Yes | QMessageBox::No);

  runner.answer = QMessageBox::No;
  EXPECT_FALSE(boxes.askYesNo("delete?"));
  EXPECT_EQ(runner.icon, QMessageBox::Question);
  EXPECT_EQ(runner.buttons, QMessageBox::Yes | QMessageBox::No);
}

// A damaged file's line may be megabytes long (a file of NUL bytes is one
// line): a box shows its start only, so that it opens at once and fits the
// screen. Shorter lines, and the lines after a long one, are shown whole.
TEST(MessageBoxMessages, AVeryLongLineIsCutShort) {
  MessageBoxMessages boxes;
  ShownBox shown;
  const std::string longLine(100000, 'x');

  boxes.warning("Some lines cannot be kept:\n\nline 1: " + longLine + "\nline 2: set A B=1");
  EXPECT_EQ(shown.text, "Some lines cannot be kept:\n\nline 1: " + std::string(292, 'x') + "...\nline 2: set A B=1");

  const std::string fits(300, 'y');
  boxes.stop(fits + "\n");
  EXPECT_EQ(shown.text, fits + "\n");

  // U+1F600 takes two UTF-16 units; cutting between them would show half a character.
  boxes.warning(std::string(299, 'z') + "\xF0\x9F\x98\x80" + longLine);
  EXPECT_EQ(shown.text, std::string(299, 'z') + "...");
}
