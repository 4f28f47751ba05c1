#include "devices/script_lines.h"

#include "devices/text_utils.h"

namespace {

bool readsAsComment(std::string_view line, std::string_view disabledSign) {
  while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.remove_suffix(1);
  return !startsWith(line, kHeaderMark) && !startsWith(line, kTargetOsMark) && !IsStatementLine(line, disabledSign);
}

}  // namespace

StatementKeyword statementKeywordOf(std::string_view line, std::string_view disabledSign, std::size_t* keywordEnd) {
  bool disabledLine = false;
  std::size_t pos = 0;
  if (!disabledSign.empty() && startsWith(line, disabledSign)) {
    disabledLine = true;
    pos = disabledSign.size();
  }
  const std::string_view keyword = nextWord(line, pos);
  if (keywordEnd) *keywordEnd = pos;
  // Most lines are comments or `set`s: the length picks the one word to compare.
  switch (keyword.size()) {
    case 3: return equalsIgnoreCase(keyword, "set") ? StatementKeyword::Set : StatementKeyword::None;
    case 4:
      if (equalsIgnoreCase(keyword, "load")) return StatementKeyword::Load;
      return !disabledLine && equalsIgnoreCase(keyword, "boot") ? StatementKeyword::Boot : StatementKeyword::None;
    case 5:
      return !disabledLine && equalsIgnoreCase(keyword, "start") ? StatementKeyword::Start : StatementKeyword::None;
    case 7:
      return !disabledLine && equalsIgnoreCase(keyword, "warning") ? StatementKeyword::Warning
                                                                   : StatementKeyword::None;
    default: return StatementKeyword::None;
  }
}

bool IsStatementLine(std::string_view line, std::string_view disabledSign) {
  return statementKeywordOf(line, disabledSign) != StatementKeyword::None;
}

std::string commentLine(std::string_view text, std::string_view disabledSign) {
  std::string line = concat({"#", text});
  if (readsAsComment(line, disabledSign)) return line;
  for (std::string_view mark : {" ", "-", "~"}) {
    std::string marked = concat({"#", mark, text});
    if (readsAsComment(marked, disabledSign)) return marked;
  }
  return line;  // no sign defeats all three marks; kept for completeness
}
