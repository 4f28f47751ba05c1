#pragma once

#include <QPixmap>
#include <QString>

#include "ui/sheets/model_following_page.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

// "ROM specific properties": the image file, the ROM size, and whether the
// emulator starts at an address of this ROM (the `start` statement).
class CROMSpecificProperties : public CModelFollowingPage {
  Q_OBJECT
 public:
  CROMSpecificProperties(const QPixmap& picture, const DeviceSheetContext& context,
                         const CBusDeviceProperties& general, QWidget* parent = nullptr);

  bool validate() override;

  QLineEdit* imageEdit() const { return imageEdit_; }
  QPushButton* browseButton() const { return browseButton_; }
  QLineEdit* sizeEdit() const { return sizeEdit_; }
  QCheckBox* bootableCheck() const { return bootableCheck_; }
  QLineEdit* startAddressEdit() const { return startAddressEdit_; }

 protected:
  void fill(const VelmorBusDevice& device) override;
  Writer writer() const override;

 private:
  void browse();

  // The image as the page showed it: an untouched field is not checked
  // again (it gives back the device's own bytes).
  QString shownImage_;

  QLineEdit* imageEdit_ = nullptr;
  QPushButton* browseButton_ = nullptr;
  QLineEdit* sizeEdit_ = nullptr;
  QCheckBox* bootableCheck_ = nullptr;
  QLineEdit* startAddressEdit_ = nullptr;
};

// The file chooser's filter of "Browse...".
inline constexpr const char* kRomImageFilter =
    "Binary Images(*.bin)|*.bin|Octal Files(*.oct)|*.oct|All Files(*.*)|*.*||";
