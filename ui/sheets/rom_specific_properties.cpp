#include "ui/sheets/rom_specific_properties.h"

#include <QCheckBox>
#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "devices/rom_device.h"
#include "ui/dialog_runner.h"
#include "ui/script_text.h"
#include "ui/sheets/choice_lists.h"
#include "ui/sheets/number_fields.h"
#include "ui/sheets/sheet_picture.h"

CROMSpecificProperties::CROMSpecificProperties(const QPixmap& picture, const DeviceSheetContext& context,
                                               const CBusDeviceProperties& general, QWidget* parent)
    : CModelFollowingPage(context, general, parent) {
  auto* grid = pictureGrid(this, picture);

  imageEdit_ = new QLineEdit(this);
  takeAnyLength(imageEdit_);
  browseButton_ = new QPushButton(QStringLiteral("Browse..."), this);
  connect(browseButton_, &QPushButton::clicked, this, &CROMSpecificProperties::browse);
  sizeEdit_ = new QLineEdit(this);
  bootableCheck_ = new QCheckBox(QStringLiteral("Bootable"), this);
  startAddressEdit_ = new QLineEdit(this);

  auto* imageLabel = new QLabel(QStringLiteral("ROM image"), this);
  imageLabel->setBuddy(imageEdit_);
  auto* sizeLabel = new QLabel(QStringLiteral("ROM Size"), this);
  sizeLabel->setBuddy(sizeEdit_);
  auto* startLabel = new QLabel(QStringLiteral("Address to start"), this);
  startLabel->setBuddy(startAddressEdit_);
  grid->addWidget(imageLabel, 1, 0);
  grid->addWidget(imageEdit_, 1, 1);
  grid->addWidget(browseButton_, 1, 2);
  grid->addWidget(sizeLabel, 2, 0);
  grid->addWidget(sizeEdit_, 2, 1);
  grid->addWidget(bootableCheck_, 3, 0, 1, 3);
  grid->addWidget(startLabel, 4, 0);
  grid->addWidget(startAddressEdit_, 4, 1);
  grid->setColumnStretch(1, 1);
  grid->setRowStretch(5, 1);

  fill(context.copy);
}

void CROMSpecificProperties::fill(const VelmorBusDevice& shown) {
  const auto& device = static_cast<const VelmorROMDevice&>(shown);
  shownImage_ = fromBytes(device.image);
  imageEdit_->setText(shownImage_);
  sizeEdit_->setText(QString::number(device.romSize));
  bootableCheck_->setChecked(device.start);
  startAddressEdit_->setText(numberText(device.startAddress, NumberForm::Octal));
}

void CROMSpecificProperties::browse() {
  const QString chosen = context_.dialogs.browseFileName(this, imageEdit_->text(), QStringLiteral("bin"),
                                                         QString::fromLatin1(kRomImageFilter));
  if (!chosen.isEmpty()) imageEdit_->setText(QDir::toNativeSeparators(chosen));
}

bool CROMSpecificProperties::validate() {
  if (imageEdit_->text() != shownImage_ &&
      !checkQuoted(context_.messages, imageEdit_, QStringLiteral("file name"), imageEdit_->text(), true))
    return false;
  // The start address is read as the loader unit's addresses are: a text a
  // script would read as another number ("19" as 1) is refused.
  return checkInteger(context_.messages, sizeEdit_, sizeEdit_->text()) &&
         checkOctal(context_.messages, startAddressEdit_, startAddressEdit_->text());
}

CModelFollowingPage::Writer CROMSpecificProperties::writer() const {
  const std::string image = toBytes(imageEdit_->text());
  std::int32_t size = 0;
  readIntegerField(sizeEdit_, size);
  const bool start = bootableCheck_->isChecked();
  // Octal unless it ends in ".", as a `start` statement reads it.
  std::int32_t startAddress = 0;
  readOctalField(startAddressEdit_, startAddress);
  return [image, size, start, startAddress](VelmorBusDevice& device) {
    auto* rom = dynamic_cast<VelmorROMDevice*>(&device);
    if (!rom) return;
    rom->image = image;
    rom->romSize = size;
    rom->start = start;
    rom->startAddress = startAddress;
  };
}
