#pragma once

#include <algorithm>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

#include "devices/model_tables.h"
#include "devices/number_format.h"
#include "devices/velmor_unit_device.h"

// Unit keys of the disk, tape and loader controllers as data: each kind lists
// its unit fields once, and the same rows drive `set` keys, unit defaults and
// the written lines.

// How a field is written when it differs from the defaults row.
enum class UnitFieldForm {
  Flag,          // "1" or "0"
  Octal,         // octal digits; a 16-bit field gives its unsigned value
  DecimalPoint,  // decimal digits and "."
  NotWritten,    // read from scripts, never written
};

template <class Unit, class Row>
struct UnitField {
  using UnitMember = std::variant<bool Unit::*, std::int32_t Unit::*, std::uint16_t Unit::*>;
  using RowMember = std::variant<bool Row::*, std::int32_t Row::*, std::uint16_t Row::*>;

  std::string_view key;
  UnitMember member;
  RowMember rowMember;  // the default: fills a new unit, and a field equal to it is not written
  UnitFieldForm form{};
};

// Keeps the unit member and the defaults member of one row the same type.
template <class Unit, class Row, class T>
constexpr UnitField<Unit, Row> unitField(std::string_view key, T Unit::*member, T Row::*rowMember, UnitFieldForm form) {
  return {key, member, rowMember, form};
}

namespace unit_fields_detail {

template <class Object, class Member>
std::int64_t valueOf(const Object& object, const Member& member) {
  return std::visit([&](auto pointer) -> std::int64_t { return object.*pointer; }, member);
}

template <class Unit, class Member>
void assign(Unit& unit, const Member& member, std::int64_t value) {
  std::visit(
      [&](auto pointer) {
        using T = std::remove_reference_t<decltype(unit.*pointer)>;
        // A 16-bit field keeps the low 16 bits and is written unsigned.
        unit.*pointer = static_cast<T>(value);
      },
      member);
}

// "P set NAME key[number]=text" and LF; unit numbers are always decimal.
void appendUnitLine(std::string& out, const std::string& prefix, const std::string& name, std::string_view key,
                    int number, std::string_view text);
std::string formatUnitValue(UnitFieldForm form, std::int64_t value);

}  // namespace unit_fields_detail

template <class Unit, class Row>
const UnitField<Unit, Row>* findUnitField(std::span<const UnitField<Unit, Row>> fields, std::string_view key) {
  for (const UnitField<Unit, Row>& field : fields)
    if (key == field.key) return &field;
  return nullptr;
}

// The unit a unit key names, or nullptr (see VelmorUnitDevice::unitWithinCount).
template <class Unit>
Unit* unitForKey(VelmorUnitDevice& device, int index) {
  return static_cast<Unit*>(device.unitWithinCount(index));
}

// Applies `file` or one of the fields to unit `index` of the device and
// answers that unit; nullptr, with nothing changed, when the key is none of
// them or the device has no such unit.
template <class Unit, class Row>
Unit* applyUnitKey(VelmorUnitDevice& device, int index, std::span<const UnitField<Unit, Row>> fields,
                   std::string_view key, std::string_view value) {
  const UnitField<Unit, Row>* field = findUnitField(fields, key);
  if (!field && key != "file") return nullptr;
  Unit* unit = unitForKey<Unit>(device, index);
  if (!unit) return nullptr;
  if (!field) {
    unit->file = value;
  } else if (std::holds_alternative<bool Unit::*>(field->member)) {
    if (!applyYesNo(value, unit->*std::get<bool Unit::*>(field->member))) device.noteValueIgnored();
  } else {
    unit_fields_detail::assign(*unit, field->member, parseNumber(value));
  }
  return unit;
}

// Every field still 0 (false) takes the row's value.
template <class Unit, class Row>
void fillUnitDefaults(std::span<const UnitField<Unit, Row>> fields, Unit& unit, const Row& row) {
  for (const UnitField<Unit, Row>& field : fields)
    if (unit_fields_detail::valueOf(unit, field.member) == 0)
      unit_fields_detail::assign(unit, field.member, unit_fields_detail::valueOf(row, field.rowMember));
}

// One unit's block: an empty line, its comment lines, its file line, then
// every written field that differs from the row, in table order.
template <class Unit, class Row>
void writeUnitBlock(std::string& out, const std::string& prefix, const std::string& disabledSign,
                    const std::string& name, const Unit& unit, const Row& row,
                    std::span<const UnitField<Unit, Row>> fields) {
  out += '\n';
  writeUnitComments(out, unit.comments, disabledSign);
  unit_fields_detail::appendUnitLine(out, prefix, name, "file", unit.number, "\"" + unit.file + "\"");
  for (const UnitField<Unit, Row>& field : fields) {
    if (field.form == UnitFieldForm::NotWritten) continue;
    const std::int64_t value = unit_fields_detail::valueOf(unit, field.member);
    if (value == unit_fields_detail::valueOf(row, field.rowMember)) continue;
    unit_fields_detail::appendUnitLine(out, prefix, name, field.key, unit.number,
                                       unit_fields_detail::formatUnitValue(field.form, value));
  }
}

// One unit's block with the defaults row of the device's type and model,
// whether or not the device writes the unit; nothing without a row.
template <class Unit, class Row>
void writeUnitBlockOf(std::string& out, const std::string& prefix, const std::string& disabledSign,
                      const VelmorUnitDevice& device, const std::vector<Row>& defaultsRows,
                      std::span<const UnitField<Unit, Row>> fields, const VelmorUnit& unit) {
  if (const Row* row = findUnitDefaults(defaultsRows, device.type, device.model))
    writeUnitBlock(out, prefix, disabledSign, device.name, static_cast<const Unit&>(unit), *row, fields);
}

