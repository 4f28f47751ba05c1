#pragma once

#include <QPixmap>

#include "ui/sheets/property_page.h"
#include "ui/sheets/unit_sheet_context.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class VelmorLoaderUnit;

// The "Loader Unit Properties" page: the image file, where it is loaded and
// started, which part of the file is read, and whether the unit boots.
class CLoaderUnitGeneralProp : public CPropertyPage {
  Q_OBJECT
 public:
  CLoaderUnitGeneralProp(const QPixmap& picture, VelmorLoaderUnit& record, const UnitSheetContext& context,
                         QWidget* parent = nullptr);

  bool validate() override;
  void writeBack() override;

  QLineEdit* fileEdit() const { return fileEdit_; }
  QPushButton* browseButton() const { return browse_; }
  QLineEdit* loadAddressEdit() const { return loadEdit_; }
  QLineEdit* bootAddressEdit() const { return bootEdit_; }
  QLineEdit* offsetEdit() const { return offsetEdit_; }
  QLineEdit* lengthEdit() const { return lengthEdit_; }
  QCheckBox* bootableCheck() const { return bootable_; }

 private:
  void browse();

  VelmorLoaderUnit& record_;
  UnitSheetContext context_;
  QLineEdit* fileEdit_ = nullptr;
  QPushButton* browse_ = nullptr;
  QLineEdit* loadEdit_ = nullptr;
  QLineEdit* bootEdit_ = nullptr;
  QLineEdit* offsetEdit_ = nullptr;
  QLineEdit* lengthEdit_ = nullptr;
  QCheckBox* bootable_ = nullptr;
};
