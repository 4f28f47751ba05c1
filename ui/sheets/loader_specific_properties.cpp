#include "ui/sheets/loader_specific_properties.h"

#include "devices/loader_device.h"

namespace {

const UnitListKind kLoaderUnits{
    "unit",
    [](const VelmorUnit& unit) { return !unit.file.empty(); },
    [](std::string_view type, std::string_view model) {
      return findUnitDefaults(loaderUnitDefaultsRows(), type, model) != nullptr;
    },
    nullptr,
};

}  // namespace

CLoaderSpecificProperties::CLoaderSpecificProperties(const QPixmap& picture, const DeviceSheetContext& context,
                                                     UnitSheetRunner runUnitSheet, QWidget* parent)
    : CUnitListPage(picture, context, nullptr, std::move(runUnitSheet), kLoaderUnits, parent) {}
