#include "ui/sheets/device_sheets.h"

#include <QTabWidget>

#include "config/configuration.h"
#include "devices/velmor_device.h"
#include "ui/sheets/bridge_specific_properties.h"
#include "ui/sheets/bus_device_properties.h"
#include "ui/sheets/dci1300_specific_properties.h"
#include "ui/sheets/device_comments_page.h"
#include "ui/sheets/disk_specific_properties.h"
#include "ui/sheets/drxxx_specific_properties.h"
#include "ui/sheets/loader_specific_properties.h"
#include "ui/sheets/net_specific_properties.h"
#include "ui/sheets/rom_specific_properties.h"
#include "ui/sheets/serial_specific_properties.h"
#include "ui/sheets/sheet_picture.h"
#include "ui/sheets/tape_specific_properties.h"
#include "ui/sheets/timer_specific_properties.h"
#include "ui/sheets/unit_sheets.h"
#include "ui/sheets/va1000_specific_properties.h"

CDeviceSheet::CDeviceSheet(const QString& caption, bool withGeneralPage, const DeviceSheetContext& context,
                           QWidget* parent)
    : CPropertySheet(caption, parent), context_(context), picture_(sheetPicture(sheetGroupOf(context.copy))) {
  context_.values.comments = context_.copy.comments;
  if (withGeneralPage) {
    general_ = new CBusDeviceProperties(picture_, context_.copy, context_.configuration, context_.messages,
                                        context_.values.general, this);
    addPage(general_, QStringLiteral("General"));
  }
  comments_ = new CDeviceCommentsPage(picture_, context_.values.comments, context_.messages, this);
  addPage(comments_, QStringLiteral("Comments"));
}

void CDeviceSheet::addKindPage(CPropertyPage* page, const QString& caption) {
  insertPage(pageCount() - 1, page, caption);
}

UnitSheetRunner CDeviceSheet::unitSheetRunner() const {
  return [this](VelmorUnit& record, QWidget* parent) {
    // A line's parity and a printer's ports follow the type chosen now.
    const std::string ownerType = general_ ? general_->currentType() : context_.copy.type;
    const UnitSheetContext unit{ownerType, context_.configuration.targetOs, context_.dialogs, context_.messages};
    return runUnitSheet(record, unit, parent);
  };
}

// Each kind's own pages (unit lists, kind-specific settings) are added in
// these constructors with addKindPage.

CDiskProperties::CDiskProperties(const DeviceSheetContext& context, QWidget* parent)
    : CDeviceSheet(QStringLiteral("Disk Controllers  Properties"), true, context, parent) {
  addKindPage(new CDiskSpecificProperties(picture(), context_, *generalPage(), unitSheetRunner(), this),
              QStringLiteral("Disk Units"));
}

CTapeProperties::CTapeProperties(const DeviceSheetContext& context, QWidget* parent)
    : CDeviceSheet(QStringLiteral("Tape Controllers Properties"), true, context, parent) {
  addKindPage(new CTapeSpecificProperties(picture(), context_, *generalPage(), unitSheetRunner(), this),
              QStringLiteral("Tape Units"));
}

// Serial line controllers and line printers.
CSerialProperties::CSerialProperties(const DeviceSheetContext& context, QWidget* parent)
    : CDeviceSheet(QStringLiteral("Serial Line Controllers Properties"), true, context, parent) {
  addKindPage(new CSerialSpecificProperties(picture(), context_, *generalPage(), unitSheetRunner(), this),
              QStringLiteral("Serial device specific "));
}

CNetworkProperties::CNetworkProperties(const DeviceSheetContext& context, QWidget* parent)
    : CDeviceSheet(QStringLiteral("Network Adapters Properties"), true, context, parent) {
  addKindPage(new CNetSpecificProperties(picture(), context_, *generalPage(), this),
              QStringLiteral("Network specific"));
}

