#include "devices/timer_device.h"

const std::vector<ModelDescriptor>& timerModelRows() {
  static const std::vector<ModelDescriptor> rows;
  return rows;
}

const std::vector<ModelAlias>& timerModelAliases() {
  static const std::vector<ModelAlias> aliases;
  return aliases;
}
