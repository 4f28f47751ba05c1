#include "ui/sheets/disk_specific_properties.h"

#include "devices/disk_device.h"

namespace {

const VelmorDiskUnit& diskUnit(const VelmorUnit& unit) { return static_cast<const VelmorDiskUnit&>(unit); }

const UnitListKind kDiskUnits{
    "unit",
    [](const VelmorUnit& unit) { return !diskUnit(unit).offline; },
    [](std::string_view type, std::string_view model) {
      return findUnitDefaults(diskUnitDefaultsRows(), type, model) != nullptr;
    },
    // The caching mode is the user's choice for the host, not the model's.
    [](const VelmorUnit& before, VelmorUnit& reset) {
      static_cast<VelmorDiskUnit&>(reset).caching = diskUnit(before).caching;
    },
};

}  // namespace

CDiskSpecificProperties::CDiskSpecificProperties(const QPixmap& picture, const DeviceSheetContext& context,
                                                 const CBusDeviceProperties& general,
                                                 UnitSheetRunner runUnitSheet, QWidget* parent)
    : CUnitListPage(picture, context, &general, std::move(runUnitSheet), kDiskUnits, parent) {}
