#include "ui/sheets/tape_unit_general_properties.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <cstdint>
#include <utility>

#include "config/device_groups.h"
#include "devices/tape_device.h"
#include "ui/dialog_runner.h"
#include "ui/script_text.h"
#include "ui/sheets/host_devices.h"
#include "ui/sheets/number_fields.h"
#include "ui/sheets/sheet_picture.h"
#include "ui/sheets/unit_file_forms.h"
#include "ui/sheets/unit_sheet_fields.h"

namespace {

constexpr const char* kTapeFilter = "Tape Images(*.mtd)|*.mtd|Tape Images(*.img)|*.img|All Files(*.*)|*.*||";

}  // namespace

CTapeUnitGeneralProperties::CTapeUnitGeneralProperties(VelmorTapeUnit& record, const UnitSheetContext& context,
                                                       QWidget* parent)
    : CPropertyPage(parent), record_(record), context_(context) {
  auto* grid = pictureGrid(this, sheetPicture(DeviceGroup::Tapes));
  buildFileControls(grid);
  buildOptionControls(grid);
  grid->setColumnStretch(1, 1);
  grid->setRowStretch(grid->rowCount(), 1);

  const TapeFileForm form = readTapeFile(fromBytes(record.file));
  switch (form.kind) {
    case TapeFileForm::Kind::Image:
      imageRadio_->setChecked(true);
      imageEdit_->setText(form.text);
      break;
    case TapeFileForm::Kind::Port:
      linkRadio_->setChecked(true);
      portEdit_->setText(form.text);
      break;
    case TapeFileForm::Kind::Device:
      deviceRadio_->setChecked(true);
      deviceBox_->setEditText(form.text);
      refillDevices();
      break;
  }
  enableFileControls();
  shownFile_ = composedFile();

  connect(imageRadio_, &QRadioButton::clicked, this, &CTapeUnitGeneralProperties::enableFileControls);
  connect(linkRadio_, &QRadioButton::clicked, this, &CTapeUnitGeneralProperties::enableFileControls);
  connect(deviceRadio_, &QRadioButton::clicked, this, [this] {
    enableFileControls();
    refillDevices();
  });
  connect(browseButton_, &QPushButton::clicked, this, &CTapeUnitGeneralProperties::browse);
  // The unit then has no file and stays out of the script.
  connect(resetButton_, &QPushButton::clicked, imageEdit_, &QLineEdit::clear);
}

void CTapeUnitGeneralProperties::buildFileControls(QGridLayout* grid) {
  auto* source = new QButtonGroup(this);
  imageRadio_ = new QRadioButton(QStringLiteral("Tape image"), this);
  deviceRadio_ = new QRadioButton(QStringLiteral("Tape device"), this);
  linkRadio_ = new QRadioButton(QStringLiteral("Link tape"), this);
  source->addButton(imageRadio_);
  source->addButton(deviceRadio_);
  source->addButton(linkRadio_);
  imageEdit_ = makeTextEdit(QString(), this);
  browseButton_ = new QPushButton(QStringLiteral("Browse ..."), this);
  resetButton_ = new QPushButton(QStringLiteral("Reset Field"), this);
  deviceBox_ = makeHostDeviceBox(this);
  portEdit_ = new QLineEdit(this);
  auto* portLabel = new QLabel(QStringLiteral("Port number"), this);
  portLabel->setBuddy(portEdit_);

  grid->addWidget(imageRadio_, 1, 0);
  grid->addWidget(imageEdit_, 1, 1);
  grid->addWidget(browseButton_, 1, 2);
  grid->addWidget(resetButton_, 1, 3);
  grid->addWidget(deviceRadio_, 2, 0);
  grid->addWidget(deviceBox_, 2, 1);
  grid->addWidget(linkRadio_, 3, 0);
  auto* port = new QHBoxLayout;
  port->addWidget(portLabel);
  port->addWidget(portEdit_, 1);
  grid->addLayout(port, 3, 1);
}

