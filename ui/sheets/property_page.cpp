#include "ui/sheets/property_page.h"

#include <QComboBox>
#include <QLineEdit>

void CPropertyPage::focusFault() {
  if (!fault_) return;
  fault_->setFocus(Qt::OtherFocusReason);
  if (!selectAll_) return;
  if (auto* edit = qobject_cast<QLineEdit*>(fault_)) edit->selectAll();
  if (auto* box = qobject_cast<QComboBox*>(fault_); box && box->lineEdit()) box->lineEdit()->selectAll();
}

bool CPropertyPage::refuse(QWidget* field, bool selectAll) {
  fault_ = field;
  selectAll_ = selectAll;
  focusFault();
  return false;
}
