#include "ui/sheets/serial_unit_general_properties.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "config/device_properties.h"
#include "devices/serial_device.h"
#include "devices/text_utils.h"
#include "ui/script_text.h"
#include "ui/sheets/choice_lists.h"
#include "ui/sheets/host_devices.h"
#include "ui/sheets/sheet_text.h"
#include "ui/sheets/number_fields.h"
#include "ui/sheets/sheet_picture.h"
#include "ui/sheets/unit_file_forms.h"
#include "ui/sheets/unit_sheet_fields.h"

namespace {

struct FlagRow {
  const char* label;
  bool VelmorSerialUnit::*flag;
};
// In the order of the page's accessors.
constexpr FlagRow kFlags[] = {
    {"Offline", &VelmorSerialUnit::offline},        {"trace receiver", &VelmorSerialUnit::rxTrace},
    {"trace transmitter", &VelmorSerialUnit::txTrace}, {"ttsync", &VelmorSerialUnit::ttsync},
    {"hsync", &VelmorSerialUnit::hsync},
};

struct NumberRow {
  const char* label;
  std::int32_t VelmorSerialUnit::*value;
};
constexpr NumberRow kNumbers[] = {
    {"Receiver Buffer Size", &VelmorSerialUnit::rxBufSize},
    {"Transmitter Buffer Size", &VelmorSerialUnit::txBufSize},
    {"Line Speed", &VelmorSerialUnit::speed},
};

struct ParityRow {
  const char* text;
  SerialParity parity;
};
constexpr ParityRow kParities[] = {
    {"NONE", SerialParity::None}, {"ODD", SerialParity::Odd}, {"EVEN", SerialParity::Even}};

QString parityText(SerialParity parity) {
  for (const ParityRow& row : kParities)
    if (row.parity == parity) return QString::fromLatin1(row.text);
  return QString::fromLatin1(kParities[0].text);
}

bool hasBlank(std::string_view text) {
  return std::any_of(text.begin(), text.end(), [](char c) { return isSpace(c); });
}

}  // namespace

CSerialUnitGeneralProperties::CSerialUnitGeneralProperties(const QPixmap& picture, VelmorSerialUnit& record,
                                                           const UnitSheetContext& context, QWidget* parent)
    : CPropertyPage(parent),
      record_(record),
      context_(context),
      opened_(readSerialLine(record.file)),
      linePrinter_(isLinePrinterType(context.ownerType)) {
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(pictureLabel(picture, this), 0, Qt::AlignLeft | Qt::AlignTop);
  layout->addWidget(buildConnection());
  layout->addWidget(buildLineSettings());
  layout->addStretch(1);
  followConnectionWithOffline();
}

// Connecting a line brings it online, as a script's line key does: a new line
// is offline, and an offline line is not saved at all. Once the user sets
// "Offline" themselves, their choice stands.
void CSerialUnitGeneralProperties::followConnectionWithOffline() {
  const bool openedOffline = record_.offline;
  const auto follow = [this, openedOffline] {
    if (!offlineSetByUser_) offlineCheck()->setChecked(connectionChanged() ? false : openedOffline);
  };
  connect(offlineCheck(), &QCheckBox::clicked, this, [this] { offlineSetByUser_ = true; });
  for (QRadioButton* radio : {realDevice_, link_, terminal_}) connect(radio, &QRadioButton::toggled, this, follow);
  connect(portList_, &QComboBox::currentTextChanged, this, follow);
  connect(hostEdit_, &QLineEdit::textChanged, this, follow);
  connect(portEdit_, &QLineEdit::textChanged, this, follow);
}

