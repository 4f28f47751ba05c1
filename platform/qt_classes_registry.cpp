#include "platform/qt_classes_registry.h"

#include <QStringList>

namespace {

// Registry paths use "\"; QSettings groups use "/".
QString groupPath(const std::string& key) { return QString::fromStdString(key).replace('\\', '/'); }

std::unique_ptr<QSettings> platformClassesRoot() {
#ifdef Q_OS_WIN
  return std::make_unique<QSettings>("HKEY_CLASSES_ROOT", QSettings::NativeFormat);
#else
  return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, "Orbantec", "VelmorClassesRoot");
#endif
}

// The default value of a key, as QSettings names it on the registry.
const char* const kDefault = "Default";
// A settings file forgets a group that holds no value, while a registry key
// exists on its own; the stand-in marks every key it creates.
const char* const kKeyMark = "KeyExists";

}  // namespace

QtClassesRegistry::QtClassesRegistry() : QtClassesRegistry(platformClassesRoot()) {}

QtClassesRegistry::QtClassesRegistry(std::unique_ptr<QSettings> settings) : settings_(std::move(settings)) {}

bool QtClassesRegistry::setDefaultValue(const std::string& key, const std::string& value, bool) {
  if (settings_->format() != QSettings::NativeFormat) {
    const QStringList parts = groupPath(key).split('/');
    for (qsizetype i = 1; i <= parts.size(); ++i)
      settings_->setValue(QStringList(parts.mid(0, i)).join('/') + "/" + kKeyMark, true);
  }
  settings_->setValue(groupPath(key) + "/" + kDefault, QString::fromStdString(value));
  settings_->sync();
  return settings_->status() == QSettings::NoError;
}

bool QtClassesRegistry::deleteKey(const std::string& key) {
  const QString path = groupPath(key);
  const qsizetype slash = path.lastIndexOf('/');
  const QString parent = slash < 0 ? QString() : path.left(slash);
  const QString leaf = slash < 0 ? path : path.mid(slash + 1);

  settings_->beginGroup(parent);
  const bool exists = settings_->childGroups().contains(leaf);
  settings_->endGroup();
  if (!exists) return false;
  settings_->beginGroup(path);
  const bool hasSubkeys = !settings_->childGroups().isEmpty();
  settings_->endGroup();
  if (hasSubkeys) return false;  // as the registry refuses to delete a key with subkeys
  settings_->remove(path);
  settings_->sync();
  return settings_->status() == QSettings::NoError;
}
