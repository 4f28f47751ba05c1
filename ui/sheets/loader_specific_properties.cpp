#include "ui/sheets/loader_specific_properties.h"

#include "devices/loader_device.h"

namespace {

const UnitListKind kLoaderUnits{
    "unit",
    [](const VelmorUnit& unit) { return !unit.file.empty(); },
    nullptr,  // no General page: the units are never reset
    nullptr,
};

}  // namespace

CLoaderSpecificProperties::CLoaderSpecificProperties(const QPixmap& picture, const DeviceSheetContext& context,
                                                     UnitSheetRunner runUnitSheet, QWidget* parent)
    : CUnitListPage(picture, context, nullptr, std::move(runUnitSheet), kLoaderUnits, parent) {}
