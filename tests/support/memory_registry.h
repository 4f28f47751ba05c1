#pragma once

#include <map>
#include <set>
#include <string>

#include "config/file_association.h"

// The classes root in memory: keys exist on their own, as in the registry;
// a key with subkeys cannot be deleted; `failOn` makes one key refuse.
class MemoryClassesRegistry : public ClassesRegistry {
 public:
  bool setDefaultValue(const std::string& key, const std::string& value, bool terminatingZero) override {
    if (key == failOn) return false;
    for (std::size_t pos = key.find('\\'); pos != std::string::npos; pos = key.find('\\', pos + 1))
      keys.insert(key.substr(0, pos));
    keys.insert(key);
    values[key] = value + (terminatingZero ? std::string(1, '\0') : std::string());
    return true;
  }
  bool deleteKey(const std::string& key) override {
    if (key == failOn || !keys.count(key)) return false;
    for (const std::string& other : keys)
      if (other.size() > key.size() && other.compare(0, key.size() + 1, key + "\\") == 0) return false;
    keys.erase(key);
    values.erase(key);
    return true;
  }

  std::set<std::string> keys;
  std::map<std::string, std::string> values;
  std::string failOn;
};
