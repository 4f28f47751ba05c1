#pragma once

#include <cstdio>
#include <string>

#include "config/user_messages.h"

// The reader's messages on a terminal: each text as it is, then a line feed.
// Nobody is there to answer, so every question is answered No.
class TerminalMessages : public UserMessages {
 public:
  explicit TerminalMessages(std::FILE* err) : err_(err) {}
  void warning(const std::string& text) override { print(text); }
  void stop(const std::string& text) override { print(text); }
  bool askYesNo(const std::string& text) override {
    print(text);
    return false;
  }

 private:
  void print(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), err_);
    std::fputc('\n', err_);
  }
  std::FILE* err_;
};
