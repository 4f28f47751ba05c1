#include "ui/sheet_opener_factory.h"

#include "ui/sheets/property_sheet_opener.h"

namespace {

// Stands in until the property sheets exist: every sheet is confirmed at
// once with the device's values unchanged, so adding a device keeps it.
class ConfirmingSheetOpener : public PropertySheetOpener {
 public:
  bool openPropertySheet(const std::string&) override { return true; }
  bool openSystemSheet() override { return true; }
};

}  // namespace

std::unique_ptr<PropertySheetOpener> makePropertySheetOpener(CVelmorCfgEditorDoc& document, QWidget* parent) {
  return std::make_unique<CPropertySheetOpener>(document, parent);
}
