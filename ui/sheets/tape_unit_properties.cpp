#include "ui/sheets/tape_unit_properties.h"

#include "config/device_groups.h"
#include "devices/tape_device.h"
#include "ui/sheets/device_comments_page.h"
#include "ui/sheets/sheet_picture.h"
#include "ui/sheets/tape_unit_general_properties.h"

CTapeUnitProperties::CTapeUnitProperties(VelmorTapeUnit& record, const UnitSheetContext& context, QWidget* parent)
    : CPropertySheet(QStringLiteral("Tape Unit Properties"), parent) {
  general_ = new CTapeUnitGeneralProperties(record, context, this);
  addPage(general_, QStringLiteral("Tape unit properties"));
  comments_ = new CDeviceCommentsPage(sheetPicture(DeviceGroup::Tapes), record.comments, context.messages, this);
  addPage(comments_, QStringLiteral("Comments"));
}
