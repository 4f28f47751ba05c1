#pragma once

#include "ui/sheets/unit_list_page.h"

// "Loader Units": a binary loader's images; a unit without an image file
// shows the unlit bulb. A loader has no General page, so its list never resets.
class CLoaderSpecificProperties : public CUnitListPage {
 public:
  CLoaderSpecificProperties(const QPixmap& picture, const DeviceSheetContext& context,
                            UnitSheetRunner runUnitSheet, QWidget* parent = nullptr);
};
