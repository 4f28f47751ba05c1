#include "ui/sheets/bus_device_properties.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include "config/configuration.h"
#include "devices/model_tables.h"
#include "devices/number_format.h"
#include "devices/serial_device.h"
#include "devices/text_utils.h"
#include "devices/velmor_device.h"
#include "ui/sheets/choice_lists.h"
#include "ui/sheets/sheet_text.h"
#include "ui/sheets/sheet_picture.h"

namespace {

bool vectorFixed(DeviceKind kind) {
  return kind == DeviceKind::Bridge || kind == DeviceKind::Clock || kind == DeviceKind::Va1000 ||
         kind == DeviceKind::ROM;
}

bool priorityFixed(DeviceKind kind) {
  return kind == DeviceKind::Clock || kind == DeviceKind::Va1000 || kind == DeviceKind::ROM ||
         kind == DeviceKind::Timer;
}

QStringList octalTexts(const std::vector<std::int32_t>& values) {
  QStringList texts;
  for (std::int32_t value : values) texts << fromBytes(formatOctal(value));
  return texts;
}

QStringList byteTexts(const std::vector<std::string>& words) {
  QStringList texts;
  for (const std::string& word : words) texts << fromBytes(word);
  return texts;
}

std::string firstTwo(const std::string& name) { return name.substr(0, 2); }

}  // namespace

QString busTypeText(std::uint16_t bus) {
  switch (bus) {
    case BusUnibus: return QStringLiteral("UNIBUS");
    case BusQbus: return QStringLiteral("QBUS");
    case BusBoth: return QStringLiteral("UNIBUS/QBUS");
    default: return QString();
  }
}

CBusDeviceProperties::CBusDeviceProperties(const QPixmap& picture, const VelmorBusDevice& device,
                                           Configuration& configuration, UserMessages& messages,
                                           GeneralPageValues& out, QWidget* parent)
    : CPropertyPage(parent),
      className_(device.className()),
      ownName_(device.name),
      linePrinter_(isLinePrinterType(device.type)),
      configuration_(configuration),
      messages_(messages),
      out_(out) {
  buildLayout(picture);
  fill(device);
  vectorBox_->setEnabled(!vectorFixed(device.kind()));
  priorityBox_->setEnabled(!priorityFixed(device.kind()));
  connect(typeBox_, &QComboBox::currentIndexChanged, this, &CBusDeviceProperties::chooseType);
  connect(modelBox_, &QComboBox::currentIndexChanged, this, &CBusDeviceProperties::chooseModel);
  connect(nameEdit_, &QLineEdit::editingFinished, this, &CBusDeviceProperties::leaveName);
}

void CBusDeviceProperties::buildLayout(const QPixmap& picture) {
  auto* grid = pictureGrid(this, picture);

  typeBox_ = makeChoiceBox(false, this);
  modelBox_ = makeChoiceBox(false, this);
  nameEdit_ = new QLineEdit(this);
  takeAnyLength(nameEdit_);
  busText_ = new QLabel(this);
  registerBox_ = makeChoiceBox(true, this);
  vectorBox_ = makeChoiceBox(true, this);
  priorityBox_ = makeChoiceBox(false, this);
  unitsText_ = new QLabel(this);

  const std::pair<const char*, QWidget*> rows[] = {
      {"Type", typeBox_},
      {"Model", modelBox_},
      {"Name", nameEdit_},
      {"Bus type", busText_},
      {"Register", registerBox_},
      {"Interrupt vector", vectorBox_},
      {"Interrupt Priority", priorityBox_},
      {"Units Count", unitsText_},
  };
  int row = 1;
  for (const auto& [label, field] : rows) {
    auto* caption = new QLabel(QString::fromLatin1(label), this);
    caption->setBuddy(field);
    grid->addWidget(caption, row, 0);
    grid->addWidget(field, row, 1);
    ++row;
  }
  grid->setColumnStretch(1, 1);
  grid->setRowStretch(row, 1);
  setTabOrder(typeBox_, modelBox_);
  setTabOrder(modelBox_, nameEdit_);
  setTabOrder(nameEdit_, registerBox_);
  setTabOrder(registerBox_, vectorBox_);
  setTabOrder(vectorBox_, priorityBox_);
}

