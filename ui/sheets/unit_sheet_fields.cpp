#include "ui/sheets/unit_sheet_fields.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "config/device_properties.h"
#include "ui/script_text.h"
#include "ui/sheets/sheet_picture.h"
#include "ui/sheets/sheet_text.h"

QLabel* makePictureLabel(DeviceGroup group, QWidget* parent) {
  auto* image = new QLabel(parent);
  image->setPixmap(sheetPicture(group));
  return image;
}

QLineEdit* makeTextEdit(const QString& text, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  takeAnyLength(edit);
  edit->setText(text);
  return edit;
}

QComboBox* makeHostDeviceBox(QWidget* parent) {
  auto* box = new QComboBox(parent);
  box->setEditable(true);
  takeAnyLength(box->lineEdit());
  // A typed path is taken as it stands, neither completed nor added.
  box->setInsertPolicy(QComboBox::NoInsert);
  box->setCompleter(nullptr);
  return box;
}

void refillHostDevices(QComboBox* box, const QStringList& devices) {
  const QString current = box->currentText();
  fillSorted(box, devices);
  if (!current.isEmpty()) selectOrAdd(box, current);
}

std::string fileNameRefusal(const QString& text) {
  if (const QString character = unstorableCharacter(text); !character.isEmpty())
    return unstorableText(QStringLiteral("The file name holds"), character).toStdString();
  return checkQuotedValue("file name", toBytes(text));
}

bool readIntegerField(const QLineEdit* edit, std::int32_t& value) {
  return readIntegerText(toBytes(edit->text()), value);
}
