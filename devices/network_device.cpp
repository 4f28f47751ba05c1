#include "devices/network_device.h"

const std::vector<ModelDescriptor>& networkModelRows() {
  static const std::vector<ModelDescriptor> rows;
  return rows;
}

const std::vector<ModelAlias>& networkModelAliases() {
  static const std::vector<ModelAlias> aliases;
  return aliases;
}
