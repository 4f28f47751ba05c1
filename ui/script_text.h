#pragma once

#include <QString>
#include <string>
#include <string_view>

// Script text is bytes of no fixed encoding: every byte maps to one
// character and back, so names, comments and header values shown or edited
// in the editor come back exactly as the file held them. The mapping is the
// Windows Western code page the emulator's scripts are written in (bytes
// 0x80 to 0x9F give the euro sign, typographic quotes, dashes...; the five
// it leaves undefined stay control characters), so such characters typed in
// the editor are kept too. A character outside it is written as "?" (one for
// each of its UTF-16 code units); the fields a user types in refuse it first.
QString fromBytes(std::string_view bytes);
std::string toBytes(const QString& text);
// The first character of `text` that toBytes would write as "?" (a surrogate
// pair whole) or that would end the read of the saved file (Ctrl-Z), or an
// empty text when every character can be stored.
QString unstorableCharacter(const QString& text);
// The refusal shown for such a character, e.g. for "The name holds": The name
// holds "Ж", which a configuration file cannot store. One that cannot be seen
// in quotes is named by its code: ... holds the character U+0301, which ...
QString unstorableText(const QString& fieldHolds, const QString& character);

// For text that is only shown (messages, printed lines), which may mix script
// bytes with file paths: UTF-8 where the bytes are valid UTF-8, else one
// character per byte.
QString displayText(std::string_view bytes);

class QLineEdit;
// A field that shows script text takes values of any length: one read from a
// file may be longer than the 32,767 characters a line edit keeps by default,
// and a dialog confirmed without a change must hand it back whole.
void takeAnyLength(QLineEdit* edit);
