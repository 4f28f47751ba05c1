#include "ui/sheets/property_sheet_opener.h"

#include <QDialog>

#include "ui/dialog_runner.h"

#include "ui/sheets/device_sheets.h"
#include "ui/sheets/main_system_properties.h"

CPropertySheetOpener::CPropertySheetOpener(CVelmorCfgEditorDoc& document, QWidget* parent)
    : document_(document),
      parent_(parent),
      run_([](QDialog& sheet) { return sheet.exec(); }),
      ownDialogs_(std::make_unique<DialogRunner>()),
      pageDialogs_(ownDialogs_.get()) {}

CPropertySheetOpener::~CPropertySheetOpener() = default;

bool CPropertySheetOpener::openPropertySheet(const std::string& deviceName) {
  VelmorBusDevice* device = document_.configuration().FindBusDevice(deviceName);
  return device && openPropertySheet(*device);
}

bool CPropertySheetOpener::openPropertySheet(VelmorBusDevice& device) {
  return document_.DeviceProperties(device, [this](VelmorBusDevice& copy, DeviceSheetValues& values) {
    const DeviceSheetContext context{copy, values, document_.configuration(), document_.messages(), *pageDialogs_};
    std::unique_ptr<CDeviceSheet> sheet = makeDeviceSheet(context, parent_);
    return sheet && run_(*sheet) == QDialog::Accepted;
  });
}

bool CPropertySheetOpener::openSystemSheet() {
  return document_.SystemProperties([this](SystemSheetValues& values) {
    CMainSystemProperties sheet(values, document_.messages(), parent_);
    return run_(sheet) == QDialog::Accepted;
  });
}
