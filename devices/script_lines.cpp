#include "devices/script_lines.h"

#include "devices/text_utils.h"

namespace {

bool readsAsComment(std::string_view line, std::string_view disabledSign) {
  while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.remove_suffix(1);
  return !startsWith(line, "##") && !startsWith(line, "#OS") && !IsStatementLine(line, disabledSign);
}

}  // namespace

StatementKeyword statementKeywordOf(std::string_view line, std::string_view disabledSign) {
  bool disabledLine = false;
  if (!disabledSign.empty() && startsWith(line, disabledSign)) {
    disabledLine = true;
    line.remove_prefix(disabledSign.size());
  }
  std::size_t pos = 0;
  while (pos < line.size() && isSpace(line[pos])) ++pos;
  std::size_t end = pos;
  while (end < line.size() && !isSpace(line[end])) ++end;
  const std::string_view keyword = line.substr(pos, end - pos);
  if (equalsIgnoreCase(keyword, "set")) return StatementKeyword::Set;
  if (equalsIgnoreCase(keyword, "load")) return StatementKeyword::Load;
  if (disabledLine) return StatementKeyword::None;
  if (equalsIgnoreCase(keyword, "boot")) return StatementKeyword::Boot;
  if (equalsIgnoreCase(keyword, "warning")) return StatementKeyword::Warning;
  if (equalsIgnoreCase(keyword, "start")) return StatementKeyword::Start;
  return StatementKeyword::None;
}

bool IsStatementLine(std::string_view line, std::string_view disabledSign) {
  return statementKeywordOf(line, disabledSign) != StatementKeyword::None;
}

std::string commentLine(std::string_view text, std::string_view disabledSign) {
  std::string line = "#" + std::string(text);
  if (readsAsComment(line, disabledSign)) return line;
  for (const char* mark : {" ", "-", "~"}) {
    std::string marked = "#" + std::string(mark) + std::string(text);
    if (readsAsComment(marked, disabledSign)) return marked;
  }
  return line;  // no sign defeats all three marks; kept for completeness
}
