#include "ui/sheets/serial_unit_properties.h"

#include "devices/serial_device.h"
#include "ui/sheets/device_comments_page.h"
#include "ui/sheets/serial_unit_general_properties.h"
#include "ui/sheets/serial_unit_nt_specific_properties.h"
#include "ui/sheets/sheet_picture.h"

CSerialUnitProperties::CSerialUnitProperties(VelmorSerialUnit& record, const UnitSheetContext& context,
                                             QWidget* parent)
    : CPropertySheet(QStringLiteral("Serial line properties"), parent) {
  const QPixmap picture = sheetPicture(isLinePrinterType(context.ownerType) ? DeviceGroup::LinePrinters
                                                                                    : DeviceGroup::Serials);
  general_ = new CSerialUnitGeneralProperties(picture, record, context, this);
  addPage(general_, QStringLiteral("General"));
  nt_ = new CSerialUnitNTSpecificProperties(picture, record, context.messages, this);
  addPage(nt_, QStringLiteral("NT Specific properties"));
  comments_ = new CDeviceCommentsPage(picture, record.comments, context.messages, this);
  addPage(comments_, QStringLiteral("Comments"));
}
