#include "ui/sheets/serial_unit_nt_specific_properties.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "devices/serial_device.h"
#include "ui/script_text.h"
#include "ui/sheets/number_fields.h"
#include "ui/sheets/sheet_picture.h"

namespace {

struct TimeoutRow {
  const char* label;
  std::int32_t VelmorSerialUnit::*value;
};
constexpr TimeoutRow kTimeoutRows[CSerialUnitNTSpecificProperties::kTimeouts] = {
    {"Read interval timeout", &VelmorSerialUnit::riTimeout},
    {"Total read operation timeout multiplier", &VelmorSerialUnit::rmTimeout},
    {"Total read operation timeout constant", &VelmorSerialUnit::rcTimeout},
    {"Total write operation timeout multiplier", &VelmorSerialUnit::wmTimeout},
    {"Total write operation timeout constant", &VelmorSerialUnit::wcTimeout},
};

}  // namespace

CSerialUnitNTSpecificProperties::CSerialUnitNTSpecificProperties(const QPixmap& picture, VelmorSerialUnit& record,
                                                                 UserMessages& messages, QWidget* parent)
    : CPropertyPage(parent), record_(record), messages_(messages) {
  auto* grid = pictureGrid(this, picture);
  for (int i = 0; i < kTimeouts; ++i) {
    const TimeoutRow& row = kTimeoutRows[i];
    QLineEdit*& edit = edits_[static_cast<std::size_t>(i)];
    edit = integerEdit(record.*row.value, this);
    auto* label = new QLabel(QString::fromLatin1(row.label), this);
    label->setBuddy(edit);
    grid->addWidget(label, i + 1, 0);
    grid->addWidget(edit, i + 1, 1);
  }
  grid->setColumnStretch(1, 1);
  grid->setRowStretch(kTimeouts + 1, 1);
}

bool CSerialUnitNTSpecificProperties::validate() {
  for (QLineEdit* edit : edits_)
    if (!checkInteger(messages_, edit, edit->text())) return false;
  return true;
}

void CSerialUnitNTSpecificProperties::writeBack() {
  for (int i = 0; i < kTimeouts; ++i)
    readIntegerField(edits_[static_cast<std::size_t>(i)], record_.*kTimeoutRows[i].value);
}
