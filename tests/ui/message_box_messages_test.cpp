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
