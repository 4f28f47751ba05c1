#pragma once

#include <QPixmap>
#include <QString>
#include <string>

#include "ui/sheets/device_sheets.h"
#include "ui/sheets/model_change_watch.h"
#include "ui/sheets/property_page.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class VelmorDRXXXDevice;

// "DRXXX specific properties": the second vector, the maintenance mode and
// the mapping of the host board's lines.
class CDRXXXSpecificProperties : public CPropertyPage {
  Q_OBJECT
 public:
  CDRXXXSpecificProperties(const QPixmap& picture, const DeviceSheetContext& context,
                           const CBusDeviceProperties& general, QWidget* parent = nullptr);

  bool validate() override;
  void writeBack() override;
  void shown() override;

  QComboBox* vector1Box() const { return vector1Box_; }
  QCheckBox* maintenanceCheck() const { return maintenanceCheck_; }
  QLineEdit* linesEdit() const { return linesEdit_; }

 private:
  void fill(const VelmorDRXXXDevice& device);

  const DeviceSheetContext context_;
  ModelChangeWatch watch_;
  // The lines text as the device held it and as the page showed it: an
  // untouched field hands back the device's own bytes.
  std::string lines_;
  QString shownLines_;

  QComboBox* vector1Box_ = nullptr;
  QCheckBox* maintenanceCheck_ = nullptr;
  QLineEdit* linesEdit_ = nullptr;
};