QWidget* CSerialUnitGeneralProperties::buildConnection() {
  auto* box = new QWidget(this);
  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(0, 0, 0, 0);
  realDevice_ = new QRadioButton(QStringLiteral("Real device"), box);
  link_ = new QRadioButton(QStringLiteral("Link"), box);
  terminal_ = new QRadioButton(QStringLiteral("Terminal emulator"), box);
  // Only on a Windows NT target are the ports those of the machine the
  // editor runs on; for another host the user types the device's name.
  portList_ = isWindowsNtTarget(context_.targetOs) ? makeChoiceBox(false, box) : makeHostDeviceBox(box);
  hostEdit_ = new QLineEdit(box);
  portEdit_ = new QLineEdit(box);
  takeAnyLength(hostEdit_);
  takeAnyLength(portEdit_);
  auto* hostLabel = new QLabel(QStringLiteral("Host name:"), box);
  hostLabel->setBuddy(hostEdit_);
  auto* portLabel = new QLabel(QStringLiteral("Port :"), box);
  portLabel->setBuddy(portEdit_);

  grid->addWidget(realDevice_, 0, 0);
  grid->addWidget(portList_, 0, 1, 1, 4);
  grid->addWidget(link_, 1, 0);
  grid->addWidget(hostLabel, 1, 1);
  grid->addWidget(hostEdit_, 1, 2);
  grid->addWidget(portLabel, 1, 3);
  grid->addWidget(portEdit_, 1, 4);
  grid->addWidget(terminal_, 2, 0);
  grid->setColumnStretch(2, 1);

  fillPortList();
  switch (opened_.connection) {
    case SerialConnection::RealDevice: realDevice_->setChecked(true); break;
    case SerialConnection::Link:
      link_->setChecked(true);
      hostEdit_->setText(fromBytes(opened_.host));
      portEdit_->setText(fromBytes(opened_.port));
      break;
    case SerialConnection::Terminal: terminal_->setChecked(true); break;
  }
  for (QRadioButton* radio : {realDevice_, link_, terminal_})
    connect(radio, &QRadioButton::toggled, this, [this](bool on) {
      if (on) enableForConnection();
    });
  enableForConnection();
  return box;
}

void CSerialUnitGeneralProperties::fillPortList() {
  if (!portList_->isEditable())
    fillSorted(portList_, openableHostDevices(context_.dialogs,
                                              linePrinter_ ? QStringLiteral("\\\\.\\LPT") : QStringLiteral("\\\\.\\COM"), 1));
  if (opened_.connection != SerialConnection::RealDevice) return;
  // An unconnected line stays unconnected until the user picks a port.
  if (opened_.port.empty()) {
    portList_->setCurrentIndex(-1);
    if (portList_->isEditable()) portList_->setEditText(QString());
    return;
  }
  // Letter case counts: a device name from a script is kept byte for byte,
  // not replaced by a probed name in other case.
  selectOrAdd(portList_, fromBytes(opened_.port), Qt::CaseSensitive);
}

QWidget* CSerialUnitGeneralProperties::buildLineSettings() {
  auto* box = new QWidget(this);
  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(0, 0, 0, 0);
  int row = 0;
  for (std::size_t i = 0; i < checks_.size(); ++i) {
    checks_[i] = new QCheckBox(QString::fromLatin1(kFlags[i].label), box);
    checks_[i]->setChecked(record_.*kFlags[i].flag);
    grid->addWidget(checks_[i], row++, 0);
  }

  auto* bits = new QGroupBox(QStringLiteral("Character size"), box);
  auto* bitsLayout = new QVBoxLayout(bits);
  bits7_ = new QRadioButton(QStringLiteral("7 bits character"), bits);
  bits8_ = new QRadioButton(QStringLiteral("8 bits character"), bits);
  bitsLayout->addWidget(bits7_);
  bitsLayout->addWidget(bits8_);
  // Another size (a multiplexer line's default -1) checks neither radio and
  // stays as it is unless the user picks one.
  bits7_->setChecked(record_.bits == 7);
  bits8_->setChecked(record_.bits == 8);
  grid->addWidget(bits, 0, 1, static_cast<int>(checks_.size()), 2);

  for (std::size_t i = 0; i < numbers_.size(); ++i) {
    numbers_[i] = integerEdit(record_.*kNumbers[i].value, box);
    auto* label = new QLabel(QString::fromLatin1(kNumbers[i].label), box);
    label->setBuddy(numbers_[i]);
    grid->addWidget(label, row, 0);
    grid->addWidget(numbers_[i], row++, 1, 1, 2);
  }

  parityBox_ = new QComboBox(box);
  QStringList parities;
  // In the table's order, as the hardware names them, not sorted.
  for (const ParityRow& parity : kParities) parities << QString::fromLatin1(parity.text);
  parityBox_->addItems(parities);
  parityBox_->setCurrentIndex(parityBox_->findText(parityText(record_.parity)));
  openedParity_ = parityBox_->currentText();
  // Only DL11 lines carry a parity; the others keep theirs untouched.
  parityBox_->setEnabled(takesParity(context_.ownerType));
  auto* parityLabel = new QLabel(QStringLiteral("Parity"), box);
  parityLabel->setBuddy(parityBox_);
  grid->addWidget(parityLabel, row, 0);
  grid->addWidget(parityBox_, row, 1, 1, 2);
  grid->setColumnStretch(2, 1);
  return box;
}

