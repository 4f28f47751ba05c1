#pragma once
// What both fuzz targets demand of a saved text: it reads back with no message
// and no lost line, and saves again to the same bytes. A breach aborts, so
// libFuzzer keeps the input.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "config/configuration.h"
#include "config/script_reader.h"
#include "config/script_writer.h"
#include "config/user_messages.h"

// The signs a user may have stored: the default, none, and a longer one.
inline constexpr const char* kFuzzedSigns[] = {"#$", "", "#DISABLED "};

[[noreturn]] inline void fuzzFailure(const char* what, const std::string& detail) {
  // The detail may hold NUL bytes; write it whole.
  std::fprintf(stderr, "%s\n", what);
  std::fwrite(detail.data(), 1, detail.size(), stderr);
  std::fputc('\n', stderr);
  std::abort();
}

class CountingMessages : public UserMessages {
 public:
  void warning(const std::string& text) override { said(text); }
  void stop(const std::string& text) override { said(text); }
  bool askYesNo(const std::string& text) override {
    said(text);
    return false;
  }
  int count = 0;
  std::string last;

 private:
  void said(const std::string& text) {
    ++count;
    last = text;
  }
};

// `text` is FormatScript of `saved`; reading bytes leaves the header's file
// name and date to the caller, so they are taken over from `saved`.
inline void checkSavedTextReadsBack(const Configuration& saved, const std::string& text) {
  Configuration again;
  again.disabledSign = saved.disabledSign;
  again.fileName = saved.fileName;
  again.date = saved.date;
  CountingMessages messages;
  ReadReport report;
  if (!ReadScriptBytes(again, DiskLineEnds(text), messages, &report)) fuzzFailure("saved text refused", text + "\n" + messages.last);
  if (messages.count != 0) fuzzFailure("saved text gave a message", text + "\n" + messages.last);
  if (!report.lost.empty()) fuzzFailure("saved text lost a line", text + "\n" + report.lost.front().text);
  if (FormatScript(again) != text) fuzzFailure("second save differs", text + "\n----\n" + FormatScript(again));
}
