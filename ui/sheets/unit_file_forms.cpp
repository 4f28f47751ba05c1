#include "ui/sheets/unit_file_forms.h"

#include <QRegularExpression>
#include <QStringList>

#include "config/configuration.h"

bool isWindowsNtTarget(std::string_view targetOs) { return targetOs == kDefaultTargetOs; }

bool namesRealDisk(std::string_view file, std::string_view targetOs) {
  if (isWindowsNtTarget(targetOs)) return file.starts_with("\\\\.\\");
  if (targetOs == "Digital UNIX") return file.starts_with("/dev/");
  if (targetOs == "Open VMS") return file.ends_with(':');
  return false;
}

TapeFileForm readTapeFile(const QString& file) {
  static const QRegularExpression blanks(QStringLiteral("[ \t]+"));
  const QStringList words = file.split(blanks, Qt::SkipEmptyParts);
  if (words.isEmpty()) return {TapeFileForm::Kind::Image, QString()};
  if (words.front() == QLatin1String("image"))
    return {TapeFileForm::Kind::Image, words.mid(1).join(QLatin1Char(' '))};
  if (words.front() == QLatin1String("port"))
    return {TapeFileForm::Kind::Port, words.size() > 1 ? words.at(1) : QString()};
  return {TapeFileForm::Kind::Device, file};
}
