#include "ui/sheets/unit_sheets.h"

#include <QDialog>
#include <memory>

#include "devices/disk_device.h"
#include "devices/loader_device.h"
#include "devices/serial_device.h"
#include "devices/tape_device.h"
#include "ui/dialog_runner.h"
#include "ui/sheets/disk_unit_properties.h"
#include "ui/sheets/loader_unit_properties.h"
#include "ui/sheets/serial_unit_properties.h"
#include "ui/sheets/tape_unit_properties.h"

namespace {

std::unique_ptr<CPropertySheet> makeUnitSheet(VelmorUnit& record, const UnitSheetContext& context, QWidget* parent) {
  switch (record.kind()) {
    case DeviceKind::DiskUnit:
      return std::make_unique<CDiskUnitProperties>(static_cast<VelmorDiskUnit&>(record), context, parent);
    case DeviceKind::TapeUnit:
      return std::make_unique<CTapeUnitProperties>(static_cast<VelmorTapeUnit&>(record), context, parent);
    case DeviceKind::SerialUnit:
      return std::make_unique<CSerialUnitProperties>(static_cast<VelmorSerialUnit&>(record), context, parent);
    case DeviceKind::LoaderUnit:
      return std::make_unique<CLoaderUnitProperties>(static_cast<VelmorLoaderUnit&>(record), context, parent);
    default: return nullptr;
  }
}

}  // namespace

bool runUnitSheet(VelmorUnit& record, const UnitSheetContext& context, QWidget* parent) {
  const std::unique_ptr<CPropertySheet> sheet = makeUnitSheet(record, context, parent);
  return sheet && context.dialogs.exec(*sheet) == QDialog::Accepted;
}
