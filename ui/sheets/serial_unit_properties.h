#pragma once

#include "ui/sheets/property_sheet.h"
#include "ui/sheets/unit_sheet_context.h"

class CDeviceCommentsPage;
class CSerialUnitGeneralProperties;
class CSerialUnitNTSpecificProperties;
class VelmorSerialUnit;

// The sheet of one serial line (or a line printer's one unit). The record
// changes only when the sheet is confirmed.
class CSerialUnitProperties : public CPropertySheet {
  Q_OBJECT
 public:
  CSerialUnitProperties(VelmorSerialUnit& record, const UnitSheetContext& context, QWidget* parent = nullptr);

  CSerialUnitGeneralProperties* generalPage() const { return general_; }
  CSerialUnitNTSpecificProperties* ntPage() const { return nt_; }
  CDeviceCommentsPage* commentsPage() const { return comments_; }

 private:
  CSerialUnitGeneralProperties* general_ = nullptr;
  CSerialUnitNTSpecificProperties* nt_ = nullptr;
  CDeviceCommentsPage* comments_ = nullptr;
};
