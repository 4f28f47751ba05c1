#pragma once

#include <QPixmap>

#include "ui/sheets/model_following_page.h"

class QCheckBox;
class QComboBox;

// "Bridge Specific": where the bridged window lies on the other bus, its
// size and the trace.
class CBridgeSpecificProperties : public CModelFollowingPage {
  Q_OBJECT
 public:
  CBridgeSpecificProperties(const QPixmap& picture, const DeviceSheetContext& context,
                            const CBusDeviceProperties& general, QWidget* parent = nullptr);

  bool validate() override;

  QComboBox* addressBox() const { return addressBox_; }
  QComboBox* sizeBox() const { return sizeBox_; }
  QCheckBox* traceCheck() const { return traceCheck_; }

 protected:
  void fill(const VelmorBusDevice& device) override;
  Writer writer() const override;

 private:
  QComboBox* addressBox_ = nullptr;
  QComboBox* sizeBox_ = nullptr;
  QCheckBox* traceCheck_ = nullptr;
};
