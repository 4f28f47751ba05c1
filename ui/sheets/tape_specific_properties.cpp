#include "ui/sheets/tape_specific_properties.h"

#include "devices/tape_device.h"

namespace {

const UnitListKind kTapeUnits{
    "unit",
    [](const VelmorUnit& unit) { return !unit.file.empty(); },
    [](std::string_view type, std::string_view model) {
      return findUnitDefaults(tapeUnitDefaultsRows(), type, model) != nullptr;
    },
    nullptr,
};

}  // namespace

CTapeSpecificProperties::CTapeSpecificProperties(const QPixmap& picture, const DeviceSheetContext& context,
                                                 const CBusDeviceProperties& general,
                                                 UnitSheetRunner runUnitSheet, QWidget* parent)
    : CUnitListPage(picture, context, &general, std::move(runUnitSheet), kTapeUnits, parent) {}
