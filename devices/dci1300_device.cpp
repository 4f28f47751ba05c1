#include "devices/dci1300_device.h"

const std::vector<ModelDescriptor>& dci1300ModelRows() {
  static const std::vector<ModelDescriptor> rows;
  return rows;
}

const std::vector<ModelAlias>& dci1300ModelAliases() {
  static const std::vector<ModelAlias> aliases;
  return aliases;
}
