#include "ui/sheets/timer_specific_properties.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>
#include <optional>

#include "config/device_properties.h"
#include "devices/timer_device.h"
#include "ui/script_text.h"
#include "ui/sheets/choice_lists.h"
#include "ui/sheets/sheet_picture.h"

namespace {

QGroupBox* makeGroup(const QString& title, QWidget* parent) {
  auto* group = new QGroupBox(title, parent);
  new QFormLayout(group);
  return group;
}

QFormLayout* formOf(QGroupBox* group) { return static_cast<QFormLayout*>(group->layout()); }

}  // namespace

CTimerSpecificProperties::CTimerSpecificProperties(const QPixmap& picture, const DeviceSheetContext& context,
                                                   const CBusDeviceProperties& general, QWidget* parent)
    : CModelFollowingPage(context, general, parent) {
  QGridLayout* grid = pictureGrid(this, picture);

  vector1Group_ = makeGroup(QStringLiteral("KW11-W, KWV11 only"), this);
  vector1Box_ = makeChoiceBox(false, vector1Group_);
  formOf(vector1Group_)->addRow(QStringLiteral("Interrupt Vector1"), vector1Box_);

  kw11wGroup_ = makeGroup(QStringLiteral("KW11-W only"), this);
  vector2Box_ = makeChoiceBox(false, kw11wGroup_);
  silentCheck_ = new QCheckBox(QStringLiteral("Silent"), kw11wGroup_);
  formOf(kw11wGroup_)->addRow(QStringLiteral("Interrupt Vector2"), vector2Box_);
  formOf(kw11wGroup_)->addRow(silentCheck_);

  lineFrequencyGroup_ = makeGroup(QStringLiteral("KW11-L, KW11-P, KWV11 only"), this);
  lineFrequencyBox_ = makeChoiceBox(false, lineFrequencyGroup_);
  formOf(lineFrequencyGroup_)->addRow(QStringLiteral("Line Frequency"), lineFrequencyBox_);

  kwv11Group_ = makeGroup(QStringLiteral("KWV11 only"), this);
  overflowPulseCheck_ = new QCheckBox(QStringLiteral("Overflow Pulse"), kwv11Group_);
  internalOnlyCheck_ = new QCheckBox(QStringLiteral("Internal Only"), kwv11Group_);
  linesEdit_ = new QLineEdit(kwv11Group_);
  takeAnyLength(linesEdit_);
  formOf(kwv11Group_)->addRow(overflowPulseCheck_);
  formOf(kwv11Group_)->addRow(internalOnlyCheck_);
  formOf(kwv11Group_)->addRow(QStringLiteral("Lines"), linesEdit_);

  auto* groups = new QVBoxLayout;
  for (QGroupBox* group : {vector1Group_, kw11wGroup_, lineFrequencyGroup_, kwv11Group_}) groups->addWidget(group);
  groups->addStretch(1);
  grid->addLayout(groups, 1, 0, 1, 2);
  grid->setColumnStretch(1, 1);

  fill(context.copy);
}

void CTimerSpecificProperties::fill(const VelmorBusDevice& device) {
  const auto* shown = dynamic_cast<const VelmorTimerDevice*>(&device);
  if (!shown) return;
  const VelmorTimerDevice& timer = *shown;
  type_ = timer.type;
  const std::string& type = type_;
  vector1Group_->setEnabled(timerTypeTakes(type, "vector1"));
  kw11wGroup_->setEnabled(timerTypeTakes(type, "vector2"));
  lineFrequencyGroup_->setEnabled(timerTypeTakes(type, "linefrequency"));
  kwv11Group_->setEnabled(timerTypeTakes(type, "lines"));

  const ModelDescriptor* row = ModelTable::instance().findDescriptor(timer.className(), type, timer.model);
  const TimerModelRow* timerRow = findTimerModel(type);
  showChoices(vector1Box_, row ? row->vectors1 : std::vector<std::int32_t>{}, timer.vector1, NumberForm::Octal,
              timerTypeTakes(type, "vector1"));
  showChoices(vector2Box_, row ? row->vectors2 : std::vector<std::int32_t>{}, timer.vector2, NumberForm::Octal,
              timerTypeTakes(type, "vector2"));
  showChoices(lineFrequencyBox_, timerRow ? timerRow->lineFrequencies : std::vector<std::int32_t>{},
              timer.linefrequency, NumberForm::Decimal, timerTypeTakes(type, "linefrequency"));
  silentCheck_->setChecked(timer.silent);
  overflowPulseCheck_->setChecked(timer.overflowPulse);
  internalOnlyCheck_->setChecked(timer.internalOnly);
  linesEdit_->setText(fromBytes(timer.lines));
}

bool CTimerSpecificProperties::validate() {
  if (!timerTypeTakes(type_, "lines")) return true;
  // Written bare, or in double quotes when it holds a blank.
  return checkQuoted(context_.messages, linesEdit_, QStringLiteral("lines text"), linesEdit_->text());
}

CModelFollowingPage::Writer CTimerSpecificProperties::writer() const {
  // Only the fields of the type's own groups: a disabled box shows a value
  // the type does not have.
  std::optional<std::int32_t> vector1, vector2, linefrequency;
  std::optional<bool> silent, overflowPulse, internalOnly;
  std::optional<std::string> lines;
  if (timerTypeTakes(type_, "vector1")) vector1 = chosenNumber(vector1Box_);
  if (timerTypeTakes(type_, "vector2")) {
    vector2 = chosenNumber(vector2Box_);
    silent = silentCheck_->isChecked();
  }
  std::int32_t frequency = 0;
  if (timerTypeTakes(type_, "linefrequency") && readIntegerText(toBytes(lineFrequencyBox_->currentText()), frequency))
    linefrequency = frequency;
  if (timerTypeTakes(type_, "lines")) {
    overflowPulse = overflowPulseCheck_->isChecked();
    internalOnly = internalOnlyCheck_->isChecked();
    lines = toBytes(linesEdit_->text());
  }
  return [=](VelmorBusDevice& device) {
    auto* timer = dynamic_cast<VelmorTimerDevice*>(&device);
    if (!timer) return;
    if (vector1) timer->vector1 = *vector1;
    if (vector2) timer->vector2 = *vector2;
    if (silent) timer->silent = *silent;
    if (linefrequency) timer->linefrequency = *linefrequency;
    if (overflowPulse) timer->overflowPulse = *overflowPulse;
    if (internalOnly) timer->internalOnly = *internalOnly;
    if (lines) timer->lines = *lines;
  };
}
