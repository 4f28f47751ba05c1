#include "ui/sheets/disk_unit_general_properties.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdint>
#include <limits>

#include "config/device_groups.h"
#include "devices/disk_device.h"
#include "ui/dialog_runner.h"
#include "ui/script_text.h"
#include "ui/sheets/host_devices.h"
#include "ui/sheets/number_fields.h"
#include "ui/sheets/sheet_picture.h"
#include "ui/sheets/unit_file_forms.h"
#include "ui/sheets/unit_sheet_fields.h"

namespace {

constexpr const char* kDiskFilter = "Disk Images(*.dsk)|*.dsk|All Files(*.*)|*.*||";
constexpr qint64 kBlockSize = 512;
constexpr const char* kSectorSizeRange = "Please enter an integer from 0 to 65535.";

const char* const kCachingTexts[] = {"Disable caching", "Use Operation System cache", "Map the file into memory"};

}  // namespace

CDiskUnitGeneralProperties::CDiskUnitGeneralProperties(VelmorDiskUnit& record, const UnitSheetContext& context,
                                                       QWidget* parent)
    : CPropertyPage(parent), record_(record), context_(context) {
  auto* grid = pictureGrid(this, sheetPicture(DeviceGroup::Disks));
  buildFileControls(grid);
  buildOptionControls(grid);
  grid->setColumnStretch(1, 1);
  grid->setRowStretch(grid->rowCount(), 1);

  const QString file = fromBytes(record.file);
  if (namesRealDisk(record.file, context_.targetOs)) {
    deviceRadio_->setChecked(true);
    deviceBox_->setEditText(file);
    chooseDevice();
  } else {
    imageRadio_->setChecked(true);
    imageEdit_->setText(file);
    enableFileControls();
    if (record.size == 0) sizeFromImage();
  }
  shownFile_ = currentFile();
  shownOffline_ = record.offline;

  connect(imageRadio_, &QRadioButton::clicked, this, [this] {
    chooseImage();
    fileEdited();
  });
  connect(deviceRadio_, &QRadioButton::clicked, this, [this] {
    chooseDevice();
    fileEdited();
  });
  connect(imageEdit_, &QLineEdit::textEdited, this, &CDiskUnitGeneralProperties::fileEdited);
  connect(deviceBox_->lineEdit(), &QLineEdit::textEdited, this, &CDiskUnitGeneralProperties::fileEdited);
  connect(deviceBox_, &QComboBox::activated, this, &CDiskUnitGeneralProperties::fileEdited);
  connect(offlineCheck_, &QCheckBox::clicked, this, [this] { offlineSetByUser_ = true; });
  connect(browseButton_, &QPushButton::clicked, this, &CDiskUnitGeneralProperties::browse);
  imageEdit_->installEventFilter(this);
}

void CDiskUnitGeneralProperties::buildFileControls(QGridLayout* grid) {
  auto* source = new QButtonGroup(this);
  imageRadio_ = new QRadioButton(QStringLiteral("Disk image"), this);
  deviceRadio_ = new QRadioButton(QStringLiteral("Real device"), this);
  source->addButton(imageRadio_);
  source->addButton(deviceRadio_);
  imageEdit_ = makeTextEdit(QString(), this);
  browseButton_ = new QPushButton(QStringLiteral("Browse ..."), this);
  deviceBox_ = makeHostDeviceBox(this);

  grid->addWidget(imageRadio_, 1, 0);
  grid->addWidget(imageEdit_, 1, 1);
  grid->addWidget(browseButton_, 1, 2);
  grid->addWidget(deviceRadio_, 2, 0);
  grid->addWidget(deviceBox_, 2, 1);
}

void CDiskUnitGeneralProperties::buildOptionControls(QGridLayout* grid) {
  writeprotectCheck_ = new QCheckBox(QStringLiteral("Writeprotect"), this);
  offlineCheck_ = new QCheckBox(QStringLiteral("Offline"), this);
  bootCheck_ = new QCheckBox(QStringLiteral("Bootable"), this);
  writeprotectCheck_->setChecked(record_.writeprotect);
  offlineCheck_->setChecked(record_.offline);
  bootCheck_->setChecked(record_.boot);
  auto* checks = new QHBoxLayout;
  checks->addWidget(writeprotectCheck_);
  checks->addWidget(offlineCheck_);
  checks->addWidget(bootCheck_);
  grid->addLayout(checks, 3, 0, 1, 3);

  auto* caching = new QGroupBox(QStringLiteral("Caching"), this);
  auto* cachingLayout = new QVBoxLayout(caching);
  cachingGroup_ = new QButtonGroup(this);
  for (int mode = 0; mode < 3; ++mode) {
    auto* radio = new QRadioButton(QString::fromLatin1(kCachingTexts[mode]), caching);
    cachingGroup_->addButton(radio, mode);
    cachingLayout->addWidget(radio);
  }
  if (QAbstractButton* chosen = cachingGroup_->button(record_.caching)) chosen->setChecked(true);
  grid->addWidget(caching, 4, 0, 1, 3);

  sizeEdit_ = new QLineEdit(QString::number(record_.size), this);
  sectorSizeEdit_ = new QLineEdit(QString::number(record_.sectorSize), this);
  delayFactorEdit_ = new QLineEdit(QString::number(record_.delayFactor), this);
  const std::pair<const char*, QLineEdit*> numbers[] = {
      {"Size:", sizeEdit_}, {"Sector size:", sectorSizeEdit_}, {"Delay factor:", delayFactorEdit_}};
  int row = 5;
  for (const auto& [text, edit] : numbers) {
    auto* label = new QLabel(QString::fromLatin1(text), this);
    label->setBuddy(edit);
    grid->addWidget(label, row, 0);
    grid->addWidget(edit, row, 1);
    ++row;
  }
}

