#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <filesystem>
#include <string>
#include <system_error>

#include "config/native_path.h"

// Paths reach the core as the bytes the system's own file calls take: the
// ANSI code page on Windows, UTF-8 elsewhere. They are not script text, whose
// bytes the editor shows in the Western code page. The system's own
// separators, so that a file chosen in a dialog ("C:/a.cfg" in Qt) gets the
// same "## File Name:" line as one named on the command line.
inline std::string pathBytes(const QString& path) {
  return QFile::encodeName(QDir::toNativeSeparators(path)).toStdString();
}
inline QString pathText(const std::string& bytes) { return QFile::decodeName(QByteArray::fromStdString(bytes)); }

// A name relative to the working folder, made whole as the system resolves
// it: the folder's own bytes (which need not be text) before it, and nothing
// tidied away, since a ".." after a symbolic link goes up from where the link
// leads.
inline std::string wholePathBytes(const QString& path) {
  const std::string bytes = pathBytes(path);
  const std::filesystem::path given = nativePath(bytes);
  if (bytes.empty() || given.is_absolute()) return bytes;
  std::error_code error;
  const std::filesystem::path whole = std::filesystem::absolute(given, error);
  std::string wholeBytes;
  return !error && nativeBytes(whole, wholeBytes) ? wholeBytes : bytes;
}
