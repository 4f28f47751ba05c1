#include <gtest/gtest.h>

#include <QDialog>
#include <QMessageBox>

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

}  // namespace

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
