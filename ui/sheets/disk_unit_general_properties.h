#pragma once

#include <QString>

#include "ui/sheets/property_page.h"
#include "ui/sheets/unit_sheet_context.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QLineEdit;
class QPushButton;
class QRadioButton;
class VelmorDiskUnit;

// The disk unit's own page: its file (an image file or a real disk of the
// host), flags, caching mode and numbers.
class CDiskUnitGeneralProperties : public CPropertyPage {
  Q_OBJECT
 public:
  CDiskUnitGeneralProperties(VelmorDiskUnit& record, const UnitSheetContext& context, QWidget* parent = nullptr);

  bool validate() override;
  void writeBack() override;

  QRadioButton* imageRadio() const { return imageRadio_; }
  QLineEdit* imageEdit() const { return imageEdit_; }
  QPushButton* browseButton() const { return browseButton_; }
  QRadioButton* deviceRadio() const { return deviceRadio_; }
  QComboBox* deviceBox() const { return deviceBox_; }
  QCheckBox* writeprotectCheck() const { return writeprotectCheck_; }
  QCheckBox* offlineCheck() const { return offlineCheck_; }
  QCheckBox* bootCheck() const { return bootCheck_; }
  // Ids 0, 1, 2: the caching modes; none is checked for a mode the script
  // holds that has no choice here.
  QButtonGroup* cachingGroup() const { return cachingGroup_; }
  QLineEdit* sizeEdit() const { return sizeEdit_; }
  QLineEdit* sectorSizeEdit() const { return sectorSizeEdit_; }
  QLineEdit* delayFactorEdit() const { return delayFactorEdit_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildFileControls(QGridLayout* grid);
  void buildOptionControls(QGridLayout* grid);
  void chooseImage();
  void chooseDevice();
  void enableFileControls();
  void browse();
  // "Size:" takes the image file's length in 512-byte blocks when the file opens.
  void sizeFromImage();
  QString currentFile() const;
  // The user named another file: until the user sets "Offline" here, the
  // unit is online exactly when its file changed, as a script's file key
  // puts a unit online.
  void fileEdited();

  VelmorDiskUnit& record_;
  UnitSheetContext context_;
  QString shownFile_;   // the file as the page first showed it
  bool shownOffline_ = false;
  bool offlineSetByUser_ = false;
  QRadioButton* imageRadio_ = nullptr;
  QLineEdit* imageEdit_ = nullptr;
  QPushButton* browseButton_ = nullptr;
  QRadioButton* deviceRadio_ = nullptr;
  QComboBox* deviceBox_ = nullptr;
  QCheckBox* writeprotectCheck_ = nullptr;
  QCheckBox* offlineCheck_ = nullptr;
  QCheckBox* bootCheck_ = nullptr;
  QButtonGroup* cachingGroup_ = nullptr;
  QLineEdit* sizeEdit_ = nullptr;
  QLineEdit* sectorSizeEdit_ = nullptr;
  QLineEdit* delayFactorEdit_ = nullptr;
};
