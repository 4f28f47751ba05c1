#include "ui/sheets/va1000_specific_properties.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

#include "devices/va1000_device.h"
#include "ui/script_text.h"
#include "ui/sheets/choice_lists.h"
#include "ui/sheets/number_fields.h"
#include "ui/sheets/sheet_picture.h"

namespace {

std::int32_t integerOf(const QLineEdit* edit) {
  std::int32_t value = 0;
  readIntegerField(edit, value);
  return value;
}

}  // namespace

CVa1000SpecificProperties::CVa1000SpecificProperties(const QPixmap& picture, const DeviceSheetContext& context,
                                                     const CBusDeviceProperties& general, QWidget* parent)
    : CModelFollowingPage(context, general, parent) {
  QGridLayout* grid = pictureGrid(this, picture);

  auto* card = new QGroupBox(QStringLiteral("DARI210 card"), this);
  auto* cardForm = new QFormLayout(card);
  hostEdit_ = new QLineEdit(card);
  takeAnyLength(hostEdit_);
  portEdit_ = new QLineEdit(card);
  newProtocolCheck_ = new QCheckBox(QStringLiteral("New Protocol"), card);
  timeoutEdit_ = new QLineEdit(card);
  cardForm->addRow(QStringLiteral("Host Name"), hostEdit_);
  cardForm->addRow(QStringLiteral("Port Number"), portEdit_);
  cardForm->addRow(newProtocolCheck_);
  cardForm->addRow(QStringLiteral("Connection Timeout"), timeoutEdit_);

  auto* window = new QGroupBox(QStringLiteral("Address Window Properties"), this);
  auto* windowForm = new QFormLayout(window);
  baseAddressBox_ = makeChoiceBox(false, window);
  windowSizeBox_ = makeChoiceBox(false, window);
  sr10Box_ = makeChoiceBox(false, window);
  staticWindowCheck_ = new QCheckBox(QStringLiteral("Static Window"), window);
  windowEdit_ = new QLineEdit(window);
  windowForm->addRow(QStringLiteral("Start Window Address"), baseAddressBox_);
  windowForm->addRow(QStringLiteral("Window size"), windowSizeBox_);
  windowForm->addRow(QStringLiteral("Status Register Offset"), sr10Box_);
  windowForm->addRow(staticWindowCheck_);
  windowForm->addRow(QStringLiteral("Address Window Layout"), windowEdit_);

  auto* groups = new QVBoxLayout;
  groups->addWidget(card);
  groups->addWidget(window);
  groups->addStretch(1);
  grid->addLayout(groups, 1, 0, 1, 2);
  grid->setColumnStretch(1, 1);

  fill(context.copy);
}

void CVa1000SpecificProperties::fill(const VelmorBusDevice& device) {
  const auto* adapter = dynamic_cast<const VelmorVa1000Device*>(&device);
  if (!adapter) return;
  hostEdit_->setText(fromBytes(adapter->ipAddress));
  portEdit_->setText(QString::number(adapter->ipPort));
  newProtocolCheck_->setChecked(adapter->newProtocol);
  timeoutEdit_->setText(QString::number(adapter->timeout));
  // The lists offer the model's choices; a value a script set otherwise is
  // added to them.
  const Va1000Defaults* own = findVa1000Defaults(adapter->type, adapter->model);
  const std::vector<std::int32_t> none;
  showChoices(baseAddressBox_, own ? own->baseAddrs : none, adapter->baseAddr, NumberForm::Octal);
  showChoices(windowSizeBox_, own ? own->windowSizes : none, adapter->windowSize, NumberForm::Octal);
  showChoices(sr10Box_, own ? own->sr10s : none, adapter->sr10, NumberForm::Octal);
  staticWindowCheck_->setChecked(adapter->staticWindow);
  windowEdit_->setText(QString::number(adapter->window));
}

bool CVa1000SpecificProperties::validate() {
  // The host name is written between double quotes.
  if (!checkQuoted(context_.messages, hostEdit_, QStringLiteral("host name"), hostEdit_->text())) return false;
  for (QLineEdit* edit : {portEdit_, timeoutEdit_, windowEdit_})
    if (!checkInteger(context_.messages, edit, edit->text())) return false;
  return true;
}

CModelFollowingPage::Writer CVa1000SpecificProperties::writer() const {
  const std::string ipAddress = toBytes(hostEdit_->text());
  const std::int32_t ipPort = integerOf(portEdit_);
  const bool newProtocol = newProtocolCheck_->isChecked();
  const std::int32_t timeout = integerOf(timeoutEdit_);
  const std::int32_t baseAddr = chosenNumber(baseAddressBox_);
  const std::int32_t windowSize = chosenNumber(windowSizeBox_);
  const std::int32_t sr10 = chosenNumber(sr10Box_);
  const bool staticWindow = staticWindowCheck_->isChecked();
  const std::int32_t window = integerOf(windowEdit_);
  return [=](VelmorBusDevice& device) {
    auto* adapter = dynamic_cast<VelmorVa1000Device*>(&device);
    if (!adapter) return;
    adapter->ipAddress = ipAddress;
    adapter->ipPort = ipPort;
    adapter->newProtocol = newProtocol;
    adapter->timeout = timeout;
    adapter->baseAddr = baseAddr;
    adapter->windowSize = windowSize;
    adapter->sr10 = sr10;
    adapter->staticWindow = staticWindow;
    adapter->window = window;
  };
}
