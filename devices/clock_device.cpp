#include "devices/clock_device.h"

#include "devices/number_format.h"

const std::vector<ModelDescriptor>& clockModelRows() {
  // type, model, prefix, bus, area, units, registers, vectors, priorities
  static const std::vector<ModelDescriptor> rows = {
      {"TOY", "", "TO", BusBoth, 2, 1, {017777526}, {0}, {0}},
  };
  return rows;
}

const std::vector<ModelAlias>& clockModelAliases() {
  static const std::vector<ModelAlias> aliases = {{"TOY-CLOCK", "TOY"}, {"TOY_CLOCK", "TOY"}};
  return aliases;
}

bool VelmorClockDevice::setParameter(std::string_view key, int, std::string_view value) {
  clearUnitTouched();
  return setCommonParameter(key, 0, value);
}
