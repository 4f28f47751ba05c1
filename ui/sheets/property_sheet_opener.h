#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>

#include "config/document.h"

class QDialog;

// Opens the property sheet that fits a device (or the system entry's sheet)
// and lets the document write the values back when the user confirms.
class CPropertySheetOpener : public PropertySheetOpener {
 public:
  // Runs a sheet modally and answers QDialog::Accepted or Rejected; tests
  // put a function here that edits the pages and closes the sheet itself.
  using SheetRunner = std::function<int(QDialog& sheet)>;

  CPropertySheetOpener(CVelmorCfgEditorDoc& document, QWidget* parent);

  void setSheetRunner(SheetRunner runner) { run_ = std::move(runner); }

  bool openPropertySheet(const std::string& deviceName) override;
  bool openPropertySheet(VelmorBusDevice& device) override;
  bool openSystemSheet() override;

 private:
  CVelmorCfgEditorDoc& document_;
  QPointer<QWidget> parent_;
  SheetRunner run_;
};
