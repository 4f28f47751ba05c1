#pragma once

#include <QString>

// Why a typed text cannot be written back as a `set` value, which may stand
// between double quotes: a character the file cannot store, a double quote
// or a line break. `what` names the field ("file name"). Empty when the text
// can be written.
QString quotedFieldProblem(const QString& what, const QString& text);
