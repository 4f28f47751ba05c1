#pragma once

#include <string>

// Everything the core says to the user goes through here, so the editor shows
// message boxes, the command-line tool prints, and tests record exact texts.
class UserMessages {
 public:
  virtual ~UserMessages() = default;
  virtual void warning(const std::string& text) = 0;  // warning icon, OK
  virtual void stop(const std::string& text) = 0;     // stop icon, OK
  virtual bool askYesNo(const std::string& text) = 0;  // true for Yes
  // A question about something refused (stop icon, Yes and No); where icons
  // mean nothing it is an ordinary question.
  virtual bool askYesNoStop(const std::string& text) { return askYesNo(text); }
};
