#include "ui/sheets/serial_specific_properties.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "devices/model_tables.h"
#include "devices/number_format.h"
#include "devices/serial_device.h"
#include "ui/sheets/sheet_text.h"

namespace {

const VelmorSerialUnit& serialLine(const VelmorUnit& unit) { return static_cast<const VelmorSerialUnit&>(unit); }

const UnitListKind kSerialLines{
    "line",
    [](const VelmorUnit& unit) { return !serialLine(unit).offline; },
    [](std::string_view type, std::string_view model) {
      return findUnitDefaults(serialUnitDefaultsRows(), type, model) != nullptr;
    },
    nullptr,
};

}  // namespace

CSerialSpecificProperties::CSerialSpecificProperties(const QPixmap& picture, const DeviceSheetContext& context,
                                                     const CBusDeviceProperties& general,
                                                     UnitSheetRunner runUnitSheet, QWidget* parent)
    : CUnitListPage(picture, context, &general, std::move(runUnitSheet), kSerialLines, parent) {
  vector1Box_ = new QComboBox(this);
  vector1Box_->setEditable(true);
  // A typed vector is taken as it stands, neither completed nor added.
  vector1Box_->setInsertPolicy(QComboBox::NoInsert);
  vector1Box_->setCompleter(nullptr);
  auto* label = new QLabel(QStringLiteral("Interrupt vector1"), this);
  label->setBuddy(vector1Box_);
  grid()->addWidget(label, 2, 0);
  grid()->addWidget(vector1Box_, 2, 1);

  fillVector1();
  const auto* serial = dynamic_cast<const VelmorSerialDevice*>(&context.copy);
  if (serial && seenType() == serial->type && seenModel() == serial->model)
    selectOrAdd(vector1Box_, fromBytes(formatOctal(serial->vector1)));
}

void CSerialSpecificProperties::fillVector1() {
  QStringList texts;
  if (const ModelDescriptor* row =
          ModelTable::instance().findDescriptor(context().copy.className(), seenType(), seenModel()))
    for (std::int32_t choice : row->vectors1) texts << fromBytes(formatOctal(choice));
  fillSorted(vector1Box_, texts);
}

void CSerialSpecificProperties::shown() {
  if (!followGeneralPage()) return;
  fillVector1();
  vector1Box_->setCurrentIndex(0);
}

void CSerialSpecificProperties::writeBack() {
  CUnitListPage::writeBack();
  // A model chosen after the page was last seen gives the device that
  // model's vector1; the one shown here belongs to the other model.
  if (generalChangedUnseen()) return;
  const std::int32_t vector1 = parseNumber(toBytes(vector1Box_->currentText()));
  context().values.specificWriters.push_back([vector1](VelmorBusDevice& device) {
    if (auto* serial = dynamic_cast<VelmorSerialDevice*>(&device)) serial->vector1 = vector1;
  });
}