SerialConnection CSerialUnitGeneralProperties::connection() const {
  if (link_->isChecked()) return SerialConnection::Link;
  if (terminal_->isChecked()) return SerialConnection::Terminal;
  return SerialConnection::RealDevice;
}

void CSerialUnitGeneralProperties::enableForConnection() {
  const SerialConnection now = connection();
  portList_->setEnabled(now == SerialConnection::RealDevice);
  hostEdit_->setEnabled(now == SerialConnection::Link);
  portEdit_->setEnabled(now == SerialConnection::Link);
}

bool CSerialUnitGeneralProperties::connectionChanged() const {
  const SerialConnection now = connection();
  if (now != opened_.connection) return true;
  switch (now) {
    case SerialConnection::RealDevice: return toBytes(portList_->currentText()) != opened_.port;
    case SerialConnection::Link:
      return toBytes(hostEdit_->text()) != opened_.host || toBytes(portEdit_->text()) != opened_.port;
    case SerialConnection::Terminal: return false;
  }
  return false;
}

bool CSerialUnitGeneralProperties::validateLink() {
  const QString hostText = hostEdit_->text();
  const std::string host = trim(toBytes(hostText));
  // The line holds the host less the blanks around it; a character the file
  // cannot store is named as it was typed.
  const QString checked = unstorableCharacter(hostText).isEmpty() ? fromBytes(host) : hostText;
  if (!checkQuoted(context_.messages, hostEdit_, QStringLiteral("host name"), checked)) return false;
  // The link is read back word by word: a blank would cut the host short.
  if (hasBlank(host))
    return refuseWith(context_.messages, "The host name cannot contain a blank.", hostEdit_);
  const std::string port = trim(toBytes(portEdit_->text()));
  const bool keptPort = opened_.connection == SerialConnection::Link && !opened_.port.empty() && port == opened_.port;
  return keptPort || checkInteger(context_.messages, portEdit_, fromBytes(port));
}

bool CSerialUnitGeneralProperties::validateRealDevice() {
  return checkQuoted(context_.messages, portList_, QStringLiteral("device name"), portList_->currentText());
}

bool CSerialUnitGeneralProperties::validate() {
  // A connection left as it came is written back as it came.
  if (connectionChanged()) {
    if (connection() == SerialConnection::Link && !validateLink()) return false;
    if (connection() == SerialConnection::RealDevice && !validateRealDevice()) return false;
  }
  for (QLineEdit* edit : numbers_)
    if (!checkInteger(context_.messages, edit, edit->text())) return false;
  return true;
}

std::string CSerialUnitGeneralProperties::lineText() const {
  const SerialConnection now = connection();
  if (!connectionChanged()) {
    // The "-host h -port p" form says no more than "link h:p".
    if (now == SerialConnection::Link && opened_.optionWords) return linkLineText(opened_.host, opened_.port);
    return record_.file;
  }
  switch (now) {
    case SerialConnection::RealDevice: return toBytes(portList_->currentText());
    case SerialConnection::Terminal: return kTerminalLineText;
    case SerialConnection::Link: break;
  }
  const std::string host = trim(toBytes(hostEdit_->text()));
  std::string port = trim(toBytes(portEdit_->text()));
  // A port word kept from the script stays as written ("telnet", "0023").
  const bool keptPort = opened_.connection == SerialConnection::Link && port == opened_.port;
  std::int32_t number = 0;
  if (!keptPort && readIntegerText(port, number)) port = std::to_string(number);
  return linkLineText(host, port);
}

void CSerialUnitGeneralProperties::writeBack() {
  record_.file = lineText();
  for (std::size_t i = 0; i < checks_.size(); ++i) record_.*kFlags[i].flag = checks_[i]->isChecked();
  if (bits7_->isChecked()) record_.bits = 7;
  if (bits8_->isChecked()) record_.bits = 8;
  for (std::size_t i = 0; i < numbers_.size(); ++i)
    readIntegerField(numbers_[i], record_.*kNumbers[i].value);
  if (parityBox_->isEnabled() && parityBox_->currentText() != openedParity_)
    for (const ParityRow& row : kParities)
      if (parityBox_->currentText() == QLatin1String(row.text)) record_.parity = row.parity;
}
