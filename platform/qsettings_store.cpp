#include "platform/qsettings_store.h"

#include <QFile>

namespace {

QString toQString(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

std::unique_ptr<QSettings> platformSettings() {
#ifdef Q_OS_WIN
  return std::make_unique<QSettings>("HKEY_LOCAL_MACHINE\\Software\\Orbantec\\Velmor11", QSettings::NativeFormat);
#else
  return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, "Orbantec", "Velmor11");
#endif
}

}  // namespace

QSettingsStore::QSettingsStore() : QSettingsStore(platformSettings(), "Configuration") {}

QSettingsStore::QSettingsStore(std::unique_ptr<QSettings> settings, QString group)
    : settings_(std::move(settings)), group_(std::move(group)) {}

bool QSettingsStore::keyExists() const {
  settings_->sync();
  if (settings_->childGroups().contains(group_)) return true;
  // A settings file's reader leaves out a section without values, yet the
  // user who wrote "[Configuration]" made the key: the file itself tells.
  if (settings_->format() != QSettings::IniFormat) return false;
  QFile file(settings_->fileName());
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return false;
  const QByteArray section = "[" + group_.toUtf8() + "]";
  while (!file.atEnd())
    if (file.readLine().trimmed() == section) return true;
  return false;
}

std::optional<std::string> QSettingsStore::value(std::string_view name) const {
  if (!keyExists()) return std::nullopt;
  const QString key = group_ + "/" + toQString(name);
  if (!settings_->contains(key)) return std::nullopt;
  const QVariant stored = settings_->value(key);
  // A settings file written by hand may hold a comma unquoted, which the INI
  // reader turns into a list; joined back with commas it is the text as
  // written, except for blanks next to a comma, which the reader drops.
  if (stored.metaType().id() == QMetaType::QStringList) return stored.toStringList().join(',').toStdString();
  return stored.toString().toStdString();
}

bool QSettingsStore::setValue(std::string_view name, const std::string& value) {
  if (!keyExists()) return false;
  settings_->setValue(group_ + "/" + toQString(name), QString::fromStdString(value));
  settings_->sync();
  return settings_->status() == QSettings::NoError;
}
