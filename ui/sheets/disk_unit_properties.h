#pragma once

#include "ui/sheets/property_sheet.h"
#include "ui/sheets/unit_sheet_context.h"

class CDeviceCommentsPage;
class CDiskUnitGeneralProperties;
class VelmorDiskUnit;

// The sheet of one disk unit's record: its own page and "Comments". The
// record changes only when the sheet is confirmed.
class CDiskUnitProperties : public CPropertySheet {
  Q_OBJECT
 public:
  CDiskUnitProperties(VelmorDiskUnit& record, const UnitSheetContext& context, QWidget* parent = nullptr);

  CDiskUnitGeneralProperties* generalPage() const { return general_; }
  CDeviceCommentsPage* commentsPage() const { return comments_; }

 private:
  CDiskUnitGeneralProperties* general_ = nullptr;
  CDeviceCommentsPage* comments_ = nullptr;
};
