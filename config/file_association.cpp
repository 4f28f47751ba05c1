#include "config/file_association.h"

#include "config/settings_store.h"

void Associate(const SettingsStore& settings, ClassesRegistry& registry) {
  const std::optional<std::string> path = settings.value("Path");
  if (!path) return;
  if (!registry.setDefaultValue(".cfg", "cfg_auto_file", true)) return;
  if (!registry.setDefaultValue("cfg_auto_file\\shell\\open\\command", "\"" + *path + "\"%1\"\"", false)) return;
  registry.setDefaultValue("cfg_auto_file\\DefaultIcon", *path + ",0", false);
}

void Dissociate(ClassesRegistry& registry) {
  for (const char* key : {"cfg_auto_file\\shell\\open\\command", "cfg_auto_file\\shell\\open", "cfg_auto_file\\shell",
                          "cfg_auto_file\\DefaultIcon", "cfg_auto_file", ".cfg"})
    if (!registry.deleteKey(key)) return;
}
