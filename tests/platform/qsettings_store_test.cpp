#include <gtest/gtest.h>

#include <QFile>
#include <filesystem>

#include "config/settings_store.h"
#include "platform/qsettings_store.h"
#include "platform/qt_classes_registry.h"
#include "support/test_files.h"

namespace {

std::unique_ptr<QSettings> iniFile(const std::string& path) {
  return std::make_unique<QSettings>(QString::fromStdString(path), QSettings::IniFormat);
}

}  // namespace

TEST(QSettingsStore, TheKeyIsOpenedNeverCreated) {
  const std::string dir = makeTempDir(), path = dir + "/settings.ini";
  {
    QSettingsStore store(iniFile(path), "Configuration");
    EXPECT_FALSE(store.value("DisabledSign"));
    EXPECT_FALSE(store.setValue("DisabledSign", "!!"));  // silent failure, nothing created
    EXPECT_EQ(disabledSignFrom(&store), "#$");
  }
  EXPECT_FALSE(std::filesystem::exists(path));

  writeBytes(path, "[Configuration]\nPath=/opt/velmor/editor\n");
  QSettingsStore store(iniFile(path), "Configuration");
  EXPECT_EQ(store.value("Path").value_or(""), "/opt/velmor/editor");
  EXPECT_TRUE(store.setValue("DisabledSign", "!!"));
  EXPECT_EQ(disabledSignFrom(&store), "!!");
  EXPECT_TRUE(store.setValue("DisabledSign", "123456789012"));
  EXPECT_EQ(disabledSignFrom(&store), "#$");  // too long: ignored
  EXPECT_TRUE(store.setValue("DisabledSign", ""));
  EXPECT_EQ(disabledSignFrom(&store), "#$");  // an empty sign could mark nothing as disabled
  std::filesystem::remove_all(dir);
}

// A key made by hand as an empty section is a key: the sign can be stored.
TEST(QSettingsStore, AnEmptySectionIsAKey) {
  const std::string dir = makeTempDir(), path = dir + "/settings.ini";
  writeBytes(path, "[Other]\nx=1\n\n[Configuration]\n");
  QSettingsStore store(iniFile(path), "Configuration");
  EXPECT_FALSE(store.value("DisabledSign"));
  EXPECT_TRUE(store.setValue("DisabledSign", "!!"));
  EXPECT_EQ(disabledSignFrom(&store), "!!");
  writeBytes(dir + "/other.ini", "[Configuration2]\n");
  QSettingsStore other(iniFile(dir + "/other.ini"), "Configuration");
  EXPECT_FALSE(other.setValue("DisabledSign", "!!"));
}

// A comma written by hand, unquoted, stays part of the sign.
TEST(QSettingsStore, AHandWrittenCommaIsPartOfTheValue) {
  const std::string dir = makeTempDir(), path = dir + "/settings.ini";
  writeBytes(path, "[Configuration]\nDisabledSign=!,\n");
  QSettingsStore store(iniFile(path), "Configuration");
  EXPECT_EQ(store.value("DisabledSign").value_or(""), "!,");
  EXPECT_EQ(disabledSignFrom(&store), "!,");
}

TEST(QtClassesRegistry, AssociateThenDissociateLeavesNothing) {
  const std::string dir = makeTempDir(), path = dir + "/classes.ini";
  {
    QtClassesRegistry registry(iniFile(path));
    ASSERT_TRUE(registry.setDefaultValue(".cfg", "cfg_auto_file", true));
    ASSERT_TRUE(registry.setDefaultValue("cfg_auto_file\\shell\\open\\command", "\"x\"%1\"\"", false));
    ASSERT_TRUE(registry.setDefaultValue("cfg_auto_file\\DefaultIcon", "x,0", false));
    EXPECT_FALSE(registry.deleteKey("cfg_auto_file\\shell"));  // still has a subkey
    Dissociate(registry);
    EXPECT_FALSE(registry.deleteKey(".cfg"));
  }
  QSettings check(QString::fromStdString(path), QSettings::IniFormat);
  EXPECT_TRUE(check.allKeys().isEmpty());
  std::filesystem::remove_all(dir);
}

TEST(QtClassesRegistry, DissociateStopsWhenTheFirstKeyIsMissing) {
  const std::string dir = makeTempDir(), path = dir + "/classes.ini";
  QtClassesRegistry registry(iniFile(path));
  ASSERT_TRUE(registry.setDefaultValue(".cfg", "otherfile", true));
  Dissociate(registry);
  QSettings check(QString::fromStdString(path), QSettings::IniFormat);
  EXPECT_EQ(check.value(".cfg/Default").toString(), "otherfile");
  std::filesystem::remove_all(dir);
}
