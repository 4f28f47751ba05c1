#include "ui/sheets/rom_specific_properties.h"

#include <QCheckBox>
#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "config/configuration.h"
#include "config/user_messages.h"
#include "devices/number_format.h"
#include "devices/rom_device.h"
#include "ui/dialog_runner.h"
#include "ui/script_text.h"
#include "ui/sheets/quoted_field.h"

CROMSpecificProperties::CROMSpecificProperties(const QPixmap& picture, const DeviceSheetContext& context,
                                               const CBusDeviceProperties& general, QWidget* parent)
    : CPropertyPage(parent), context_(context), watch_(context.copy, general) {
  auto* grid = new QGridLayout(this);
  auto* image = new QLabel(this);
  image->setPixmap(picture);
  grid->addWidget(image, 0, 0, Qt::AlignLeft | Qt::AlignTop);

  imageEdit_ = new QLineEdit(this);
  takeAnyLength(imageEdit_);
  browseButton_ = new QPushButton(QStringLiteral("Browse..."), this);
  // The chooser shows the editor's own machine: its paths mean something to
  // an emulator on another kind of host no more than the disk pages' do.
  browseButton_->setEnabled(context.configuration.targetOs == kDefaultTargetOs);
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

  fill(static_cast<const VelmorROMDevice&>(context.copy));
}

void CROMSpecificProperties::fill(const VelmorROMDevice& device) {
  image_ = device.image;
  shownImage_ = fromBytes(image_);
  imageEdit_->setText(shownImage_);
  sizeEdit_->setText(QString::number(device.romSize));
  bootableCheck_->setChecked(device.start);
  startAddressEdit_->setText(QString::fromStdString(formatOctal(device.startAddress)));
}

void CROMSpecificProperties::shown() {
  if (const auto defaults = watch_.takeNewDefaults()) fill(static_cast<const VelmorROMDevice&>(*defaults));
}

void CROMSpecificProperties::browse() {
  const QString chosen = context_.dialogs.browseFileName(this, imageEdit_->text(), QStringLiteral("bin"),
                                                         QString::fromLatin1(kRomImageFilter));
  if (!chosen.isEmpty()) imageEdit_->setText(QDir::toNativeSeparators(chosen));
}

bool CROMSpecificProperties::validate() {
  if (imageEdit_->text() != shownImage_) {
    const QString problem = quotedFieldProblem(QStringLiteral("file name"), imageEdit_->text());
    if (!problem.isEmpty()) {
      context_.messages.stop(problem.toStdString());
      return refuse(imageEdit_, true);
    }
  }
  std::int32_t size = 0;
  if (readIntegerText(toBytes(sizeEdit_->text()), size)) return true;
  context_.messages.stop(kEnterIntegerText);
  return refuse(sizeEdit_, true);
}

void CROMSpecificProperties::writeBack() {
  // Values shown for another type stay unsaid: the new type's defaults stand.
  if (watch_.unseenChange()) return;
  const std::string image = imageEdit_->text() == shownImage_ ? image_ : toBytes(imageEdit_->text());
  std::int32_t size = 0;
  readIntegerText(toBytes(sizeEdit_->text()), size);
  const bool start = bootableCheck_->isChecked();
  // Octal unless it ends in ".", as a `start` statement reads it.
  const std::int32_t startAddress = parseNumber(toBytes(startAddressEdit_->text().trimmed()));
  context_.values.specificWriters.push_back([image, size, start, startAddress](VelmorBusDevice& device) {
    auto* rom = dynamic_cast<VelmorROMDevice*>(&device);
    if (!rom) return;
    rom->image = image;
    rom->romSize = size;
    rom->start = start;
    rom->startAddress = startAddress;
  });
}
