#include "ui/sheets/loader_unit_general_prop.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "config/device_properties.h"
#include "config/user_messages.h"
#include "devices/loader_device.h"
#include "ui/dialog_runner.h"
#include "ui/script_text.h"
#include "ui/sheets/unit_number_fields.h"

CLoaderUnitGeneralProp::CLoaderUnitGeneralProp(const QPixmap& picture, VelmorLoaderUnit& record,
                                               const UnitSheetContext& context, QWidget* parent)
    : CPropertyPage(parent), record_(record), context_(context) {
  auto* grid = new QGridLayout(this);
  auto* image = new QLabel(this);
  image->setPixmap(picture);
  grid->addWidget(image, 0, 0, Qt::AlignLeft | Qt::AlignTop);

  fileEdit_ = new QLineEdit(fromBytes(record.file), this);
  takeAnyLength(fileEdit_);
  browse_ = new QPushButton(QStringLiteral("Browse ..."), this);
  connect(browse_, &QPushButton::clicked, this, &CLoaderUnitGeneralProp::browse);
  loadEdit_ = octalEdit(record.loadAddress, this);
  bootEdit_ = octalEdit(record.bootAddress, this);
  offsetEdit_ = integerEdit(record.offset, this);
  lengthEdit_ = integerEdit(record.length, this);
  bootable_ = new QCheckBox(QStringLiteral("Bootable"), this);
  bootable_->setChecked(record.bootMark);

  const std::pair<const char*, QLineEdit*> rows[] = {
      {"Image filename", fileEdit_},   {"Load Address", loadEdit_}, {"Boot Address", bootEdit_},
      {"Start reading at", offsetEdit_}, {"Read bytes", lengthEdit_},
  };
  int row = 1;
  for (const auto& [text, edit] : rows) {
    auto* label = new QLabel(QString::fromLatin1(text), this);
    label->setBuddy(edit);
    grid->addWidget(label, row, 0);
    grid->addWidget(edit, row++, 1);
  }
  grid->addWidget(browse_, 1, 2);
  grid->addWidget(bootable_, row++, 1);
  grid->setColumnStretch(1, 1);
  grid->setRowStretch(row, 1);
}

void CLoaderUnitGeneralProp::browse() {
  const QString chosen = context_.dialogs.browseFileName(
      this, fileEdit_->text(), QStringLiteral("oct"),
      QStringLiteral("Octal Images(*.oct)|*.oct|Binary Images(*.bin)|*.bin|All Files(*.*)|*.*||"));
  if (!chosen.isEmpty()) fileEdit_->setText(chosen);
}

bool CLoaderUnitGeneralProp::validate() {
  const QString file = fileEdit_->text();
  if (const QString character = unstorableCharacter(file); !character.isEmpty()) {
    context_.messages.stop(unstorableText(QStringLiteral("The file name holds"), character).toStdString());
    return refuse(fileEdit_);
  }
  // The file is written between double quotes.
  if (const std::string refusal = checkQuotedValue("file name", toBytes(file)); !refusal.empty()) {
    context_.messages.stop(refusal);
    return refuse(fileEdit_);
  }
  std::int32_t value = 0;
  for (QLineEdit* edit : {loadEdit_, bootEdit_}) {
    if (readOctalText(toBytes(edit->text()), value)) continue;
    context_.messages.stop(kEnterOctalText);
    return refuse(edit, true);
  }
  for (QLineEdit* edit : {offsetEdit_, lengthEdit_}) {
    if (readIntegerText(toBytes(edit->text()), value)) continue;
    context_.messages.stop(kEnterIntegerText);
    return refuse(edit, true);
  }
  return true;
}

void CLoaderUnitGeneralProp::writeBack() {
  record_.file = toBytes(fileEdit_->text());
  readOctalText(toBytes(loadEdit_->text()), record_.loadAddress);
  readOctalText(toBytes(bootEdit_->text()), record_.bootAddress);
  readIntegerText(toBytes(offsetEdit_->text()), record_.offset);
  readIntegerText(toBytes(lengthEdit_->text()), record_.length);
  record_.bootMark = bootable_->isChecked();
}
