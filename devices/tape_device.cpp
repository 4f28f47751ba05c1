#include "devices/tape_device.h"

const std::vector<ModelDescriptor>& tapeModelRows() {
  static const std::vector<ModelDescriptor> rows;
  return rows;
}

const std::vector<ModelAlias>& tapeModelAliases() {
  static const std::vector<ModelAlias> aliases;
  return aliases;
}
