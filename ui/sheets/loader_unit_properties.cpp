#include "ui/sheets/loader_unit_properties.h"

#include "devices/loader_device.h"
#include "ui/sheets/device_comments_page.h"
#include "ui/sheets/loader_unit_general_prop.h"
#include "ui/sheets/sheet_picture.h"

CLoaderUnitProperties::CLoaderUnitProperties(VelmorLoaderUnit& record, const UnitSheetContext& context,
                                             QWidget* parent)
    : CPropertySheet(QStringLiteral("Loader Unit Properties"), parent) {
  const QPixmap picture = sheetPicture(DeviceGroup::Loaders);
  general_ = new CLoaderUnitGeneralProp(picture, record, context, this);
  addPage(general_, QStringLiteral("Loader Unit Properties"));
  comments_ = new CDeviceCommentsPage(picture, record.comments, context.messages, this);
  addPage(comments_, QStringLiteral("Comments"));
}
