#pragma once

#include "ui/sheets/property_sheet.h"
#include "ui/sheets/unit_sheet_context.h"

class CDeviceCommentsPage;
class CTapeUnitGeneralProperties;
class VelmorTapeUnit;

// The sheet of one tape unit's record: its own page and "Comments". The
// record changes only when the sheet is confirmed.
class CTapeUnitProperties : public CPropertySheet {
  Q_OBJECT
 public:
  CTapeUnitProperties(VelmorTapeUnit& record, const UnitSheetContext& context, QWidget* parent = nullptr);

  CTapeUnitGeneralProperties* generalPage() const { return general_; }
  CDeviceCommentsPage* commentsPage() const { return comments_; }

 private:
  CTapeUnitGeneralProperties* general_ = nullptr;
  CDeviceCommentsPage* comments_ = nullptr;
};
