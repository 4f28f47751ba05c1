#pragma once

#include <QPixmap>
#include <memory>

#include "config/device_properties.h"
#include "ui/sheets/property_sheet.h"
#include "ui/sheets/unit_sheet_context.h"

class Configuration;
class DialogRunner;
class UserMessages;
class VelmorBusDevice;
class CBusDeviceProperties;
class CDeviceCommentsPage;

// What a device's sheet edits: the working copy, the values it hands back on
// OK, what its pages check against, and how they run their own dialogs
// (unit sheets, file choosers) and probe the host's devices.
struct DeviceSheetContext {
  VelmorBusDevice& copy;
  DeviceSheetValues& values;
  Configuration& configuration;
  UserMessages& messages;
  DialogRunner& dialogs;
};

// A bus device's sheet: "General" (all kinds but the binary loader), the
// kind's own pages, then "Comments".
class CDeviceSheet : public CPropertySheet {
  Q_OBJECT
 public:
  CDeviceSheet(const QString& caption, bool withGeneralPage, const DeviceSheetContext& context,
               QWidget* parent = nullptr);

  CBusDeviceProperties* generalPage() const { return general_; }
  CDeviceCommentsPage* commentsPage() const { return comments_; }
  const QPixmap& picture() const { return picture_; }

 protected:
  // The kind's own pages go between the General and the Comments page.
  void addKindPage(CPropertyPage* page, const QString& caption);
  // Opens a unit's sheet from the sheet's unit list.
  UnitSheetRunner unitSheetRunner() const;

  const DeviceSheetContext context_;

 private:
  QPixmap picture_;
  CBusDeviceProperties* general_ = nullptr;
  CDeviceCommentsPage* comments_ = nullptr;
};

// One sheet class per kind; each adds its own pages in its constructor.
class CDiskProperties : public CDeviceSheet {
 public:
  explicit CDiskProperties(const DeviceSheetContext& context, QWidget* parent = nullptr);
};

class CTapeProperties : public CDeviceSheet {
 public:
  explicit CTapeProperties(const DeviceSheetContext& context, QWidget* parent = nullptr);
};

class CSerialProperties : public CDeviceSheet {
 public:
  explicit CSerialProperties(const DeviceSheetContext& context, QWidget* parent = nullptr);
};

class CNetworkProperties : public CDeviceSheet {
 public:
  explicit CNetworkProperties(const DeviceSheetContext& context, QWidget* parent = nullptr);
};

class CVa1000Properties : public CDeviceSheet {
 public:
  explicit CVa1000Properties(const DeviceSheetContext& context, QWidget* parent = nullptr);
};

class CBridgeProperties : public CDeviceSheet {
 public:
  explicit CBridgeProperties(const DeviceSheetContext& context, QWidget* parent = nullptr);
};

class CTimerProperties : public CDeviceSheet {
 public:
  explicit CTimerProperties(const DeviceSheetContext& context, QWidget* parent = nullptr);
};

class CClockProperties : public CDeviceSheet {
 public:
  explicit CClockProperties(const DeviceSheetContext& context, QWidget* parent = nullptr);
};

class CDRXXXProperties : public CDeviceSheet {
 public:
  explicit CDRXXXProperties(const DeviceSheetContext& context, QWidget* parent = nullptr);
};

class CDCI1300Properties : public CDeviceSheet {
 public:
  explicit CDCI1300Properties(const DeviceSheetContext& context, QWidget* parent = nullptr);
};

class CLoaderProperties : public CDeviceSheet {
 public:
  explicit CLoaderProperties(const DeviceSheetContext& context, QWidget* parent = nullptr);
};

class CROMProperties : public CDeviceSheet {
 public:
  explicit CROMProperties(const DeviceSheetContext& context, QWidget* parent = nullptr);
};

// The sheet of the copy's kind.
std::unique_ptr<CDeviceSheet> makeDeviceSheet(const DeviceSheetContext& context, QWidget* parent = nullptr);
