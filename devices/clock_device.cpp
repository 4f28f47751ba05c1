#include "devices/clock_device.h"

const std::vector<ModelDescriptor>& clockModelRows() {
  static const std::vector<ModelDescriptor> rows;
  return rows;
}

const std::vector<ModelAlias>& clockModelAliases() {
  static const std::vector<ModelAlias> aliases;
  return aliases;
}
