#include "ui/sheets/net_specific_properties.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <optional>

#include "devices/network_device.h"
#include "ui/script_text.h"
#include "ui/dialog_runner.h"
#include "ui/sheets/choice_lists.h"
#include "ui/sheets/number_fields.h"
#include "ui/sheets/bus_device_properties.h"
#include "ui/sheets/protocols_usage_dialog.h"
#include "ui/sheets/sheet_picture.h"

namespace {

constexpr int kAddressPartLength = 2;

// How the page reads an interface text.
struct InterfaceForm {
  bool isVirtual = false;
  QString host;
  QString port;
};

// Host and port of "host:port"; the port follows the last colon, so a host
// that holds colons of its own reads back whole.
void splitHostPort(const QString& word, InterfaceForm& form) {
  const qsizetype colon = word.lastIndexOf(QLatin1Char(':'));
  if (colon < 0) {
    form.host = word;
    return;
  }
  form.host = word.left(colon);
  form.port = word.mid(colon + 1);
}

InterfaceForm readInterface(const QString& text) {
  const QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
  InterfaceForm form;
  if (words.isEmpty()) return form;
  const QString& first = words.front();
  if (first.compare(QLatin1String("virtual"), Qt::CaseInsensitive) == 0) {
    form.isVirtual = true;
    if (words.size() > 1) splitHostPort(words.at(1), form);
  } else if (first.startsWith(QLatin1String("virtual:"), Qt::CaseInsensitive)) {
    // What the page writes without a host. Another word with a colon (an
    // interface alias such as "eth0:1") names a real interface.
    form.isVirtual = true;
    form.port = first.mid(first.indexOf(QLatin1Char(':')) + 1);
  }
  return form;
}

// The six parts of a station address, or nothing when the text is not six
// parts of at most two characters (the edits could not show it).
std::optional<std::array<QString, CNetSpecificProperties::kAddressParts>> addressParts(const QString& text) {
  for (const QChar separator : {QLatin1Char(':'), QLatin1Char('-')}) {
    const QStringList parts = text.split(separator);
    if (parts.size() != CNetSpecificProperties::kAddressParts) continue;
    std::array<QString, CNetSpecificProperties::kAddressParts> result;
    bool fits = true;
    for (int i = 0; i < CNetSpecificProperties::kAddressParts; ++i) {
      fits = fits && parts.at(i).size() <= kAddressPartLength;
      result.at(static_cast<std::size_t>(i)) = parts.at(i);
    }
    if (fits) return result;
  }
  return std::nullopt;
}

bool sameMarks(const ProtocolSet& a, const ProtocolSet& b) {
  for (std::size_t i = 0; i < a.size(); ++i)
    if (a.isUsed(i) != b.isUsed(i)) return false;
  return true;
}

// What a confirmed page gives the adapter.
struct NetworkValues {
  std::string hostInterface;
  std::optional<std::string> address;
  std::optional<std::string> protocols;
  std::optional<std::int32_t> vector1;
};

}  // namespace

CNetSpecificProperties::CNetSpecificProperties(const QPixmap& picture, const DeviceSheetContext& context,
                                               const CBusDeviceProperties& general, QWidget* parent)
    : CModelFollowingPage(context, general, parent) {
  buildLayout(picture);
  fill(context.copy);
}

CNetSpecificProperties::~CNetSpecificProperties() = default;

