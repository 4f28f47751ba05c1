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

namespace {

// The first words of a tape unit's file, read and written alike.
const QLatin1String kImageWord("image");
const QLatin1String kPortWord("port");

}  // namespace

TapeFileForm readTapeFile(const QString& file) {
  static const QRegularExpression blanks(QStringLiteral("[ \t]+"));
  const QStringList words = file.split(blanks, Qt::SkipEmptyParts);
  if (words.isEmpty()) return {TapeFileForm::Kind::Image, QString()};
  if (words.front() == kImageWord)
    return {TapeFileForm::Kind::Image, words.mid(1).join(QLatin1Char(' '))};
  if (words.front() == kPortWord)
    return {TapeFileForm::Kind::Port, words.size() > 1 ? words.at(1) : QString()};
  return {TapeFileForm::Kind::Device, file};
}

QString tapeFileText(const TapeFileForm& form) {
  switch (form.kind) {
    case TapeFileForm::Kind::Image:
      return form.text.isEmpty() ? QString() : QString(kImageWord) + QLatin1Char(' ') + form.text;
    case TapeFileForm::Kind::Port: return QString(kPortWord) + QLatin1Char(' ') + form.text;
    case TapeFileForm::Kind::Device: break;
  }
  return form.text;
}
