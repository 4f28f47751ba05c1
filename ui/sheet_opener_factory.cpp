#include "ui/sheet_opener_factory.h"

#include "ui/sheets/property_sheet_opener.h"

std::unique_ptr<PropertySheetOpener> makePropertySheetOpener(CVelmorCfgEditorDoc& document, QWidget* parent) {
  return std::make_unique<CPropertySheetOpener>(document, parent);
}
