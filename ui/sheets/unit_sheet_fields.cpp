#include "ui/sheets/unit_sheet_fields.h"

#include <QComboBox>
#include <QLineEdit>

#include "ui/script_text.h"
#include "ui/sheets/choice_lists.h"
#include "ui/sheets/sheet_text.h"

QLineEdit* makeTextEdit(const QString& text, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  takeAnyLength(edit);
  edit->setText(text);
  return edit;
}

QComboBox* makeHostDeviceBox(QWidget* parent) {
  QComboBox* box = makeChoiceBox(true, parent);
  takeAnyLength(box->lineEdit());
  return box;
}

void refillHostDevices(QComboBox* box, const QStringList& devices) {
  const QString current = box->currentText();
  fillSorted(box, devices);
  if (!current.isEmpty()) selectOrAdd(box, current);
}
