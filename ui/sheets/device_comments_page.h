#pragma once

#include <QPixmap>
#include <QString>
#include <string>

#include "ui/sheets/property_page.h"

class QPlainTextEdit;
class UserMessages;

// The "Comments" page of a device or unit: the comment lines that precede
// it in a script, edited as one text.
class CDeviceCommentsPage : public CPropertyPage {
  Q_OBJECT
 public:
  // `comments` holds the stored text (lines joined with CR LF); it is
  // rewritten when the sheet is confirmed.
  CDeviceCommentsPage(const QPixmap& picture, std::string& comments, UserMessages& messages,
                      QWidget* parent = nullptr);

  bool validate() override;
  void writeBack() override;

  QPlainTextEdit* editor() const { return editor_; }

 private:
  std::string& comments_;
  UserMessages& messages_;
  QString shown_;  // the text as the page first showed it
  QPlainTextEdit* editor_ = nullptr;
};

// Stored comments (CR LF between lines) to the edit's text (LF) and back.
QString commentsToEditText(const std::string& stored);
std::string editTextToComments(const QString& text);
