#pragma once

#include <gtest/gtest.h>

#include <QComboBox>
#include <QString>
#include <QStringList>

// The entries of a drop-down list, in order.
inline QStringList itemsOf(const QComboBox* box) {
  QStringList items;
  for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
  return items;
}

// Picks the entry with exactly this text, as a user would from the list, so
// the page's handlers run.
inline void choose(QComboBox* box, const QString& text) {
  const int at = box->findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive);
  ASSERT_GE(at, 0) << text.toStdString();
  box->setCurrentIndex(at);
}
