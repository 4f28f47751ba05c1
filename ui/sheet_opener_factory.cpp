#include "ui/sheet_opener_factory.h"

#include "ui/dialog_runner.h"
#include "ui/sheets/property_sheet_opener.h"

std::unique_ptr<PropertySheetOpener> makePropertySheetOpener(CVelmorCfgEditorDoc& document, DialogRunner& dialogs,
                                                             QWidget* parent) {
  auto opener = std::make_unique<CPropertySheetOpener>(document, parent);
  opener->setSheetRunner([&dialogs](QDialog& sheet) { return dialogs.exec(sheet); });
  opener->setPageDialogs(dialogs);
  return opener;
}
