#include "ui/sheets/quoted_field.h"

#include "config/device_properties.h"
#include "ui/script_text.h"

QString quotedFieldProblem(const QString& what, const QString& text) {
  if (const QString character = unstorableCharacter(text); !character.isEmpty())
    return unstorableText(QStringLiteral("The %1 holds").arg(what), character);
  return QString::fromStdString(checkQuotedValue(what.toStdString(), toBytes(text)));
}
