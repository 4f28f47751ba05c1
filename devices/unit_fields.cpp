#include "devices/unit_fields.h"

#include "devices/set_line_writer.h"
#include "devices/text_utils.h"

namespace unit_fields_detail {

void appendUnitLine(std::string& out, const std::string& prefix, const std::string& name, std::string_view key,
                    int number, std::string_view text) {
  SetLineWriter(out, prefix, name).line(concat({" ", key, "[", std::to_string(number), "]="}), text);
}

std::string formatUnitValue(UnitFieldForm form, std::int64_t value) {
  switch (form) {
    case UnitFieldForm::Flag: return value ? "1" : "0";
    case UnitFieldForm::DecimalPoint: return formatDecimalPoint(value);
    case UnitFieldForm::Octal:
    case UnitFieldForm::NotWritten: break;
  }
  return formatOctal(value);
}

}  // namespace unit_fields_detail
