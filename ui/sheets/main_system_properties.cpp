#include "ui/sheets/main_system_properties.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "devices/base_device.h"
#include "devices/model_tables.h"
#include "ui/sheets/device_comments_page.h"
#include "ui/sheets/sheet_picture.h"
#include "ui/sheets/sheet_text.h"

CSystemPage::CSystemPage(const QPixmap& picture, SystemSheetValues& values, UserMessages& messages,
                         QWidget* parent)
    : CPropertyPage(parent), values_(values), messages_(messages) {
  auto* grid = pictureGrid(this, picture);

  modelBox_ = new QComboBox(this);
  modelBox_->setEditable(true);
  takeAnyLength(modelBox_->lineEdit());
  modelBox_->setInsertPolicy(QComboBox::NoInsert);
  modelBox_->setCompleter(nullptr);  // a typed model is kept as typed, not completed
  QStringList models;
  for (const std::string& word :
       ModelTable::instance().modelWords("VelmorBaseDevice", VelmorBaseDevice::kTypeAndName))
    models << fromBytes(word);
  fillSorted(modelBox_, models);
  // A CPU model the table does not know is kept as it stands.
  const int at = modelBox_->findText(fromBytes(values.model), Qt::MatchFixedString);
  if (at >= 0) modelBox_->setCurrentIndex(at);
  modelBox_->setEditText(fromBytes(values.model));

  memoryEdit_ = new QLineEdit(QString::number(values.memorySize), this);

  auto* modelLabel = new QLabel(QStringLiteral("CPU Model"), this);
  modelLabel->setBuddy(modelBox_);
  auto* memoryLabel = new QLabel(QStringLiteral("Memory Size (Kb)"), this);
  memoryLabel->setBuddy(memoryEdit_);
  grid->addWidget(modelLabel, 1, 0);
  grid->addWidget(modelBox_, 1, 1);
  grid->addWidget(memoryLabel, 2, 0);
  grid->addWidget(memoryEdit_, 2, 1);
  grid->setColumnStretch(1, 1);
  grid->setRowStretch(3, 1);
  setTabOrder(modelBox_, memoryEdit_);
}

bool CSystemPage::validate() {
  if (!checkQuoted(messages_, modelBox_, QStringLiteral("CPU model"), modelBox_->currentText())) return false;
  std::int32_t size = 0;
  const std::string refusal = checkMemorySize(toBytes(memoryEdit_->text()), size);
  return refusal.empty() || refuseWith(messages_, refusal, memoryEdit_, true);
}

void CSystemPage::writeBack() {
  values_.model = toBytes(modelBox_->currentText());
  checkMemorySize(toBytes(memoryEdit_->text()), values_.memorySize);
}

CMainSystemProperties::CMainSystemProperties(SystemSheetValues& values, UserMessages& messages, QWidget* parent)
    : CPropertySheet(QStringLiteral("Main System Properties"), parent) {
  const QPixmap picture = sheetPicture(DeviceGroup::System);
  system_ = new CSystemPage(picture, values, messages, this);
  addPage(system_, QStringLiteral("Main System Properties"));
  comments_ = new CDeviceCommentsPage(picture, values.comments, messages, this);
  addPage(comments_, QStringLiteral("Comments"));
}
