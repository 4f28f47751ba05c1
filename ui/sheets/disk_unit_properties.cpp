#include "ui/sheets/disk_unit_properties.h"

#include "config/device_groups.h"
#include "devices/disk_device.h"
#include "ui/sheets/device_comments_page.h"
#include "ui/sheets/disk_unit_general_properties.h"
#include "ui/sheets/sheet_picture.h"

CDiskUnitProperties::CDiskUnitProperties(VelmorDiskUnit& record, const UnitSheetContext& context, QWidget* parent)
    : CPropertySheet(QStringLiteral("Disk Unit Properties"), parent) {
  general_ = new CDiskUnitGeneralProperties(record, context, this);
  addPage(general_, QStringLiteral("Disk Unit Properties"));
  comments_ = new CDeviceCommentsPage(sheetPicture(DeviceGroup::Disks), record.comments, context.messages, this);
  addPage(comments_, QStringLiteral("Comments"));
}
