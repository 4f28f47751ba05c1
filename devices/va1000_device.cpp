#include "devices/va1000_device.h"

const std::vector<ModelDescriptor>& va1000ModelRows() {
  static const std::vector<ModelDescriptor> rows;
  return rows;
}

const std::vector<ModelAlias>& va1000ModelAliases() {
  static const std::vector<ModelAlias> aliases;
  return aliases;
}
