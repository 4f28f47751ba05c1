#pragma once

#include <string>
#include <string_view>

// Lines starting so are header lines and the target OS line, never comments.
inline constexpr std::string_view kHeaderMark = "##";
inline constexpr std::string_view kTargetOsMark = "#OS";
// Ctrl-Z: Windows text mode, which the emulator reads scripts with, reads no further.
inline constexpr char kEndOfTextMark = '\x1a';

enum class StatementKeyword { None, Load, Set, Boot, Warning, Start };

// The statement a line holds: load or set (disabled or not), or an enabled
// boot, warning or start; None for any other line.
// `keywordEnd`, when given, receives the position in `line` just after the keyword.
StatementKeyword statementKeywordOf(std::string_view line, std::string_view disabledSign,
                                    std::size_t* keywordEnd = nullptr);
// True for a load or set line (disabled or not) and for an enabled boot,
// warning or start line.
bool IsStatementLine(std::string_view line, std::string_view disabledSign);

// The written form of one comment line: "#" and the text, unless that would
// read back as a header, the target OS or a statement (a comment "OS notes"
// or "$load RL11 X"); then a blank, "-" or "~" after the "#" keeps it a comment.
std::string commentLine(std::string_view text, std::string_view disabledSign);
