#pragma once

#include "ui/sheets/unit_list_page.h"

// "Tape Units": a tape controller's drives; a drive without a file shows the unlit bulb.
class CTapeSpecificProperties : public CUnitListPage {
 public:
  CTapeSpecificProperties(const QPixmap& picture, const DeviceSheetContext& context,
                          const CBusDeviceProperties& general, UnitSheetRunner runUnitSheet,
                          QWidget* parent = nullptr);
};
