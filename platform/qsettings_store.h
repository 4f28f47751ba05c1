#pragma once

#include <QSettings>
#include <QString>
#include <memory>

#include "config/settings_store.h"

// The editor's settings key on QSettings: the registry key
// HKEY_LOCAL_MACHINE\Software\Orbantec\Velmor11\Configuration on Windows, a
// per-user settings file elsewhere. The key is opened, never created: values
// are read and written only while the key exists.
class QSettingsStore : public SettingsStore {
 public:
  // The platform's own location of the key.
  QSettingsStore();
  // A key `group` inside the given settings (tests use a file of their own).
  QSettingsStore(std::unique_ptr<QSettings> settings, QString group);

  std::optional<std::string> value(std::string_view name) const override;
  bool setValue(std::string_view name, const std::string& value) override;

 private:
  bool keyExists() const;
  std::unique_ptr<QSettings> settings_;
  QString group_;
};
