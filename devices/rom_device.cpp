#include "devices/rom_device.h"

#include "devices/number_format.h"
#include "devices/set_line_writer.h"

const std::vector<ModelDescriptor>& romModelRows() {
  static const std::vector<ModelDescriptor> rows = {
      // type  model prefix bus     area units registers vectors priorities
      {"ROM", "",    "RO",  BusBoth, 0,   1,    {0},      {0},    {0}},  // rom_size: kRomDefaultSize
  };
  return rows;
}

const std::vector<ModelAlias>& romModelAliases() {
  static const std::vector<ModelAlias> aliases;
  return aliases;
}

bool VelmorROMDevice::setParameter(std::string_view key, int, std::string_view value) {
  // Of the common keys only register is taken (takesCommonKey): vector,
  // priority and units stay as loaded.
  clearUnitTouched();
  if (setCommonParameter(key, 0, value)) return true;
  if (key == "image")
    image = value;
  else if (key == "rom_size")
    romSize = parseNumber(value);
  else
    return false;
  return true;
}

void VelmorROMDevice::applyModelDefaults(bool reset) {
  applyCommonModelDefaults(reset);
  if (!ModelTable::instance().findDescriptor(className(), type, model)) return;
  if (reset) image.clear();
  if (reset || romSize == 0) romSize = kRomDefaultSize;
}

void VelmorROMDevice::writeStatements(std::string& out, const std::string& disabledSign) const {
  VelmorBusDevice::writeStatements(out, disabledSign);
  if (!ModelTable::instance().findDescriptor(className(), type, model)) return;
  SetLineWriter lines(out, statementPrefix(disabledSign), name);
  lines.quotedChanged(" image=", image, "");
  if (romSize != kRomDefaultSize) lines.line(" rom_size=", formatDecimalPoint(romSize));
}

std::vector<std::int32_t> VelmorROMDevice::checkedVectors(bool withConfiguration) const {
  if (withConfiguration) return {};
  return {vector};
}

std::uint16_t VelmorROMDevice::checkedBus(bool withConfiguration) const {
  return withConfiguration ? std::uint16_t(BusBoth) : VelmorBusDevice::checkedBus(withConfiguration);
}
