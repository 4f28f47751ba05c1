#include "ui/sheets/bridge_specific_properties.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

#include "config/device_properties.h"
#include "devices/bridge_device.h"
#include "ui/script_text.h"
#include "ui/sheets/choice_lists.h"
#include "ui/sheets/sheet_picture.h"

CBridgeSpecificProperties::CBridgeSpecificProperties(const QPixmap& picture, const DeviceSheetContext& context,
                                                     const CBusDeviceProperties& general, QWidget* parent)
    : CModelFollowingPage(context, general, parent) {
  QGridLayout* grid = pictureGrid(this, picture);
  addressBox_ = makeChoiceBox(true, this);
  takeAnyLength(addressBox_->lineEdit());
  sizeBox_ = makeChoiceBox(true, this);
  takeAnyLength(sizeBox_->lineEdit());
  traceCheck_ = new QCheckBox(QStringLiteral("Enable Bridge Trace"), this);

  auto* addressLabel = new QLabel(QStringLiteral("Device address at physical bus"), this);
  addressLabel->setBuddy(addressBox_);
  auto* sizeLabel = new QLabel(QStringLiteral("Size of the mapped region"), this);
  sizeLabel->setBuddy(sizeBox_);
  grid->addWidget(addressLabel, 1, 0);
  grid->addWidget(addressBox_, 1, 1);
  grid->addWidget(sizeLabel, 2, 0);
  grid->addWidget(sizeBox_, 2, 1);
  grid->addWidget(traceCheck_, 3, 0, 1, 2);
  grid->setColumnStretch(1, 1);
  grid->setRowStretch(4, 1);

  fill(context.copy);
}

void CBridgeSpecificProperties::fill(const VelmorBusDevice& device) {
  const auto* bridge = dynamic_cast<const VelmorBridgeDevice*>(&device);
  if (!bridge) return;
  const BridgeDefaults* own = findBridgeDefaults(bridge->type, bridge->model);
  showChoices(addressBox_, own ? own->addresses : std::vector<std::int32_t>{}, bridge->address, NumberForm::Octal);
  showChoices(sizeBox_, own ? own->sizes : std::vector<std::int32_t>{}, bridge->size, NumberForm::Decimal);
  traceCheck_->setChecked(bridge->trace);
}

bool CBridgeSpecificProperties::validate() {
  // The size is typed in decimal, unlike the octal address beside it.
  return checkInteger(context_.messages, sizeBox_, sizeBox_->currentText());
}

CModelFollowingPage::Writer CBridgeSpecificProperties::writer() const {
  const std::int32_t address = chosenNumber(addressBox_);
  std::int32_t size = 0;
  const bool sizeRead = readIntegerText(toBytes(sizeBox_->currentText()), size);
  const bool trace = traceCheck_->isChecked();
  return [=](VelmorBusDevice& device) {
    auto* bridge = dynamic_cast<VelmorBridgeDevice*>(&device);
    if (!bridge) return;
    bridge->address = address;
    if (sizeRead) bridge->size = size;
    bridge->trace = trace;
  };
}
