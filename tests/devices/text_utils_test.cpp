#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "devices/text_utils.h"

// Device names and load words are found through a hash that must not see
// letter case: two texts equal but for case must hash alike, at every length
// (the hash reads eight bytes at a time and the rest one by one).
TEST(CaseBlindHash, TextsEqualButForCaseHashAlike) {
  const std::string base = "aZ09_-[]@`{}\x80\xff mscpDL11yl";
  const CaseBlindHash hash;
  const CaseBlindEqual equal;
  for (std::size_t length = 0; length <= base.size(); ++length) {
    const std::string text = base.substr(0, length);
    for (std::size_t flipped = 0; flipped < length; ++flipped) {
      std::string other = text;
      char& c = other[flipped];
      if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
      else if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
      ASSERT_TRUE(equal(text, other)) << text << " / " << other;
      EXPECT_EQ(hash(text), hash(other)) << text << " / " << other;
    }
  }
  // Only ASCII letters fold: "@" and "`" differ by the case bit but are not equal.
  EXPECT_FALSE(equal("@", "`"));
  EXPECT_FALSE(equal("\xc0", "\xe0"));
}

// The hash folds exactly what equality folds, in the eight-byte steps and in
// the bytes after them: texts that are not equal hash apart, so a file of
// names built to differ only where a careless fold would merge them (the case
// bit of "~" and "^", "@" and "`", "\xc0" and "\xe0") cannot pile them into
// one slot of the name index.
TEST(CaseBlindHash, TextsNotEqualHashApart) {
  const CaseBlindHash hash;
  for (std::size_t length : {1, 8, 11}) {
    std::set<std::size_t> hashes;
    for (int c = 0; c < 256; ++c) hashes.insert(hash(std::string(length, static_cast<char>(c))));
    EXPECT_EQ(hashes.size(), 256u - 26u) << length;  // the capitals join their small letters
  }
  std::set<std::size_t> hashes;
  for (int bits = 0; bits < 4096; ++bits) {
    std::string name = "R";
    for (int b = 0; b < 12; ++b) name += (bits >> b & 1) ? '~' : '^';
    hashes.insert(hash(name));
  }
  EXPECT_EQ(hashes.size(), 4096u);
}

TEST(NextWord, SkipsWhiteSpaceAndStopsAfterTheWord) {
  const std::string_view line = " \tset  DU0\vfile[0]=\"a b\"  ";
  std::vector<std::string_view> words;
  std::size_t pos = 0;
  for (std::string_view word = nextWord(line, pos); !word.empty(); word = nextWord(line, pos)) words.push_back(word);
  EXPECT_EQ(words, (std::vector<std::string_view>{"set", "DU0", "file[0]=\"a", "b\""}));
  EXPECT_EQ(pos, line.size());
  EXPECT_EQ(nextWord(line, pos), "");  // at the end it stays there
  EXPECT_EQ(pos, line.size());
}

TEST(Concat, JoinsEveryPiece) {
  EXPECT_EQ(concat({}), "");
  EXPECT_EQ(concat({" ", "file", "[", "12", "]="}), " file[12]=");
  EXPECT_EQ(concat({std::string_view("a\0b", 3), ""}), std::string("a\0b", 3));
}
