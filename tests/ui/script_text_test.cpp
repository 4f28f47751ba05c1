#include <gtest/gtest.h>

#include <string>

#include "ui/script_text.h"

TEST(ScriptText, EveryByteComesBackAsItself) {
  std::string all;
  for (int byte = 0; byte < 256; ++byte) all += static_cast<char>(byte);
  const QString shown = fromBytes(all);
  ASSERT_EQ(shown.size(), 256);
  EXPECT_EQ(toBytes(shown), all);
}

// What Windows users type and paste into comments and names: typographic
// quotes, dashes and the euro sign are bytes of the scripts' code page.
TEST(ScriptText, TypedCharactersOfTheCodePageAreKept) {
  const struct {
    const char16_t* typed;
    const char* bytes;
  } cases[] = {
      {u"\u20AC 5", "\x80 5"},
      {u"it\u2019s \u201Cboot\u201D", "it\x92s \x93" "boot\x94"},
      {u"a \u2013 b \u2014 c", "a \x96 b \x97 c"},
      {u"caf\u00E9 \u00A0", "caf\xE9 \xA0"},
      {u"\u0160koda \u017D", "\x8Akoda \x8E"},
      // An accent typed as a mark of its own after its letter, as text pasted
      // from some systems holds it, is the code page's accented letter.
      {u"Je\u0301ro\u0302me", "J\xE9r\xF4me"},
  };
  for (const auto& c : cases) {
    const QString typed = QString::fromUtf16(c.typed);
    EXPECT_EQ(toBytes(typed), c.bytes) << typed.toStdString();
    EXPECT_EQ(fromBytes(c.bytes), typed.normalized(QString::NormalizationForm_C)) << c.bytes;
  }
}

TEST(ScriptText, CharactersOutsideTheCodePageBecomeQuestionMarks) {
  EXPECT_EQ(toBytes(QString::fromUtf16(u"\u0414\u0438\u0441\u043A 1")), "???? 1");
  // The five bytes the code page leaves undefined are control characters;
  // other control characters of that range have no byte of their own.
  EXPECT_EQ(fromBytes("\x81\x8D\x8F\x90\x9D"), QString::fromUtf16(u"\u0081\u008D\u008F\u0090\u009D"));
  EXPECT_EQ(toBytes(QString::fromUtf16(u"\u0080\u0099")), "??");
}

// What the pages name when they refuse a text: the first character written
// as "?", a surrogate pair whole, and nothing for a typed "?".
TEST(ScriptText, FindsTheFirstCharacterAScriptCannotStore) {
  struct Case {
    const char16_t* text;
    const char16_t* character;
  };
  const Case cases[] = {
      {u"", u""},
      {u"plain? \u20AC \u00E9 \u0178", u""},
      {u"a\u0416b\u0436", u"\u0416"},
      {u"\u0080", u"\u0080"},
      {u"x\U0001F600", u"\U0001F600"},
      {u"x\xD800y", u"\xD800"},  // a high surrogate without its pair
      {u"e\u0301\u0416", u"\u0416"},  // "é" with its accent apart has a byte
      {u"\u0416e\u0301", u"\u0416"},
      {u"q\u0301", u"\u0301"},        // no letter of the code page carries it
      {u"ab\u001Acd", u"\u001A"},     // a Ctrl-Z would end the read of the saved file
  };
  for (const Case& c : cases)
    EXPECT_EQ(unstorableCharacter(QString::fromUtf16(c.text)), QString::fromUtf16(c.character))
        << QString::fromUtf16(c.text).toStdString();
}

// A character the user can see is quoted; one that would sit on the quote
// mark or look like nothing is named by its code.
TEST(ScriptText, TheRefusalNamesTheCharacterSoItCanBeFound) {
  const struct {
    const char16_t* character;
    const char* named;
  } cases[] = {
      {u"\u0416", "\"\u0416\""},
      {u"\U0001F600", "\"\U0001F600\""},
      {u"\u0301", "the character U+0301"},  // a combining accent
      {u"\u001A", "the character U+001A"},  // Ctrl-Z
      {u"\u200B", "the character U+200B"},  // zero width space
      {u"\u2003", "the character U+2003"},  // em space
      {u"\xD83D", "the character U+D83D"},  // half of a pair
      {u"\U000E0001", "the character U+E0001"},  // an invisible tag outside the basic plane
  };
  for (const auto& c : cases)
    EXPECT_EQ(unstorableText(QStringLiteral("The name holds"), QString::fromUtf16(c.character)).toStdString(),
              std::string("The name holds ") + c.named + ", which a configuration file cannot store.");
}
