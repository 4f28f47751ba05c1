#include "ui/sheets/protocols_usage_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <memory>

#include "ui/script_text.h"

namespace {

// Each entry carries its place in the protocol table.
constexpr int kIndexRole = Qt::UserRole;

std::size_t indexOf(const QListWidgetItem* item) {
  return static_cast<std::size_t>(item->data(kIndexRole).toULongLong());
}

}  // namespace

CProtocolsUsageDialog::CProtocolsUsageDialog(const ProtocolSet& set, QWidget* parent)
    : QDialog(parent), set_(set) {
  setWindowTitle(QStringLiteral("Protocols Usage"));
  setModal(true);

  available_ = new QListWidget(this);
  used_ = new QListWidget(this);
  for (std::size_t i = 0; i < set_.size(); ++i) {
    available_->addItem(makeItem(i).release());
    if (set_.isUsed(i)) used_->addItem(makeItem(i).release());
  }
  if (available_->count() > 0) available_->setCurrentRow(0);

  addButton_ = new QPushButton(QStringLiteral("Add Protocol"), this);
  deleteButton_ = new QPushButton(QStringLiteral("Delete Protocol "), this);
  okButton_ = new QPushButton(QStringLiteral("OK"), this);
  cancelButton_ = new QPushButton(QStringLiteral("Cancel"), this);
  okButton_->setDefault(true);
  // Enter in a list would otherwise press the default button mid-choice.
  addButton_->setAutoDefault(false);
  deleteButton_->setAutoDefault(false);

  auto* availableLabel = new QLabel(QStringLiteral("All Available Protocols"), this);
  availableLabel->setBuddy(available_);
  auto* usedLabel = new QLabel(QStringLiteral("Used Protocols"), this);
  usedLabel->setBuddy(used_);

  auto* middle = new QVBoxLayout;
  middle->addStretch();
  middle->addWidget(addButton_);
  middle->addWidget(deleteButton_);
  middle->addStretch();

  auto* grid = new QGridLayout;
  grid->addWidget(availableLabel, 0, 0);
  grid->addWidget(usedLabel, 0, 2);
  grid->addWidget(available_, 1, 0);
  grid->addLayout(middle, 1, 1);
  grid->addWidget(used_, 1, 2);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(okButton_);
  buttons->addWidget(cancelButton_);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(buttons);

  connect(addButton_, &QPushButton::clicked, this, &CProtocolsUsageDialog::addSelected);
  connect(available_, &QListWidget::itemDoubleClicked, this, &CProtocolsUsageDialog::addSelected);
  connect(deleteButton_, &QPushButton::clicked, this, &CProtocolsUsageDialog::deleteSelected);
  connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);

  setTabOrder(available_, addButton_);
  available_->setFocus(Qt::OtherFocusReason);
}

std::unique_ptr<QListWidgetItem> CProtocolsUsageDialog::makeItem(std::size_t index) const {
  auto item = std::make_unique<QListWidgetItem>(fromBytes(set_.protocol(index).name));
  item->setData(kIndexRole, QVariant::fromValue(static_cast<qulonglong>(index)));
  return item;
}

void CProtocolsUsageDialog::addSelected() {
  const QListWidgetItem* chosen = available_->currentItem();
  if (chosen && chosen->isSelected()) {
    const std::size_t index = indexOf(chosen);
    if (!set_.isUsed(index)) {
      set_.setUsed(index, true);
      used_->insertItem(0, makeItem(index).release());
      used_->setCurrentRow(0);
    }
  }
  available_->setFocus(Qt::OtherFocusReason);
}

void CProtocolsUsageDialog::deleteSelected() {
  QListWidgetItem* chosen = used_->currentItem();
  if (!chosen || !chosen->isSelected()) return;
  set_.setUsed(indexOf(chosen), false);
  const std::unique_ptr<QListWidgetItem> removed(used_->takeItem(used_->row(chosen)));
}
