#pragma once

#include <QSettings>
#include <memory>

#include "config/file_association.h"

// The classes root on QSettings: HKEY_CLASSES_ROOT on Windows; elsewhere a
// per-user settings file stands in for it, so the commands behave the same.
class QtClassesRegistry : public ClassesRegistry {
 public:
  QtClassesRegistry();
  explicit QtClassesRegistry(std::unique_ptr<QSettings> settings);

  // QSettings cannot choose whether a string carries its terminating zero;
  // the text stored is the same either way.
  bool setDefaultValue(const std::string& key, const std::string& value, bool terminatingZero) override;
  bool deleteKey(const std::string& key) override;

 private:
  std::unique_ptr<QSettings> settings_;
};
