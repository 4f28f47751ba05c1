#pragma once

#include "ui/sheets/property_sheet.h"
#include "ui/sheets/unit_sheet_context.h"

class CDeviceCommentsPage;
class CLoaderUnitGeneralProp;
class VelmorLoaderUnit;

// The sheet of one binary loader unit. The record changes only when the
// sheet is confirmed.
class CLoaderUnitProperties : public CPropertySheet {
  Q_OBJECT
 public:
  CLoaderUnitProperties(VelmorLoaderUnit& record, const UnitSheetContext& context, QWidget* parent = nullptr);

  CLoaderUnitGeneralProp* generalPage() const { return general_; }
  CDeviceCommentsPage* commentsPage() const { return comments_; }

 private:
  CLoaderUnitGeneralProp* general_ = nullptr;
  CDeviceCommentsPage* comments_ = nullptr;
};
