#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "devices/model_tables.h"  // firstChoice, for the kinds that write defaults

// Appends one device's own `set` lines: P + "set " + name + key text + value +
// LF, where P is the disabled sign of a disabled device. The key text carries
// its own blanks and "=" (" size=", " vector1 = ") because kinds differ there.
// The "...Changed" forms write only when the value differs from its default.
class SetLineWriter {
 public:
  SetLineWriter(std::string& out, std::string prefix, std::string_view name)
      : out_(out), prefix_(std::move(prefix)), name_(name) {}

  void line(std::string_view keyText, std::string_view value);
  void quoted(std::string_view keyText, std::string_view value);

  void octalChanged(std::string_view keyText, std::int32_t value, std::int32_t defaultValue);
  void flagChanged(std::string_view keyText, bool value, bool defaultValue);
  void quotedChanged(std::string_view keyText, std::string_view value, std::string_view defaultValue);

 private:
  std::string& out_;
  std::string prefix_;
  std::string_view name_;
};
