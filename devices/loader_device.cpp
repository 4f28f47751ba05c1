#include "devices/loader_device.h"

const std::vector<ModelDescriptor>& loaderModelRows() {
  static const std::vector<ModelDescriptor> rows;
  return rows;
}

const std::vector<ModelAlias>& loaderModelAliases() {
  static const std::vector<ModelAlias> aliases;
  return aliases;
}
