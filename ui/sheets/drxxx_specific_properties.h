#pragma once

#include <QPixmap>
#include <QString>

#include "ui/sheets/model_following_page.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

// "DRXXX specific properties": the second vector, the maintenance mode and
// the mapping of the host board's lines.
class CDRXXXSpecificProperties : public CModelFollowingPage {
  Q_OBJECT
 public:
  CDRXXXSpecificProperties(const QPixmap& picture, const DeviceSheetContext& context,
                           const CBusDeviceProperties& general, QWidget* parent = nullptr);

  bool validate() override;

  QComboBox* vector1Box() const { return vector1Box_; }
  QCheckBox* maintenanceCheck() const { return maintenanceCheck_; }
  QLineEdit* linesEdit() const { return linesEdit_; }

 protected:
  void fill(const VelmorBusDevice& device) override;
  Writer writer() const override;

 private:
  // The lines text as the page showed it: an untouched field is not checked
  // again (it gives back the device's own bytes).
  QString shownLines_;

  QComboBox* vector1Box_ = nullptr;
  QCheckBox* maintenanceCheck_ = nullptr;
  QLineEdit* linesEdit_ = nullptr;
};
