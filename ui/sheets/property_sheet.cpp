#include "ui/sheets/property_sheet.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

CPropertySheet::CPropertySheet(const QString& caption, QWidget* parent) : QDialog(parent) {
  setWindowTitle(caption);
  setModal(true);
  tabs_ = new QTabWidget(this);
  // Every tab stays in sight: a sheet is as wide as its tab texts.
  tabs_->setUsesScrollButtons(false);
  buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons_->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
  buttons_->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Cancel"));
  // Enter confirms wherever the focus is, except in the comments' edit.
  buttons_->button(QDialogButtonBox::Ok)->setDefault(true);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs_);
  layout->addWidget(buttons_);
  connect(buttons_, &QDialogButtonBox::accepted, this, &CPropertySheet::accept);
  connect(buttons_, &QDialogButtonBox::rejected, this, &CPropertySheet::reject);
  connect(tabs_, &QTabWidget::currentChanged, this, &CPropertySheet::pageChanged);
}

// Destroying the pages may switch tabs; no page may be asked to validate
// itself once the sheet is half destroyed.
CPropertySheet::~CPropertySheet() { disconnect(tabs_, nullptr, this, nullptr); }

void CPropertySheet::addPage(CPropertyPage* page, const QString& caption) {
  insertPage(pageCount(), page, caption);
}

void CPropertySheet::insertPage(int index, CPropertyPage* page, const QString& caption) {
  const QSignalBlocker blocker(tabs_);
  tabs_->insertTab(index, page, caption);
  pages_.insert(pages_.begin() + index, page);
  current_ = tabs_->currentIndex();
}

void CPropertySheet::pageChanged(int index) {
  if (index == current_) return;
  if (current_ >= 0 && current_ < pageCount() && !page(current_)->validate()) {
    returnTo(current_);
    return;
  }
  current_ = index;
  if (index >= 0 && index < pageCount()) page(index)->shown();
}

void CPropertySheet::returnTo(int index) {
  {
    const QSignalBlocker blocker(tabs_);
    tabs_->setCurrentIndex(index);
  }
  current_ = index;
  page(index)->focusFault();
}

void CPropertySheet::accept() {
  // The page in view first, as when it is left; then the others, so that no
  // page writes back a value it would refuse.
  if (current_ >= 0 && current_ < pageCount() && !page(current_)->validate()) {
    returnTo(current_);
    return;
  }
  for (int index = 0; index < pageCount(); ++index)
    if (index != current_ && !page(index)->validate()) {
      returnTo(index);
      return;
    }
  for (CPropertyPage* each : pages_) each->writeBack();
  QDialog::accept();
}