CVa1000Properties::CVa1000Properties(const DeviceSheetContext& context, QWidget* parent)
    : CDeviceSheet(QStringLiteral("Va1000 Adapters Properties"), true, context, parent) {
  addKindPage(new CVa1000SpecificProperties(picture(), context_, *generalPage(), this),
              QStringLiteral("Va1000 specific"));
}

CBridgeProperties::CBridgeProperties(const DeviceSheetContext& context, QWidget* parent)
    : CDeviceSheet(QStringLiteral("Bridge Adapters  Properties"), true, context, parent) {
  addKindPage(new CBridgeSpecificProperties(picture(), context_, *generalPage(), this),
              QStringLiteral("Bridge Specific"));
}

CTimerProperties::CTimerProperties(const DeviceSheetContext& context, QWidget* parent)
    : CDeviceSheet(QStringLiteral("Timer Devices Properties"), true, context, parent) {
  addKindPage(new CTimerSpecificProperties(picture(), context_, *generalPage(), this),
              QStringLiteral("Timer/Clock specific"));
}

// No page of its own.
CClockProperties::CClockProperties(const DeviceSheetContext& context, QWidget* parent)
    : CDeviceSheet(QStringLiteral("Clock Devices Properties"), true, context, parent) {}

CDRXXXProperties::CDRXXXProperties(const DeviceSheetContext& context, QWidget* parent)
    : CDeviceSheet(QStringLiteral("DAQ Device Properties"), true, context, parent) {
  addKindPage(new CDRXXXSpecificProperties(picture(), context_, *generalPage(), this),
              QStringLiteral("DRXXX specific properties"));
}

CDCI1300Properties::CDCI1300Properties(const DeviceSheetContext& context, QWidget* parent)
    : CDeviceSheet(QStringLiteral("DCI1300 Device Properties"), true, context, parent) {
  addKindPage(new CDCI1300SpecificProperties(picture(), context_, *generalPage(), this),
              QStringLiteral("DCI1300 Specific "));
}

// A loader has no General page.
CLoaderProperties::CLoaderProperties(const DeviceSheetContext& context, QWidget* parent)
    : CDeviceSheet(QStringLiteral("Binary Loader Properties"), false, context, parent) {
  addKindPage(new CLoaderSpecificProperties(picture(), context_, unitSheetRunner(), this),
              QStringLiteral("Loader Units"));
  // The unit list is the sheet's first page, and what it opens with.
  tabs()->setCurrentIndex(0);
}

CROMProperties::CROMProperties(const DeviceSheetContext& context, QWidget* parent)
    : CDeviceSheet(QStringLiteral("ROM Device Properties"), true, context, parent) {
  addKindPage(new CROMSpecificProperties(picture(), context_, *generalPage(), this),
              QStringLiteral("ROM specific properties"));
}

std::unique_ptr<CDeviceSheet> makeDeviceSheet(const DeviceSheetContext& context, QWidget* parent) {
  switch (context.copy.kind()) {
    case DeviceKind::Disk: return std::make_unique<CDiskProperties>(context, parent);
    case DeviceKind::Tape: return std::make_unique<CTapeProperties>(context, parent);
    case DeviceKind::Serial: return std::make_unique<CSerialProperties>(context, parent);
    case DeviceKind::Network: return std::make_unique<CNetworkProperties>(context, parent);
    case DeviceKind::Va1000: return std::make_unique<CVa1000Properties>(context, parent);
    case DeviceKind::Bridge: return std::make_unique<CBridgeProperties>(context, parent);
    case DeviceKind::Timer: return std::make_unique<CTimerProperties>(context, parent);
    case DeviceKind::Clock: return std::make_unique<CClockProperties>(context, parent);
    case DeviceKind::DRXXX: return std::make_unique<CDRXXXProperties>(context, parent);
    case DeviceKind::DCI1300: return std::make_unique<CDCI1300Properties>(context, parent);
    case DeviceKind::Loader: return std::make_unique<CLoaderProperties>(context, parent);
    case DeviceKind::ROM: return std::make_unique<CROMProperties>(context, parent);
    default: return nullptr;
  }
}