void CDiskUnitGeneralProperties::chooseImage() {
  enableFileControls();
  sizeFromImage();
}

void CDiskUnitGeneralProperties::chooseDevice() {
  enableFileControls();
  const QStringList devices = isWindowsNtTarget(context_.targetOs)
                                  ? openableHostDevices(context_.dialogs, QStringLiteral("\\\\.\\PhysicalDrive"), 0)
                                  : QStringList();
  refillHostDevices(deviceBox_, devices);
}

void CDiskUnitGeneralProperties::enableFileControls() {
  const bool image = imageRadio_->isChecked();
  imageEdit_->setEnabled(image);
  // The file dialog browses the editor's own machine, which is the target
  // only on Windows NT.
  browseButton_->setEnabled(image && isWindowsNtTarget(context_.targetOs));
  deviceBox_->setEnabled(!image);
}

void CDiskUnitGeneralProperties::browse() {
  const QString chosen = context_.dialogs.browseFileName(this, imageEdit_->text(), QStringLiteral("dsk"),
                                                         QString::fromLatin1(kDiskFilter));
  if (chosen.isEmpty()) return;
  imageEdit_->setText(chosen);
  fileEdited();
  sizeFromImage();
}

void CDiskUnitGeneralProperties::sizeFromImage() {
  const QString path = imageEdit_->text();
  if (path.isEmpty()) return;
  // Only a plain file: opening a pipe would wait for a writer.
  if (!QFileInfo(path).isFile()) return;
  QFile image(path);
  if (!image.open(QIODevice::ReadOnly)) return;
  const qint64 blocks = std::min<qint64>(image.size() / kBlockSize, std::numeric_limits<std::int32_t>::max());
  sizeEdit_->setText(QString::number(blocks));
}

bool CDiskUnitGeneralProperties::eventFilter(QObject* watched, QEvent* event) {
  if (watched == imageEdit_ && event->type() == QEvent::FocusOut && imageRadio_->isChecked()) sizeFromImage();
  return CPropertyPage::eventFilter(watched, event);
}

QString CDiskUnitGeneralProperties::currentFile() const {
  return imageRadio_->isChecked() ? imageEdit_->text() : deviceBox_->currentText();
}

void CDiskUnitGeneralProperties::fileEdited() {
  if (offlineSetByUser_) return;
  const QString file = currentFile();
  offlineCheck_->setChecked(file == shownFile_ ? shownOffline_ : shownOffline_ && file.isEmpty());
}

bool CDiskUnitGeneralProperties::validate() {
  QWidget* fileField = imageRadio_->isChecked() ? static_cast<QWidget*>(imageEdit_) : deviceBox_;
  if (!checkQuoted(context_.messages, fileField, QStringLiteral("file name"), currentFile())) return false;
  for (QLineEdit* edit : {sizeEdit_, sectorSizeEdit_, delayFactorEdit_})
    if (!checkInteger(context_.messages, edit, edit->text())) return false;
  std::int32_t value = 0;
  readIntegerField(sectorSizeEdit_, value);
  if (value < 0 || value > std::numeric_limits<std::uint16_t>::max())
    return refuseWith(context_.messages, kSectorSizeRange, sectorSizeEdit_, true);
  return true;
}

void CDiskUnitGeneralProperties::writeBack() {
  // The file as it stands when untouched: a device path shown in the list's
  // letter case, or one classed otherwise on another host, comes back exactly.
  if (const QString file = currentFile(); file != shownFile_) record_.file = toBytes(file);
  record_.writeprotect = writeprotectCheck_->isChecked();
  record_.offline = offlineCheck_->isChecked();
  record_.boot = bootCheck_->isChecked();
  // A mode without a choice here stays as it was.
  if (const int mode = cachingGroup_->checkedId(); mode >= 0) record_.caching = static_cast<std::uint16_t>(mode);
  std::int32_t value = 0;
  if (readIntegerField(sizeEdit_, value)) record_.size = value;
  if (readIntegerField(sectorSizeEdit_, value)) record_.sectorSize = static_cast<std::uint16_t>(value);
  if (readIntegerField(delayFactorEdit_, value)) record_.delayFactor = value;
}
