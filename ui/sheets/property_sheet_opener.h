#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>

#include "config/document.h"

class DialogRunner;
class QDialog;

// Opens the property sheet that fits a device (or the system entry's sheet)
// and lets the document write the values back when the user confirms.
class CPropertySheetOpener : public PropertySheetOpener {
 public:
  // Runs a sheet modally and answers QDialog::Accepted or Rejected; tests
  // put a function here that edits the pages and closes the sheet itself.
  using SheetRunner = std::function<int(QDialog& sheet)>;

  CPropertySheetOpener(CVelmorCfgEditorDoc& document, QWidget* parent);
  ~CPropertySheetOpener() override;

  void setSheetRunner(SheetRunner runner) { run_ = std::move(runner); }
  // What the pages run their own dialogs through (unit sheets, file
  // choosers); the opener's own plain runner until one is given.
  void setPageDialogs(DialogRunner& dialogs) { pageDialogs_ = &dialogs; }

  bool openPropertySheet(const std::string& deviceName) override;
  bool openPropertySheet(VelmorBusDevice& device) override;
  bool openSystemSheet() override;

 private:
  CVelmorCfgEditorDoc& document_;
  QPointer<QWidget> parent_;
  SheetRunner run_;
  std::unique_ptr<DialogRunner> ownDialogs_;
  DialogRunner* pageDialogs_ = nullptr;
};