void CNetSpecificProperties::buildLayout(const QPixmap& picture) {
  auto* grid = pictureGrid(this, picture);

  vector1Box_ = makeChoiceBox(true, this);
  auto* vector1Label = new QLabel(QStringLiteral("Interrupt vector1"), this);
  vector1Label->setBuddy(vector1Box_);
  grid->addWidget(vector1Label, 1, 0);
  grid->addWidget(vector1Box_, 1, 1);

  virtualRadio_ = new QRadioButton(QStringLiteral("Use Virtual Ethernet or Velna"), this);
  grid->addWidget(virtualRadio_, 2, 0, 1, 2);

  hostEdit_ = new QLineEdit(this);
  takeAnyLength(hostEdit_);
  auto* hostLabel = new QLabel(QStringLiteral("Host Name"), this);
  hostLabel->setBuddy(hostEdit_);
  grid->addWidget(hostLabel, 3, 0);
  grid->addWidget(hostEdit_, 3, 1);

  portEdit_ = new QLineEdit(this);
  auto* portLabel = new QLabel(QStringLiteral("Port Number"), this);
  portLabel->setBuddy(portEdit_);
  grid->addWidget(portLabel, 4, 0);
  grid->addWidget(portEdit_, 4, 1);

  auto* addressRow = new QHBoxLayout;
  for (int i = 0; i < kAddressParts; ++i) {
    if (i > 0) addressRow->addWidget(new QLabel(QStringLiteral(":"), this));
    auto* edit = new QLineEdit(this);
    edit->setMaxLength(kAddressPartLength);
    edit->installEventFilter(this);
    addressRow->addWidget(edit);
    addressEdits_.at(static_cast<std::size_t>(i)) = edit;
  }
  auto* addressLabel = new QLabel(QStringLiteral("Ethernet Address"), this);
  addressLabel->setBuddy(addressEdits_.front());
  grid->addWidget(addressLabel, 5, 0);
  grid->addLayout(addressRow, 5, 1);

  realRadio_ = new QRadioButton(QStringLiteral("Use Real Network"), this);
  grid->addWidget(realRadio_, 6, 0, 1, 2);

  interfaceEdit_ = new QLineEdit(this);
  takeAnyLength(interfaceEdit_);
  auto* interfaceLabel = new QLabel(QStringLiteral("Interface"), this);
  interfaceLabel->setBuddy(interfaceEdit_);
  grid->addWidget(interfaceLabel, 7, 0);
  grid->addWidget(interfaceEdit_, 7, 1);

  protocolsEdit_ = new QLineEdit(this);
  protocolsEdit_->setReadOnly(true);
  changeButton_ = new QPushButton(QStringLiteral("Change ..."), this);
  auto* protocolsRow = new QHBoxLayout;
  protocolsRow->addWidget(protocolsEdit_, 1);
  protocolsRow->addWidget(changeButton_);
  auto* protocolsLabel = new QLabel(QStringLiteral("Protocols"), this);
  protocolsLabel->setBuddy(protocolsEdit_);
  grid->addWidget(protocolsLabel, 8, 0);
  grid->addLayout(protocolsRow, 8, 1);

  grid->setColumnStretch(1, 1);
  grid->setRowStretch(9, 1);

  connect(virtualRadio_, &QRadioButton::toggled, this, [this] { applyMode(); });
  connect(realRadio_, &QRadioButton::toggled, this, &CNetSpecificProperties::realChosen);
  connect(changeButton_, &QPushButton::clicked, this, &CNetSpecificProperties::changeProtocols);
}

void CNetSpecificProperties::fill(const VelmorBusDevice& device) {
  std::unique_ptr<VelmorDevice> made = device.clone();
  auto* adapter = dynamic_cast<VelmorNetworkDevice*>(made.get());
  if (!adapter) return;
  made.release();
  base_.reset(adapter);
  velna_ = base_->isVelna();

  if (velna_) {
    const ModelDescriptor* row = ModelTable::instance().findDescriptor(base_->className(), base_->type, base_->model);
    showChoices(vector1Box_, row ? row->vectors1 : std::vector<std::int32_t>{}, base_->vector1, NumberForm::Octal);
  } else {
    fillChoices(vector1Box_, {}, NumberForm::Octal);
  }
  vector1Box_->setEnabled(velna_);

  const QString interfaceText = fromBytes(base_->hostInterface);
  InterfaceForm form = readInterface(interfaceText);
  // A VELNA has no real mode: whatever its interface, the page shows it
  // virtual and keeps the text until host or port are edited.
  if (velna_ && !form.isVirtual) form = InterfaceForm{true, {}, {}};
  shownVirtual_ = form.isVirtual;
  shownHost_ = form.host;
  shownPort_ = form.port;
  hostEdit_->setText(form.host);
  portEdit_->setText(form.port);
  interfaceEdit_->setText(form.isVirtual ? QString() : interfaceText);

  shownAddress_ = addressParts(fromBytes(base_->address)).value_or(std::array<QString, kAddressParts>{});
  for (std::size_t i = 0; i < addressEdits_.size(); ++i) addressEdits_.at(i)->setText(shownAddress_.at(i));

  protocols_ = ProtocolSet::fromText(base_->protocols);
  shownProtocols_ = protocols_;
  protocolsEdit_->setText(fromBytes(protocols_.text()));

  {
    const QSignalBlocker blockVirtual(virtualRadio_);
    const QSignalBlocker blockReal(realRadio_);
    virtualRadio_->setChecked(form.isVirtual);
    realRadio_->setChecked(!form.isVirtual);
  }
  applyMode();
}

void CNetSpecificProperties::applyMode() {
  const bool isVirtual = virtualRadio_->isChecked();
  hostEdit_->setEnabled(isVirtual);
  portEdit_->setEnabled(isVirtual);
  for (QLineEdit* edit : addressEdits_) edit->setEnabled(isVirtual && !velna_);
  interfaceEdit_->setEnabled(!isVirtual);
  protocolsEdit_->setEnabled(!isVirtual);
  changeButton_->setEnabled(!isVirtual);
}

void CNetSpecificProperties::realChosen(bool checked) {
  if (checked && velna_) {
    virtualRadio_->setChecked(true);
    return;
  }
  applyMode();
}

void CNetSpecificProperties::changeProtocols() {
  CProtocolsUsageDialog dialog(protocols_, this);
  if (context_.dialogs.exec(dialog) != QDialog::Accepted) return;
  protocols_ = dialog.set();
  protocolsEdit_->setText(fromBytes(protocols_.text()));
}

