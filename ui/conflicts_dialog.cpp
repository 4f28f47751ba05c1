#include "ui/conflicts_dialog.h"

#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

CDeviceConflictsDialog::CDeviceConflictsDialog(const QString& report, QWidget* parent)
    : QDialog(parent), report_(new QPlainTextEdit), resolve_(new QPushButton("Resolve...")) {
  setWindowTitle("Device Conflicts Information");
  // The checker writes CR LF; the text box wants bare line feeds.
  QString text = report;
  report_->setPlainText(text.replace("\r\n", "\n"));
  report_->setReadOnly(true);
  report_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  report_->setMinimumSize(360, 180);
  auto* buttons = new QDialogButtonBox;
  buttons->addButton(QDialogButtonBox::Ok);
  buttons->addButton(resolve_, QDialogButtonBox::ActionRole);
  buttons->addButton(QDialogButtonBox::Cancel);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(resolve_, &QPushButton::clicked, this, [this] { done(kResolve); });
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(report_);
  layout->addWidget(buttons);
}
