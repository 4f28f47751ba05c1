#include "ui/sheets/unit_list_page.h"

#include <QGridLayout>
#include <QListWidget>
#include <algorithm>

#include "devices/velmor_unit_device.h"
#include "ui/script_text.h"
#include "ui/sheets/bus_device_properties.h"
#include "ui/sheets/unit_bulb.h"
#include "ui/sheets/sheet_picture.h"

namespace {

using Records = std::vector<std::unique_ptr<VelmorUnit>>;

}  // namespace

CUnitListPage::CUnitListPage(const QPixmap& picture, const DeviceSheetContext& context,
                             const CBusDeviceProperties* general, UnitSheetRunner runUnitSheet,
                             const UnitListKind& kind, QWidget* parent)
    : CPropertyPage(parent),
      context_(context),
      general_(general),
      runUnitSheet_(std::move(runUnitSheet)),
      kind_(kind),
      seenType_(context.copy.type),
      seenModel_(context.copy.model) {
  grid_ = pictureGrid(this, picture);
  list_ = new QListWidget(this);
  list_->setSortingEnabled(false);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  grid_->addWidget(list_, 1, 0, 1, 2);
  grid_->setColumnStretch(1, 1);
  grid_->setRowStretch(1, 1);

  if (const auto* owner = dynamic_cast<const VelmorUnitDevice*>(&context.copy))
    for (std::size_t i = 0; i < owner->unitCount(); ++i) records_.push_back(owner->unit(i).clone());
  rebuildItems();
  connect(list_, &QListWidget::itemDoubleClicked, this,
          [this](QListWidgetItem* item) { openUnit(list_->row(item)); });
}

CUnitListPage::~CUnitListPage() = default;

void CUnitListPage::shown() { followGeneralPage(); }

bool CUnitListPage::generalChangedUnseen() const {
  return general_ && (general_->currentType() != seenType_ || general_->currentModel() != seenModel_);
}

bool CUnitListPage::followGeneralPage() {
  if (!generalChangedUnseen()) return false;
  seenType_ = general_->currentType();
  seenModel_ = general_->currentModel();
  // No list grows past what a device may hold.
  resetRecords(std::clamp(general_->unitCount(), 0, kMaxUnits));
  rebuildItems();
  return true;
}

void CUnitListPage::resetRecords(int count) {
  const auto* owner = dynamic_cast<const VelmorUnitDevice*>(&context_.copy);
  if (!owner) return;
  // Fresh units come from a scratch device of the new type and model, so
  // they carry that model's defaults exactly as a rebuilt device's would.
  const std::unique_ptr<VelmorDevice> scratchDevice = owner->clone();
  auto& scratch = static_cast<VelmorUnitDevice&>(*scratchDevice);
  scratch.type = seenType_;
  scratch.model = seenModel_;
  scratch.deleteUnits();
  const bool withDefaults = kind_.hasDefaults(seenType_, seenModel_);
  Records reset;
  for (int i = 0; i < count; ++i) {
    const auto position = static_cast<std::size_t>(i);
    scratch.createUnit(i);
    if (position < records_.size() && !withDefaults) {
      reset.push_back(std::move(records_[position]));
      continue;
    }
    std::unique_ptr<VelmorUnit> fresh = scratch.unit(position).clone();
    if (position < records_.size()) {
      fresh->comments = records_[position]->comments;
      if (kind_.keepOnReset) kind_.keepOnReset(*records_[position], *fresh);
    }
    reset.push_back(std::move(fresh));
  }
  records_ = std::move(reset);
}

void CUnitListPage::openUnit(int row) {
  if (row < 0 || static_cast<std::size_t>(row) >= records_.size() || !runUnitSheet_) return;
  // The sheet edits a copy: a cancelled sheet leaves the record as it was,
  // whatever the sheet did to its copy.
  std::unique_ptr<VelmorUnit> edited = records_[static_cast<std::size_t>(row)]->clone();
  if (!runUnitSheet_(*edited, this)) return;
  edited->number = row;
  records_[static_cast<std::size_t>(row)] = std::move(edited);
  // One boot unit per controller.
  if (records_[static_cast<std::size_t>(row)]->isBoot())
    for (std::size_t i = 0; i < records_.size(); ++i)
      if (i != static_cast<std::size_t>(row)) records_[i]->setBoot(false);
  rebuildItem(row);
}

void CUnitListPage::rebuildItems() {
  list_->clear();
  for (std::size_t i = 0; i < records_.size(); ++i) {
    list_->addItem(QString());
    rebuildItem(static_cast<int>(i));
  }
}

void CUnitListPage::rebuildItem(int row) {
  const VelmorUnit& record = *records_[static_cast<std::size_t>(row)];
  QString text = QString::fromLatin1(kind_.numberWord) + QLatin1Char(' ') + QString::number(row);
  if (!record.file.empty()) text += QStringLiteral(" -> [") + fromBytes(record.file) + QLatin1Char(']');
  const bool lit = kind_.lit(record);
  QListWidgetItem* item = list_->item(row);
  item->setText(text);
  item->setIcon(bulbIcon(lit));
  item->setData(kBulbLitRole, lit);
}

void CUnitListPage::writeBack() {
  // The writer runs after the sheet is gone: it holds copies of its own.
  auto handed = std::make_shared<Records>();
  for (const auto& record : records_) handed->push_back(record->clone());
  context_.values.specificWriters.push_back([handed = std::shared_ptr<const Records>(std::move(handed))](
                                                VelmorBusDevice& device) {
    auto* owner = dynamic_cast<VelmorUnitDevice*>(&device);
    if (!owner) return;
    // Units past the records (a model changed with the page unseen since)
    // keep the defaults the rebuilt device gave them.
    const std::size_t count = std::min(handed->size(), owner->unitCount());
    for (std::size_t i = 0; i < count; ++i) owner->replaceUnit(i, *(*handed)[i]);
  });
}