bool CNetSpecificProperties::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return CPropertyPage::eventFilter(watched, event);
  auto* edit = qobject_cast<QLineEdit*>(watched);
  const auto* key = static_cast<QKeyEvent*>(event);
  // Only a printable character typed into a full part moves on; editing keys
  // stay where they are.
  const bool printable = !key->text().isEmpty() && key->text().front().isPrint() &&
                         !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
  for (int i = 0; edit && printable && i + 1 < kAddressParts; ++i) {
    if (addressEdits_.at(static_cast<std::size_t>(i)) != edit) continue;
    if (edit->text().size() < edit->maxLength() || edit->hasSelectedText()) break;
    QLineEdit* next = addressEdits_.at(static_cast<std::size_t>(i) + 1);
    next->setFocus(Qt::TabFocusReason);
    next->selectAll();
    // The character goes on into the next part, so an address typed in one
    // go fills the six parts.
    QCoreApplication::sendEvent(next, event);
    return true;
  }
  return CPropertyPage::eventFilter(watched, event);
}

bool CNetSpecificProperties::isStale() const { return !base_ || unseenChange(); }

bool CNetSpecificProperties::addressChanged() const {
  for (int i = 0; i < kAddressParts; ++i)
    if (addressEdits_.at(static_cast<std::size_t>(i))->text() != shownAddress_.at(static_cast<std::size_t>(i)))
      return true;
  return false;
}

QString CNetSpecificProperties::joinedAddress() const {
  QStringList parts;
  bool anyText = false;
  for (const QLineEdit* edit : addressEdits_) {
    parts << edit->text();
    anyText = anyText || !edit->text().isEmpty();
  }
  // Six empty parts mean no address, not ":::::".
  return anyText ? parts.join(QLatin1Char(':')) : QString();
}

bool CNetSpecificProperties::interfaceRebuilt() const {
  if (!shownVirtual_ || hostEdit_->text() != shownHost_ || portEdit_->text() != shownPort_) return true;
  // A new address is written only for an interface the adapter counts as
  // virtual ("virtual", not "Virtual"): the page's own form makes sure.
  return !velna_ && addressChanged() && !base_->isInterfaceVirtual();
}

QString CNetSpecificProperties::builtInterface() const {
  std::int32_t port = 0;
  readIntegerField(portEdit_, port);
  const QString portText = QString::number(port);
  const QString host = hostEdit_->text();
  if (host.isEmpty()) return QStringLiteral("virtual:") + portText;
  return QStringLiteral("virtual ") + host + QLatin1Char(':') + portText;
}

bool CNetSpecificProperties::validate() {
  // Values meant for a type no longer chosen are not written back.
  if (isStale()) return true;
  UserMessages& messages = context_.messages;
  if (realRadio_->isChecked()) {
    if (!checkQuoted(messages, interfaceEdit_, QStringLiteral("interface"), interfaceEdit_->text())) return false;
    // Such a text makes the adapter virtual: the protocols would go unwritten
    // and the page would show the other mode next time.
    if (readInterface(interfaceEdit_->text()).isVirtual)
      return refuseWith(messages, "A real network interface cannot begin with the word virtual.", interfaceEdit_, true);
    return true;
  }
  if (interfaceRebuilt()) {
    const QString host = hostEdit_->text();
    if (!checkQuoted(messages, hostEdit_, QStringLiteral("host name"), host)) return false;
    // The interface's words are blank-separated: a blank would cut the host short.
    if (host.contains(QLatin1Char(' ')))
      return refuseWith(messages, "The host name cannot contain a blank.", hostEdit_, true);
    if (!checkInteger(messages, portEdit_, portEdit_->text())) return false;
  }
  if (!velna_ && addressChanged()) {
    for (QLineEdit* edit : addressEdits_)
      if (!checkQuoted(messages, edit, QStringLiteral("address"), edit->text(), true)) return false;
  }
  return true;
}

CModelFollowingPage::Writer CNetSpecificProperties::writer() const {
  if (!base_) return {};
  NetworkValues values;
  if (realRadio_->isChecked()) {
    values.hostInterface = toBytes(interfaceEdit_->text());
    values.protocols = sameMarks(protocols_, shownProtocols_) ? base_->protocols : protocols_.text();
  } else {
    values.hostInterface = interfaceRebuilt() ? toBytes(builtInterface()) : base_->hostInterface;
    if (!velna_) values.address = addressChanged() ? toBytes(joinedAddress()) : base_->address;
  }
  if (velna_) values.vector1 = chosenNumber(vector1Box_);
  return [values](VelmorBusDevice& device) {
    auto* adapter = dynamic_cast<VelmorNetworkDevice*>(&device);
    if (!adapter) return;
    adapter->hostInterface = values.hostInterface;
    if (values.address) adapter->address = *values.address;
    if (values.protocols) adapter->protocols = *values.protocols;
    if (values.vector1) adapter->vector1 = *values.vector1;
  };
}
