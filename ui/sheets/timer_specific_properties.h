#pragma once

#include <QPixmap>
#include <string>

#include "ui/sheets/model_following_page.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;

// "Timer/Clock specific": the options of the timer types, in one group box
// per set of types that has them; the boxes of other types are disabled and
// their fields are left as they are.
class CTimerSpecificProperties : public CModelFollowingPage {
  Q_OBJECT
 public:
  CTimerSpecificProperties(const QPixmap& picture, const DeviceSheetContext& context,
                           const CBusDeviceProperties& general, QWidget* parent = nullptr);

  bool validate() override;

  QGroupBox* vector1Group() const { return vector1Group_; }
  QGroupBox* kw11wGroup() const { return kw11wGroup_; }
  QGroupBox* lineFrequencyGroup() const { return lineFrequencyGroup_; }
  QGroupBox* kwv11Group() const { return kwv11Group_; }
  QComboBox* vector1Box() const { return vector1Box_; }
  QComboBox* vector2Box() const { return vector2Box_; }
  QCheckBox* silentCheck() const { return silentCheck_; }
  QComboBox* lineFrequencyBox() const { return lineFrequencyBox_; }
  QCheckBox* overflowPulseCheck() const { return overflowPulseCheck_; }
  QCheckBox* internalOnlyCheck() const { return internalOnlyCheck_; }
  QLineEdit* linesEdit() const { return linesEdit_; }

 protected:
  void fill(const VelmorBusDevice& device) override;
  Writer writer() const override;

 private:
  std::string type_;  // the type whose values the page shows
  QGroupBox* vector1Group_ = nullptr;
  QGroupBox* kw11wGroup_ = nullptr;
  QGroupBox* lineFrequencyGroup_ = nullptr;
  QGroupBox* kwv11Group_ = nullptr;
  QComboBox* vector1Box_ = nullptr;
  QComboBox* vector2Box_ = nullptr;
  QCheckBox* silentCheck_ = nullptr;
  QComboBox* lineFrequencyBox_ = nullptr;
  QCheckBox* overflowPulseCheck_ = nullptr;
  QCheckBox* internalOnlyCheck_ = nullptr;
  QLineEdit* linesEdit_ = nullptr;
};
