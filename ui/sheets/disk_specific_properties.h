#pragma once

#include "ui/sheets/unit_list_page.h"

// "Disk Units": a disk controller's drives; an offline drive shows the unlit bulb.
class CDiskSpecificProperties : public CUnitListPage {
 public:
  CDiskSpecificProperties(const QPixmap& picture, const DeviceSheetContext& context,
                          const CBusDeviceProperties& general, UnitSheetRunner runUnitSheet,
                          QWidget* parent = nullptr);
};
