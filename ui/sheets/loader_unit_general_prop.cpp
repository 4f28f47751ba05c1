#include "ui/sheets/loader_unit_general_prop.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "devices/loader_device.h"
#include "ui/dialog_runner.h"
#include "ui/script_text.h"
#include "ui/sheets/number_fields.h"
#include "ui/sheets/sheet_picture.h"

CLoaderUnitGeneralProp::CLoaderUnitGeneralProp(const QPixmap& picture, VelmorLoaderUnit& record,
                                               const UnitSheetContext& context, QWidget* parent)
    : CPropertyPage(parent), record_(record), context_(context) {
  auto* grid = pictureGrid(this, picture);

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
  // The file is written between double quotes.
  if (!checkQuoted(context_.messages, fileEdit_, QStringLiteral("file name"), fileEdit_->text())) return false;
  for (QLineEdit* edit : {loadEdit_, bootEdit_})
    if (!checkOctal(context_.messages, edit, edit->text())) return false;
  for (QLineEdit* edit : {offsetEdit_, lengthEdit_})
    if (!checkInteger(context_.messages, edit, edit->text())) return false;
  return true;
}

void CLoaderUnitGeneralProp::writeBack() {
  record_.file = toBytes(fileEdit_->text());
  readOctalField(loadEdit_, record_.loadAddress);
  readOctalField(bootEdit_, record_.bootAddress);
  readIntegerField(offsetEdit_, record_.offset);
  readIntegerField(lengthEdit_, record_.length);
  record_.bootMark = bootable_->isChecked();
}
