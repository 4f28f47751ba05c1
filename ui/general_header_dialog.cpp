#include "ui/general_header_dialog.h"
#include "ui/script_text.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "config/configuration.h"

CGeneralHeaderDialog::CGeneralHeaderDialog(const Configuration& config, QWidget* parent)
    : QDialog(parent),
      fileName_(new QLineEdit(QString::fromStdString(config.fileName))),
      date_(new QLineEdit(QString::fromStdString(config.date))),
      userName_(new QLineEdit(fromBytes(config.userName))),
      projectName_(new QLineEdit(fromBytes(config.projectName))) {
  setWindowTitle("General Header ");
  fileName_->setReadOnly(true);
  date_->setReadOnly(true);
  fileName_->setMinimumWidth(300);
  auto* form = new QFormLayout;
  form->addRow("Configuration file name:", fileName_);
  form->addRow("Date of writing:", date_);
  form->addRow("User name:", userName_);
  form->addRow("Project name:", projectName_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
}
