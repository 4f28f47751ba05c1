#include "ui/sheets/sheet_text.h"

#include <QSignalBlocker>

int insertSorted(QComboBox* box, const QString& text) {
  int at = 0;
  while (at < box->count() && QString::compare(box->itemText(at), text, Qt::CaseInsensitive) <= 0) ++at;
  box->insertItem(at, text);
  return at;
}

void fillSorted(QComboBox* box, const QStringList& texts) {
  const QSignalBlocker blocker(box);
  box->clear();
  for (const QString& text : texts) insertSorted(box, text);
  box->setCurrentIndex(box->count() > 0 ? 0 : -1);
  // An editable box shows the text of its selection, an empty one nothing.
  if (box->isEditable() && box->count() == 0) box->setEditText(QString());
}

void selectOrAdd(QComboBox* box, const QString& text, Qt::CaseSensitivity matchCase) {
  const QSignalBlocker blocker(box);
  const Qt::MatchFlags flags =
      matchCase == Qt::CaseSensitive ? Qt::MatchFixedString | Qt::MatchCaseSensitive : Qt::MatchFixedString;
  int at = box->findText(text, flags);
  if (at < 0) at = insertSorted(box, text);
  box->setCurrentIndex(at);
}
