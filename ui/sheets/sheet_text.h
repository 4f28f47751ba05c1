#pragma once

#include <QComboBox>
#include <QString>
#include <QStringList>
#include <string>
#include <string_view>

#include "ui/script_text.h"


// The lists of the pages keep their entries in text order, letter case
// ignored, like a sorted Windows list box; equal texts keep their order.
int insertSorted(QComboBox* box, const QString& text);
void fillSorted(QComboBox* box, const QStringList& texts);
// Selects the entry equal to `text` (letter case ignored unless `matchCase`
// says otherwise); a text that is not in the list is added in its place and
// selected.
void selectOrAdd(QComboBox* box, const QString& text, Qt::CaseSensitivity matchCase = Qt::CaseInsensitive);
