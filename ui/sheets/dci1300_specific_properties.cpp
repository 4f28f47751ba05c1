#include "ui/sheets/dci1300_specific_properties.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "config/configuration.h"
#include "devices/dci1300_device.h"
#include "ui/sheets/choice_lists.h"
#include "ui/sheets/host_devices.h"
#include "ui/sheets/number_fields.h"
#include "ui/sheets/sheet_picture.h"
#include "ui/sheets/sheet_text.h"
#include "ui/sheets/unit_file_forms.h"
#include "ui/sheets/unit_sheet_fields.h"

namespace {

QLabel* labelFor(QWidget* field, const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setBuddy(field);
  return label;
}

}  // namespace

CDCI1300SpecificProperties::CDCI1300SpecificProperties(const QPixmap& picture, const DeviceSheetContext& context,
                                                       const CBusDeviceProperties& general, QWidget* parent)
    : CModelFollowingPage(context, general, parent) {
  auto* grid = pictureGrid(this, picture);

  vector1Box_ = makeChoiceBox(false, this);
  // A path may be typed: the card need not be in this machine.
  imageBox_ = makeHostDeviceBox(this);
  ndrStrobeEdit_ = new QLineEdit(this);
  dtStrobeEdit_ = new QLineEdit(this);
  maintenanceCheck_ = new QCheckBox(QStringLiteral("Maintenance Mode"), this);
  traceCheck_ = new QCheckBox(QStringLiteral("Trace"), this);

  grid->addWidget(labelFor(vector1Box_, QStringLiteral("Interrupt Vector1"), this), 1, 0);
  grid->addWidget(vector1Box_, 1, 1);
  grid->addWidget(labelFor(imageBox_, QStringLiteral("Device Image"), this), 2, 0);
  grid->addWidget(imageBox_, 2, 1);
  grid->addWidget(labelFor(ndrStrobeEdit_, QStringLiteral("New Data Ready Timer"), this), 3, 0);
  grid->addWidget(ndrStrobeEdit_, 3, 1);
  grid->addWidget(labelFor(dtStrobeEdit_, QStringLiteral("Data Transmitted Timer"), this), 4, 0);
  grid->addWidget(dtStrobeEdit_, 4, 1);
  grid->addWidget(maintenanceCheck_, 5, 0, 1, 2);
  grid->addWidget(traceCheck_, 6, 0, 1, 2);
  grid->setColumnStretch(1, 1);
  grid->setRowStretch(7, 1);

  fill(context.copy);
}

void CDCI1300SpecificProperties::fill(const VelmorBusDevice& shown) {
  const auto& device = static_cast<const VelmorDCI1300Device&>(shown);
  const ModelDescriptor* row = ModelTable::instance().findDescriptor(device.className(), device.type, device.model);
  showChoices(vector1Box_, row ? row->vectors1 : std::vector<std::int32_t>{}, device.vector1, NumberForm::Octal);

  // The cards of this machine mean something only to an emulator on the same
  // kind of host.
  QStringList cards;
  if (isWindowsNtTarget(context_.configuration.targetOs))
    cards = openableHostDevices(context_.dialogs, QStringLiteral("\\\\.\\DR"), 1);
  fillSorted(imageBox_, cards);
  shownImage_ = fromBytes(device.image);
  selectOrAdd(imageBox_, shownImage_);
  // The listed entry may differ in letter case; the device's own text shows.
  imageBox_->setEditText(shownImage_);

  ndrStrobeEdit_->setText(QString::number(device.ndrStrobe));
  dtStrobeEdit_->setText(QString::number(device.dtStrobe));
  maintenanceCheck_->setChecked(device.maintenance);
  traceCheck_->setChecked(device.trace);
}

bool CDCI1300SpecificProperties::validate() {
  if (imageBox_->currentText() != shownImage_ &&
      !checkQuoted(context_.messages, imageBox_, QStringLiteral("device image"), imageBox_->currentText(), true))
    return false;
  return checkInteger(context_.messages, ndrStrobeEdit_, ndrStrobeEdit_->text()) &&
         checkInteger(context_.messages, dtStrobeEdit_, dtStrobeEdit_->text());
}

CModelFollowingPage::Writer CDCI1300SpecificProperties::writer() const {
  std::int32_t ndrStrobe = 0;
  std::int32_t dtStrobe = 0;
  readIntegerField(ndrStrobeEdit_, ndrStrobe);
  readIntegerField(dtStrobeEdit_, dtStrobe);
  const std::int32_t vector1 = chosenNumber(vector1Box_);
  const std::string image = toBytes(imageBox_->currentText());
  const bool maintenance = maintenanceCheck_->isChecked();
  const bool trace = traceCheck_->isChecked();
  return [vector1, image, ndrStrobe, dtStrobe, maintenance, trace](VelmorBusDevice& device) {
    auto* card = dynamic_cast<VelmorDCI1300Device*>(&device);
    if (!card) return;
    card->vector1 = vector1;
    card->image = image;
    card->ndrStrobe = ndrStrobe;
    card->dtStrobe = dtStrobe;
    card->maintenance = maintenance;
    card->trace = trace;
  };
}