int CBusDeviceProperties::unitCount() const { return unitsText_->text().toInt(); }

void CBusDeviceProperties::fill(const VelmorBusDevice& device) {
  type_ = device.type;
  model_ = device.model;
  fillTypes();
  selectOrAdd(typeBox_, fromBytes(type_));
  fillModels();
  selectOrAdd(modelBox_, fromBytes(model_));
  setName(device.name);
  refillFromModel();
  selectOrAdd(registerBox_, fromBytes(formatOctal(device.registerAddress)));
  selectOrAdd(vectorBox_, fromBytes(formatOctal(device.vector)));
  selectOrAdd(priorityBox_, fromBytes(formatOctal(device.priority)));
  // The device's own count, so that confirming an unchanged sheet keeps a
  // count that a script set; a new type or model shows the model's count.
  unitsText_->setText(QString::number(device.units));
}

void CBusDeviceProperties::fillTypes() {
  // Line printers are serial devices of their own type: a printer keeps it,
  // and no other serial device may take it.
  QStringList types;
  for (const std::string& word : ModelTable::instance().typeWordsThatReadBack(className_))
    if (isLinePrinterType(word) == linePrinter_) types << fromBytes(word);
  fillSorted(typeBox_, types);
}

void CBusDeviceProperties::fillModels() {
  fillSorted(modelBox_, byteTexts(ModelTable::instance().modelWords(className_, type_)));
}

void CBusDeviceProperties::refillFromModel() {
  const ModelTable& table = ModelTable::instance();
  busText_->setText(busTypeText(table.busOf(className_, type_, model_)));
  fillSorted(registerBox_, octalTexts(table.registerChoices(className_, type_, model_)));
  fillSorted(vectorBox_, octalTexts(table.vectorChoices(className_, type_, model_)));
  fillSorted(priorityBox_, octalTexts(table.priorityChoices(className_, type_, model_)));
  unitsText_->setText(QString::number(table.unitsOf(className_, type_, model_)));
}

void CBusDeviceProperties::chooseType(int index) {
  if (index < 0) return;
  const std::string chosen = toBytes(typeBox_->itemText(index));
  if (equalsIgnoreCase(chosen, type_)) return;
  type_ = chosen;
  fillModels();
  model_ = toBytes(modelBox_->currentText());
  prefix_ = ModelTable::instance().prefixOf(className_, type_, model_);
  nameEdit_->setText(fromBytes(configuration_.UniqueName(prefix_)));
  refillFromModel();
}

void CBusDeviceProperties::chooseModel(int index) {
  if (index < 0) return;
  const std::string chosen = toBytes(modelBox_->itemText(index));
  if (equalsIgnoreCase(chosen, model_)) return;
  model_ = chosen;
  const std::string prefix = ModelTable::instance().prefixOf(className_, type_, model_);
  if (!equalsIgnoreCase(prefix, prefix_)) {
    prefix_ = prefix;
    nameEdit_->setText(fromBytes(configuration_.UniqueName(prefix_)));
  }
  refillFromModel();
}

void CBusDeviceProperties::leaveName() { prefix_ = firstTwo(toBytes(nameEdit_->text())); }

void CBusDeviceProperties::setName(const std::string& name) {
  nameEdit_->setText(fromBytes(name));
  prefix_ = firstTwo(name);
}

bool CBusDeviceProperties::validate() {
  if (const QString character = unstorableCharacter(nameEdit_->text()); !character.isEmpty())
    return refuseWith(messages_, unstorableText(QStringLiteral("The name holds"), character).toStdString(), nameEdit_);
  const NameProblem problem = checkDeviceName(configuration_, toBytes(nameEdit_->text()), ownName_);
  if (problem == NameProblem::None) return true;
  return refuseWith(messages_, nameProblemText(problem), nameEdit_);
}

void CBusDeviceProperties::writeBack() {
  out_.type = type_;
  out_.model = model_;
  out_.name = toBytes(nameEdit_->text());
  out_.registerText = toBytes(registerBox_->currentText());
  out_.vectorText = toBytes(vectorBox_->currentText());
  out_.priorityText = toBytes(priorityBox_->currentText());
  out_.unitsText = toBytes(unitsText_->text());
}
