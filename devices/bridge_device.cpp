#include "devices/bridge_device.h"

const std::vector<ModelDescriptor>& bridgeModelRows() {
  static const std::vector<ModelDescriptor> rows;
  return rows;
}

const std::vector<ModelAlias>& bridgeModelAliases() {
  static const std::vector<ModelAlias> aliases;
  return aliases;
}
