#pragma once

#include <deque>
#include <string>
#include <vector>

#include "config/user_messages.h"

// Records every message with its box kind; questions take scripted answers
// (No when none is left), so no test ever waits for a user.
class RecordingMessages : public UserMessages {
 public:
  void warning(const std::string& text) override { shown.push_back("warning: " + text); }
  void stop(const std::string& text) override { shown.push_back("stop: " + text); }
  bool askYesNo(const std::string& text) override { return answer("question: " + text); }
  bool askYesNoStop(const std::string& text) override { return answer("stop question: " + text); }

  std::vector<std::string> shown;
  std::deque<bool> answers;

 private:
  bool answer(const std::string& recorded) {
    shown.push_back(recorded);
    if (answers.empty()) return false;
    bool answer = answers.front();
    answers.pop_front();
    return answer;
  }
};
