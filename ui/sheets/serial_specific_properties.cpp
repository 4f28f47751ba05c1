#include "ui/sheets/serial_specific_properties.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

#include "devices/model_tables.h"
#include "devices/serial_device.h"
#include "ui/sheets/choice_lists.h"
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
  vector1Box_ = makeChoiceBox(true, this);
  auto* label = new QLabel(QStringLiteral("Interrupt vector1"), this);
  label->setBuddy(vector1Box_);
  grid()->addWidget(label, 2, 0);
  grid()->addWidget(vector1Box_, 2, 1);

  fillVector1();
  const auto* serial = dynamic_cast<const VelmorSerialDevice*>(&context.copy);
  if (serial) selectOrAdd(vector1Box_, numberText(serial->vector1, NumberForm::Octal));
}

void CSerialSpecificProperties::fillVector1() {
  const ModelDescriptor* row =
      ModelTable::instance().findDescriptor(context().copy.className(), seenType(), seenModel());
  fillChoices(vector1Box_, row ? row->vectors1 : std::vector<std::int32_t>{}, NumberForm::Octal);
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
  const std::int32_t vector1 = chosenNumber(vector1Box_);
  context().values.specificWriters.push_back([vector1](VelmorBusDevice& device) {
    if (auto* serial = dynamic_cast<VelmorSerialDevice*>(&device)) serial->vector1 = vector1;
  });
}
