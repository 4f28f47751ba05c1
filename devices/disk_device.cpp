#include "devices/disk_device.h"

const std::vector<ModelDescriptor>& diskModelRows() {
  static const std::vector<ModelDescriptor> rows;
  return rows;
}

const std::vector<ModelAlias>& diskModelAliases() {
  static const std::vector<ModelAlias> aliases;
  return aliases;
}
