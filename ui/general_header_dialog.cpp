#include "ui/general_header_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <utility>

#include "config/configuration.h"
#include "config/script_reader.h"
#include "ui/path_text.h"
#include "ui/script_text.h"

CGeneralHeaderDialog::CGeneralHeaderDialog(const Configuration& config, QWidget* parent)
    : QDialog(parent),
      fileName_(new QLineEdit(pathText(config.fileName))),
      date_(new QLineEdit(QString::fromStdString(config.date))),
      userName_(new QLineEdit),
      projectName_(new QLineEdit),
      problem_(new QLabel) {
  setWindowTitle("General Header ");
  for (QLineEdit* field : {userName_, projectName_}) takeAnyLength(field);
  userName_->setText(fromBytes(config.userName));
  projectName_->setText(fromBytes(config.projectName));
  fileName_->setReadOnly(true);
  date_->setReadOnly(true);
  fileName_->setMinimumWidth(300);
  auto* form = new QFormLayout;
  form->addRow("Configuration file name:", fileName_);
  form->addRow("Date of writing:", date_);
  form->addRow("User name:", userName_);
  form->addRow("Project name:", projectName_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  connect(buttons, &QDialogButtonBox::accepted, this, &CGeneralHeaderDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  problem_->setWordWrap(true);
  problem_->hide();
  layout->addWidget(problem_);
  layout->addWidget(buttons);
}

void CGeneralHeaderDialog::refuse(QLineEdit* field, const QString& why) {
  problem_->setText(why);
  problem_->show();
  field->setFocus();
}

void CGeneralHeaderDialog::accept() {
  // A character without a byte of the scripts' code page would be saved as "?".
  for (auto [edit, field] :
       {std::pair{userName_, "The user name holds"}, std::pair{projectName_, "The project name holds"}}) {
    if (const QString character = unstorableCharacter(edit->text()); !character.isEmpty()) {
      refuse(edit, unstorableText(QLatin1String(field), character));
      return;
    }
  }
  // The save at once that follows would write a file whose header gives
  // the project name as the user name, and the project name would be lost.
  if (!ProjectNameReadsBack(toBytes(projectName_->text()))) {
    refuse(projectName_, QStringLiteral("A project name holding \"## User Name\" would be read back as the user name."));
    return;
  }
  QDialog::accept();
}
