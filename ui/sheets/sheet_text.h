#pragma once

#include <QComboBox>
#include <QString>
#include <QStringList>
#include <string>
#include <string_view>

// Script text is bytes of no fixed encoding: every byte maps to one
// character and back, so nothing a user wrote changes on its way through a page.
inline QString fromBytes(std::string_view bytes) {
  return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}
inline std::string toBytes(const QString& text) { return text.toLatin1().toStdString(); }

// The lists of the pages keep their entries in text order, letter case
// ignored, like a sorted Windows list box; equal texts keep their order.
int insertSorted(QComboBox* box, const QString& text);
void fillSorted(QComboBox* box, const QStringList& texts);
// Selects the entry equal to `text` (letter case ignored); a text that is not
// in the list is added in its place and selected.
void selectOrAdd(QComboBox* box, const QString& text);
