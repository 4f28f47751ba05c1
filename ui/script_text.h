#pragma once

#include <QString>
#include <string>
#include <string_view>

// Script text is bytes of no fixed encoding: every byte maps to one
// character and back, so names, comments and header values shown or edited
// in the editor come back exactly as the file held them.
inline QString fromBytes(std::string_view bytes) {
  return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}
inline std::string toBytes(const QString& text) { return text.toLatin1().toStdString(); }

// For text that is only shown (messages, printed lines), which may mix script
// bytes with file paths: UTF-8 where the bytes are valid UTF-8, else one
// character per byte.
QString displayText(std::string_view bytes);
