#pragma once

#include <QPixmap>
#include <QString>

#include "ui/sheets/model_following_page.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

// "DCI1300 Specific ": the second vector, the host card's device path, the
// two strobe timers and the maintenance and trace flags.
class CDCI1300SpecificProperties : public CModelFollowingPage {
  Q_OBJECT
 public:
  CDCI1300SpecificProperties(const QPixmap& picture, const DeviceSheetContext& context,
                             const CBusDeviceProperties& general, QWidget* parent = nullptr);

  bool validate() override;

  QComboBox* vector1Box() const { return vector1Box_; }
  QComboBox* imageBox() const { return imageBox_; }
  QLineEdit* ndrStrobeEdit() const { return ndrStrobeEdit_; }
  QLineEdit* dtStrobeEdit() const { return dtStrobeEdit_; }
  QCheckBox* maintenanceCheck() const { return maintenanceCheck_; }
  QCheckBox* traceCheck() const { return traceCheck_; }

 protected:
  void fill(const VelmorBusDevice& device) override;
  Writer writer() const override;

 private:
  // The image as the page showed it: an untouched field is not checked
  // again (it gives back the device's own bytes).
  QString shownImage_;

  QComboBox* vector1Box_ = nullptr;
  QComboBox* imageBox_ = nullptr;
  QLineEdit* ndrStrobeEdit_ = nullptr;
  QLineEdit* dtStrobeEdit_ = nullptr;
  QCheckBox* maintenanceCheck_ = nullptr;
  QCheckBox* traceCheck_ = nullptr;
};
