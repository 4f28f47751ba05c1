#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <string>

// Paths reach the core as the bytes the system's own file calls take: the
// ANSI code page on Windows, UTF-8 elsewhere. They are not script text, whose
// bytes the editor shows in the Western code page.
inline std::string pathBytes(const QString& path) { return QFile::encodeName(path).toStdString(); }
inline QString pathText(const std::string& bytes) { return QFile::decodeName(QByteArray::fromStdString(bytes)); }
