#include "ui/dialog_runner.h"

#include <QDialog>
#include <QFileDialog>

int DialogRunner::exec(QDialog& dialog) { return dialog.exec(); }

QString DialogRunner::openFileName(QWidget* parent) {
  return QFileDialog::getOpenFileName(parent, "Open", QString(), kFileFilter);
}

QString DialogRunner::saveFileName(QWidget* parent, const QString& suggested) {
  QFileDialog dialog(parent, "Save As", suggested, kFileFilter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix("cfg");
  if (exec(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().front();
}
