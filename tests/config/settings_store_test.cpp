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

// A sign chosen anew holds no control character; one stored earlier is still
// honoured, or the files written with it would lose their disabled devices.
TEST(DisabledSign, ControlCharactersCannotBeChosenButStillServe) {
  for (const char* sign : {"!\x1A", "!\x07", "!\x7F", "\x01"}) {
    EXPECT_FALSE(isChoosableDisabledSign(sign)) << sign;
    EXPECT_TRUE(isUsableDisabledSign(sign)) << sign;
    MapSettings settings;
    settings.values["DisabledSign"] = sign;
    EXPECT_EQ(disabledSignFrom(&settings), sign);
  }
  for (const char* sign : {"#$", "!\x80", "\xA7"}) EXPECT_TRUE(isChoosableDisabledSign(sign)) << sign;
  for (const char* sign : {"##", "a!", "! !", ""}) EXPECT_FALSE(isChoosableDisabledSign(sign)) << sign;
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

// The sign is script bytes, one character each of the Western code page; the
// store holds text, as Windows holds it for such a program.
TEST(DisabledSign, StoredAsTextReadAsBytes) {
  MapSettings settings;
  ASSERT_TRUE(storeDisabledSign(settings, "\xA7!"));
  EXPECT_EQ(settings.values["DisabledSign"], "\xC2\xA7!");
  EXPECT_EQ(disabledSignFrom(&settings), "\xA7!");
  ASSERT_TRUE(storeDisabledSign(settings, "\x80\x99"));
  EXPECT_EQ(settings.values["DisabledSign"], "\xE2\x82\xAC\xE2\x84\xA2");  // "€™"
  // "€" written by another program is the byte 0x80; U+0080, as earlier
  // versions stored it, is that byte too.
  for (const char* euro : {"\xE2\x82\xAC", "\xC2\x80"}) {
    settings.values["DisabledSign"] = euro;
    EXPECT_EQ(disabledSignFrom(&settings), "\x80") << euro;
  }
  // Eleven such characters are eleven bytes of the file: still honoured.
  const std::string eleven(11, '\x80');
  ASSERT_TRUE(storeDisabledSign(settings, eleven));
  EXPECT_EQ(disabledSignFrom(&settings), eleven);
  // A character the code page lacks, or text that is not UTF-8 (a lone lead
  // byte, an overlong "$", a surrogate, four bytes), cannot be a sign.
  for (const char* bad : {"\xE2\x82\xAD", "\xA7", "\xC2", "\xC0\xA4", "\xED\xA0\x80", "\xF0\x9F\x98\x80",
                          "\xE2\x82"}) {
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

// Earlier versions stored bytes 0x80 to 0x9F as U+0080 to U+009F: each still
// gives its byte. A character in more bytes than it needs is no UTF-8.
TEST(DisabledSign, EarlierStoredFormsAndOverlongForms) {
  MapSettings settings;
  for (int code = 0x80; code <= 0x9F; ++code) {
    settings.values["DisabledSign"] = std::string("#\xC2") + static_cast<char>(code);
    EXPECT_EQ(disabledSignFrom(&settings), std::string("#") + static_cast<char>(code)) << code;
  }
  settings.values["DisabledSign"] = "!\xE0\x82\xA7";  // "!§", its "§" overlong
  EXPECT_EQ(disabledSignFrom(&settings), "#$");
}
