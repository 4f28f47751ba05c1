#include "ui/dialog_runner.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QStringList>

#ifdef _WIN32
#include <windows.h>
#endif

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

QString DialogRunner::browseFileName(QWidget* parent, const QString& current, const QString& defaultSuffix,
                                     const QString& filter) {
  QFileDialog dialog(parent, "Browse", current, fileDialogFilter(filter));
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setDefaultSuffix(defaultSuffix);
  if (exec(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return QDir::toNativeSeparators(dialog.selectedFiles().front());
}

bool DialogRunner::canOpenHostDevice(const QString& path) {
#ifdef _WIN32
  // Device paths such as \\.\COM1 open only through CreateFile.
  const HANDLE handle = CreateFileW(reinterpret_cast<const wchar_t*>(path.utf16()), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return false;
  CloseHandle(handle);
  return true;
#else
  QFile device(path);
  return device.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
#endif
}

QString fileDialogFilter(const QString& pageFilter) {
  // Pairs of a caption and its patterns; the caption already names them.
  const QStringList parts = pageFilter.split(QLatin1Char('|'), Qt::SkipEmptyParts);
  QStringList captions;
  for (int i = 0; i < parts.size(); i += 2) captions << parts.at(i);
  return captions.join(QStringLiteral(";;"));
}
