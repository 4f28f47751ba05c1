#pragma once

#include <QPixmap>

#include "ui/sheets/model_following_page.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

// "Va1000 specific": how the adapter reaches its DARI210 card and the memory
// window it maps.
class CVa1000SpecificProperties : public CModelFollowingPage {
  Q_OBJECT
 public:
  CVa1000SpecificProperties(const QPixmap& picture, const DeviceSheetContext& context,
                            const CBusDeviceProperties& general, QWidget* parent = nullptr);

  bool validate() override;

  QLineEdit* hostEdit() const { return hostEdit_; }
  QLineEdit* portEdit() const { return portEdit_; }
  QCheckBox* newProtocolCheck() const { return newProtocolCheck_; }
  QLineEdit* timeoutEdit() const { return timeoutEdit_; }
  QComboBox* baseAddressBox() const { return baseAddressBox_; }
  QComboBox* windowSizeBox() const { return windowSizeBox_; }
  QComboBox* sr10Box() const { return sr10Box_; }
  QCheckBox* staticWindowCheck() const { return staticWindowCheck_; }
  QLineEdit* windowEdit() const { return windowEdit_; }

 protected:
  void fill(const VelmorBusDevice& device) override;
  Writer writer() const override;

 private:
  QLineEdit* hostEdit_ = nullptr;
  QLineEdit* portEdit_ = nullptr;
  QCheckBox* newProtocolCheck_ = nullptr;
  QLineEdit* timeoutEdit_ = nullptr;
  QComboBox* baseAddressBox_ = nullptr;
  QComboBox* windowSizeBox_ = nullptr;
  QComboBox* sr10Box_ = nullptr;
  QCheckBox* staticWindowCheck_ = nullptr;
  QLineEdit* windowEdit_ = nullptr;
};
