#include "devices/drxxx_device.h"

const std::vector<ModelDescriptor>& drxxxModelRows() {
  static const std::vector<ModelDescriptor> rows;
  return rows;
}

const std::vector<ModelAlias>& drxxxModelAliases() {
  static const std::vector<ModelAlias> aliases;
  return aliases;
}
