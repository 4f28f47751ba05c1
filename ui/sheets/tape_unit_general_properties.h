#pragma once

#include <QString>

#include "ui/sheets/property_page.h"
#include "ui/sheets/unit_sheet_context.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLineEdit;
class QPushButton;
class QRadioButton;
class VelmorTapeUnit;

// The tape unit's own page: its file (an image file, a host tape device or
// a link port), flags and numbers.
class CTapeUnitGeneralProperties : public CPropertyPage {
  Q_OBJECT
 public:
  CTapeUnitGeneralProperties(VelmorTapeUnit& record, const UnitSheetContext& context, QWidget* parent = nullptr);

  bool validate() override;
  void writeBack() override;

  QRadioButton* imageRadio() const { return imageRadio_; }
  QLineEdit* imageEdit() const { return imageEdit_; }
  QPushButton* browseButton() const { return browseButton_; }
  QPushButton* resetButton() const { return resetButton_; }
  QRadioButton* deviceRadio() const { return deviceRadio_; }
  QComboBox* deviceBox() const { return deviceBox_; }
  QRadioButton* linkRadio() const { return linkRadio_; }
  QLineEdit* portEdit() const { return portEdit_; }
  QCheckBox* writeprotectCheck() const { return writeprotectCheck_; }
  QCheckBox* bootCheck() const { return bootCheck_; }
  QCheckBox* unloadCheck() const { return unloadCheck_; }
  QCheckBox* loadedCheck() const { return loadedCheck_; }
  QLineEdit* delayFactorEdit() const { return delayFactorEdit_; }
  QLineEdit* volumeSizeEdit() const { return volumeSizeEdit_; }

 private:
  void buildFileControls(QGridLayout* grid);
  void buildOptionControls(QGridLayout* grid);
  void enableFileControls();
  void refillDevices();
  void browse();
  // The file text the controls give, the port as typed.
  QString composedFile() const;

  VelmorTapeUnit& record_;
  UnitSheetContext context_;
  QString shownFile_;  // what the controls gave when the page was built
  QRadioButton* imageRadio_ = nullptr;
  QLineEdit* imageEdit_ = nullptr;
  QPushButton* browseButton_ = nullptr;
  QPushButton* resetButton_ = nullptr;
  QRadioButton* deviceRadio_ = nullptr;
  QComboBox* deviceBox_ = nullptr;
  QRadioButton* linkRadio_ = nullptr;
  QLineEdit* portEdit_ = nullptr;
  QCheckBox* writeprotectCheck_ = nullptr;
  QCheckBox* bootCheck_ = nullptr;
  QCheckBox* unloadCheck_ = nullptr;
  QCheckBox* loadedCheck_ = nullptr;
  QLineEdit* delayFactorEdit_ = nullptr;
  QLineEdit* volumeSizeEdit_ = nullptr;
};
