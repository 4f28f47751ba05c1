#include "devices/set_line_writer.h"

#include "devices/number_format.h"
#include "devices/text_utils.h"

void SetLineWriter::line(std::string_view keyText, std::string_view value) {
  out_ += prefix_;
  out_ += "set ";
  out_ += name_;
  out_ += keyText;
  out_ += value;
  out_ += '\n';
}

void SetLineWriter::quoted(std::string_view keyText, std::string_view value) {
  line(keyText, concat({"\"", value, "\""}));
}

void SetLineWriter::octalChanged(std::string_view keyText, std::int32_t value, std::int32_t defaultValue) {
  if (value != defaultValue) line(keyText, formatOctal(value));
}

void SetLineWriter::flagChanged(std::string_view keyText, bool value, bool defaultValue) {
  if (value != defaultValue) line(keyText, value ? "1" : "0");
}

void SetLineWriter::quotedChanged(std::string_view keyText, std::string_view value,
                                  std::string_view defaultValue) {
  if (value != defaultValue) quoted(keyText, value);
}

