#include "ui/sheets/drxxx_specific_properties.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "config/user_messages.h"
#include "devices/drxxx_device.h"
#include "ui/script_text.h"
#include "ui/sheets/octal_choices.h"
#include "ui/sheets/quoted_field.h"

CDRXXXSpecificProperties::CDRXXXSpecificProperties(const QPixmap& picture, const DeviceSheetContext& context,
                                                   const CBusDeviceProperties& general, QWidget* parent)
    : CPropertyPage(parent), context_(context), watch_(context.copy, general) {
  auto* grid = new QGridLayout(this);
  auto* image = new QLabel(this);
  image->setPixmap(picture);
  grid->addWidget(image, 0, 0, Qt::AlignLeft | Qt::AlignTop);

  vector1Box_ = new QComboBox(this);
  maintenanceCheck_ = new QCheckBox(QStringLiteral("Maintenance Mode"), this);
  linesEdit_ = new QLineEdit(this);
  takeAnyLength(linesEdit_);

  auto* vectorLabel = new QLabel(QStringLiteral("Interrupt Vector1"), this);
  vectorLabel->setBuddy(vector1Box_);
  auto* linesLabel = new QLabel(QStringLiteral("Mapping between physical and logical lines of PC_DIO device"), this);
  linesLabel->setBuddy(linesEdit_);
  grid->addWidget(vectorLabel, 1, 0);
  grid->addWidget(vector1Box_, 1, 1);
  grid->addWidget(maintenanceCheck_, 2, 0, 1, 2);
  grid->addWidget(linesLabel, 3, 0, 1, 2);
  grid->addWidget(linesEdit_, 4, 0, 1, 2);
  grid->setColumnStretch(1, 1);
  grid->setRowStretch(5, 1);

  fill(static_cast<const VelmorDRXXXDevice&>(context.copy));
}

void CDRXXXSpecificProperties::fill(const VelmorDRXXXDevice& device) {
  const ModelDescriptor* row = ModelTable::instance().findDescriptor(device.className(), device.type, device.model);
  fillOctalChoices(vector1Box_, row ? row->vectors1 : std::vector<std::int32_t>{}, device.vector1);
  maintenanceCheck_->setChecked(device.maintenanceMode);
  lines_ = device.lines;
  shownLines_ = fromBytes(lines_);
  linesEdit_->setText(shownLines_);
}

void CDRXXXSpecificProperties::shown() {
  if (const auto defaults = watch_.takeNewDefaults()) fill(static_cast<const VelmorDRXXXDevice&>(*defaults));
}

bool CDRXXXSpecificProperties::validate() {
  if (linesEdit_->text() == shownLines_) return true;
  const QString problem = quotedFieldProblem(QStringLiteral("line mapping"), linesEdit_->text());
  if (problem.isEmpty()) return true;
  context_.messages.stop(problem.toStdString());
  return refuse(linesEdit_, true);
}

void CDRXXXSpecificProperties::writeBack() {
  // Values shown for another model stay unsaid: the new model's defaults stand.
  if (watch_.unseenChange()) return;
  const std::int32_t vector1 = chosenNumber(vector1Box_);
  const bool maintenance = maintenanceCheck_->isChecked();
  const std::string lines = linesEdit_->text() == shownLines_ ? lines_ : toBytes(linesEdit_->text());
  context_.values.specificWriters.push_back([vector1, maintenance, lines](VelmorBusDevice& device) {
    auto* drxxx = dynamic_cast<VelmorDRXXXDevice*>(&device);
    if (!drxxx) return;
    drxxx->vector1 = vector1;
    drxxx->maintenanceMode = maintenance;
    drxxx->lines = lines;
  });
}