void CTapeUnitGeneralProperties::buildOptionControls(QGridLayout* grid) {
  const std::pair<QCheckBox**, const char*> checks[] = {{&writeprotectCheck_, "Writeprotect"},
                                                        {&bootCheck_, "Bootable"},
                                                        {&unloadCheck_, "Enable unload"},
                                                        {&loadedCheck_, "Loaded"}};
  auto* row = new QHBoxLayout;
  for (const auto& [check, text] : checks) {
    *check = new QCheckBox(QString::fromLatin1(text), this);
    row->addWidget(*check);
  }
  writeprotectCheck_->setChecked(record_.writeprotect);
  bootCheck_->setChecked(record_.boot);
  unloadCheck_->setChecked(record_.unloadEnabled);
  loadedCheck_->setChecked(record_.loaded);
  grid->addLayout(row, 4, 0, 1, 4);

  delayFactorEdit_ = new QLineEdit(QString::number(record_.delayFactor), this);
  volumeSizeEdit_ = new QLineEdit(QString::number(record_.volumeSize), this);
  const std::pair<const char*, QLineEdit*> numbers[] = {{"Delay factor:", delayFactorEdit_},
                                                        {"Volume size", volumeSizeEdit_}};
  int at = 5;
  for (const auto& [text, edit] : numbers) {
    auto* label = new QLabel(QString::fromLatin1(text), this);
    label->setBuddy(edit);
    grid->addWidget(label, at, 0);
    grid->addWidget(edit, at, 1);
    ++at;
  }
}

void CTapeUnitGeneralProperties::enableFileControls() {
  const bool image = imageRadio_->isChecked();
  imageEdit_->setEnabled(image);
  resetButton_->setEnabled(image);
  // The file dialog browses the editor's own machine, which is the target
  // only on Windows NT.
  browseButton_->setEnabled(image && isWindowsNtTarget(context_.targetOs));
  deviceBox_->setEnabled(deviceRadio_->isChecked());
  portEdit_->setEnabled(linkRadio_->isChecked());
}

void CTapeUnitGeneralProperties::refillDevices() {
  QStringList devices;
  if (isWindowsNtTarget(context_.targetOs)) {
    devices << openableHostDevices(context_.dialogs, QStringLiteral("\\\\.\\Tape"), 0)
            << openableHostDevices(context_.dialogs, QStringLiteral("\\\\.\\SCSI"), 0);
  }
  refillHostDevices(deviceBox_, devices);
}

void CTapeUnitGeneralProperties::browse() {
  const QString chosen = context_.dialogs.browseFileName(this, imageEdit_->text(), QStringLiteral("mtd"),
                                                         QString::fromLatin1(kTapeFilter));
  if (!chosen.isEmpty()) imageEdit_->setText(chosen);
}

QString CTapeUnitGeneralProperties::composedFile() const {
  using Kind = TapeFileForm::Kind;
  if (imageRadio_->isChecked()) return tapeFileText({Kind::Image, imageEdit_->text().trimmed()});
  if (linkRadio_->isChecked()) return tapeFileText({Kind::Port, portEdit_->text().trimmed()});
  return tapeFileText({Kind::Device, deviceBox_->currentText()});
}

bool CTapeUnitGeneralProperties::validate() {
  // A file the page shows as it was given is handed back as it was.
  if (composedFile() != shownFile_) {
    if (linkRadio_->isChecked() && !checkInteger(context_.messages, portEdit_, portEdit_->text())) return false;
    QWidget* field = imageRadio_->isChecked() ? static_cast<QWidget*>(imageEdit_) : deviceBox_;
    if (!checkQuoted(context_.messages, field, QStringLiteral("file name"), composedFile())) return false;
  }
  for (QLineEdit* edit : {delayFactorEdit_, volumeSizeEdit_})
    if (!checkInteger(context_.messages, edit, edit->text())) return false;
  return true;
}

void CTapeUnitGeneralProperties::writeBack() {
  // Untouched, the file keeps its own form ("image  a.mtd", "port 0100").
  if (const QString file = composedFile(); file != shownFile_) {
    std::int32_t port = 0;
    if (linkRadio_->isChecked() && readIntegerField(portEdit_, port))
      record_.file = toBytes(tapeFileText({TapeFileForm::Kind::Port, QString::number(port)}));
    else
      record_.file = toBytes(file);
  }
  record_.writeprotect = writeprotectCheck_->isChecked();
  record_.boot = bootCheck_->isChecked();
  record_.unloadEnabled = unloadCheck_->isChecked();
  record_.loaded = loadedCheck_->isChecked();
  std::int32_t value = 0;
  if (readIntegerField(delayFactorEdit_, value)) record_.delayFactor = value;
  if (readIntegerField(volumeSizeEdit_, value)) record_.volumeSize = value;
}
