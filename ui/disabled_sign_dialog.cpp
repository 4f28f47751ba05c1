#include "ui/disabled_sign_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "config/settings_store.h"
#include "ui/script_text.h"

CDisabledSignDialog::CDisabledSignDialog(const QString& current, QWidget* parent)
    : QDialog(parent), sign_(new QComboBox), problem_(new QLabel(kChosenDisabledSignRule)) {
  setWindowTitle("Choose disabled sign");
  sign_->setEditable(true);
  sign_->setInsertPolicy(QComboBox::NoInsert);
  sign_->setCompleter(nullptr);  // typing "#" must give "#", not the listed "#$"
  sign_->addItems({"#$", "$"});
  sign_->model()->sort(0);
  sign_->setEditText(current);
  // A longer sign would be stored but not honoured at the next start, and
  // files written with it would then read their disabled devices wrongly.
  sign_->lineEdit()->setMaxLength(static_cast<int>(kMaxDisabledSignLength));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  connect(buttons, &QDialogButtonBox::accepted, this, &CDisabledSignDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel("Disabled Sign"));
  layout->addWidget(sign_);
  problem_->setWordWrap(true);
  problem_->hide();
  layout->addWidget(problem_);
  layout->addWidget(buttons);
}

QString CDisabledSignDialog::sign() const { return sign_->currentText(); }

void CDisabledSignDialog::accept() {
  // Some signs would make disabled devices read back as headers, the target
  // OS or nothing at all; the save at once that follows would lose them.
  // A character without a byte of the scripts' code page would be written as "?".
  if (const QString character = unstorableCharacter(sign()); !character.isEmpty())
    problem_->setText(unstorableText(QStringLiteral("The disabled sign holds"), character));
  else if (!isChoosableDisabledSign(toBytes(sign())))
    problem_->setText(kChosenDisabledSignRule);
  else
    return QDialog::accept();
  problem_->show();
  sign_->setFocus();
}
