#include "ui/sheets/property_page.h"

#include <QComboBox>
#include <QLineEdit>

#include "config/device_properties.h"
#include "config/user_messages.h"
#include "ui/script_text.h"
#include "ui/sheets/number_fields.h"

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

bool CPropertyPage::refuseWith(UserMessages& messages, const std::string& why, QWidget* field, bool selectAll) {
  messages.stop(why);
  return refuse(field, selectAll);
}

bool CPropertyPage::checkInteger(UserMessages& messages, QWidget* field, const QString& text) {
  std::int32_t value = 0;
  return readIntegerText(toBytes(text), value) || refuseWith(messages, kEnterIntegerText, field, true);
}

bool CPropertyPage::checkOctal(UserMessages& messages, QWidget* field, const QString& text) {
  std::int32_t value = 0;
  return readOctalText(toBytes(text), value) || refuseWith(messages, kEnterOctalText, field, true);
}

bool CPropertyPage::checkQuoted(UserMessages& messages, QWidget* field, const QString& what, const QString& text,
                                bool selectAll) {
  if (const QString character = unstorableCharacter(text); !character.isEmpty())
    return refuseWith(messages, unstorableText(QStringLiteral("The %1 holds").arg(what), character).toStdString(),
                      field, selectAll);
  const std::string problem = checkQuotedValue(what.toStdString(), toBytes(text));
  return problem.empty() || refuseWith(messages, problem, field, selectAll);
}
