#include "ui/sheets/drxxx_specific_properties.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "devices/drxxx_device.h"
#include "ui/script_text.h"
#include "ui/sheets/choice_lists.h"
#include "ui/sheets/sheet_picture.h"

CDRXXXSpecificProperties::CDRXXXSpecificProperties(const QPixmap& picture, const DeviceSheetContext& context,
                                                   const CBusDeviceProperties& general, QWidget* parent)
    : CModelFollowingPage(context, general, parent) {
  auto* grid = pictureGrid(this, picture);

  vector1Box_ = makeChoiceBox(false, this);
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

  fill(context.copy);
}

void CDRXXXSpecificProperties::fill(const VelmorBusDevice& shown) {
  const auto& device = static_cast<const VelmorDRXXXDevice&>(shown);
  const ModelDescriptor* row = ModelTable::instance().findDescriptor(device.className(), device.type, device.model);
  showChoices(vector1Box_, row ? row->vectors1 : std::vector<std::int32_t>{}, device.vector1, NumberForm::Octal);
  maintenanceCheck_->setChecked(device.maintenanceMode);
  shownLines_ = fromBytes(device.lines);
  linesEdit_->setText(shownLines_);
}

bool CDRXXXSpecificProperties::validate() {
  if (linesEdit_->text() == shownLines_) return true;
  return checkQuoted(context_.messages, linesEdit_, QStringLiteral("line mapping"), linesEdit_->text(), true);
}

CModelFollowingPage::Writer CDRXXXSpecificProperties::writer() const {
  const std::int32_t vector1 = chosenNumber(vector1Box_);
  const bool maintenance = maintenanceCheck_->isChecked();
  const std::string lines = toBytes(linesEdit_->text());
  return [vector1, maintenance, lines](VelmorBusDevice& device) {
    auto* drxxx = dynamic_cast<VelmorDRXXXDevice*>(&device);
    if (!drxxx) return;
    drxxx->vector1 = vector1;
    drxxx->maintenanceMode = maintenance;
    drxxx->lines = lines;
  };
}
