#include "devices/rom_device.h"

const std::vector<ModelDescriptor>& romModelRows() {
  static const std::vector<ModelDescriptor> rows;
  return rows;
}

const std::vector<ModelAlias>& romModelAliases() {
  static const std::vector<ModelAlias> aliases;
  return aliases;
}
