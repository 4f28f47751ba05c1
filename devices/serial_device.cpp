#include "devices/serial_device.h"

const std::vector<ModelDescriptor>& serialModelRows() {
  static const std::vector<ModelDescriptor> rows;
  return rows;
}

const std::vector<ModelAlias>& serialModelAliases() {
  static const std::vector<ModelAlias> aliases;
  return aliases;
}
