#include <gtest/gtest.h>

#include "config/settings_store.h"
#include "support/map_settings.h"

TEST(DisabledSign, OnlySignsThatReadBackAreUsable) {
  struct Case {
    const char* sign;
    bool usable;
  } cases[] = {
      {"#$", true},   {"$", true},          {"#", true},       {"!!", true},  {"12345678901", false},
      {"%%%%%%%%%%%", true},                {"%%%%%%%%%%%%", false},  // 12 characters
      {"", false},    {"##", false},        {"##x", false},    {"#OS", false}, {"#OSx", false},
      {"# $", false}, {"#\t", false},       {"lo", false},     {"S", false},  {"7", false},
  };
  for (const Case& c : cases) EXPECT_EQ(isUsableDisabledSign(c.sign), c.usable) << c.sign;
}

TEST(DisabledSign, StoredValuesThatCannotServeFallBackToTheDefault) {
  MapSettings settings;
  EXPECT_EQ(disabledSignFrom(&settings), "#$");
  settings.values["DisabledSign"] = "!!";
  EXPECT_EQ(disabledSignFrom(&settings), "!!");
  for (const char* bad : {"", "##", "123456789012", "a b"}) {
    settings.values["DisabledSign"] = bad;
    EXPECT_EQ(disabledSignFrom(&settings), "#$") << bad;
  }
  EXPECT_EQ(disabledSignFrom(nullptr), "#$");
}

// The sign is script bytes, one character each; the store holds text.
TEST(DisabledSign, StoredAsTextReadAsBytes) {
  MapSettings settings;
  ASSERT_TRUE(storeDisabledSign(settings, "\xA7!"));
  EXPECT_EQ(settings.values["DisabledSign"], "\xC2\xA7!");
  EXPECT_EQ(disabledSignFrom(&settings), "\xA7!");
  // Eleven such characters are eleven bytes of the file: still honoured.
  const std::string eleven(11, '\xA7');
  ASSERT_TRUE(storeDisabledSign(settings, eleven));
  EXPECT_EQ(disabledSignFrom(&settings), eleven);
  // A character beyond one byte, or text that is not UTF-8, cannot be a sign.
  for (const char* bad : {"\xE2\x82\xAC", "\xA7", "\xC2"}) {
    settings.values["DisabledSign"] = bad;
    EXPECT_EQ(disabledSignFrom(&settings), "#$") << bad;
  }
}

// Every byte above ASCII survives the store: a sign that came back as the
// default would turn the disabled devices of files saved with it into lost lines.
TEST(DisabledSign, EveryHighByteComesBack) {
  MapSettings settings;
  for (int code = 0x80; code <= 0xFF; ++code) {
    const std::string sign = std::string("#") + static_cast<char>(code);
    ASSERT_TRUE(storeDisabledSign(settings, sign));
    EXPECT_EQ(disabledSignFrom(&settings), sign) << code;
  }
}
