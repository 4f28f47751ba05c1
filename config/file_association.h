#pragma once

#include <string>

class SettingsStore;

// The classes root of the registry (or what stands in for it): keys are
// paths with "\" between their parts.
class ClassesRegistry {
 public:
  virtual ~ClassesRegistry() = default;
  // Creates the key when missing and sets its default value; false on failure.
  // `terminatingZero` tells whether the stored string carries its zero.
  virtual bool setDefaultValue(const std::string& key, const std::string& value, bool terminatingZero) = 0;
  // Deletes a key that exists and has no subkeys; false otherwise.
  virtual bool deleteKey(const std::string& key) = 0;
};

// Registers ".cfg" files to open with the program whose full path the
// product's setup stored as "Path"; stops silently at the first failure.
void Associate(const SettingsStore& settings, ClassesRegistry& registry);
// Removes what Associate wrote, stopping at the first deletion that fails.
void Dissociate(ClassesRegistry& registry);
