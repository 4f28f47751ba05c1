#pragma once

#include <QWidget>
#include <string>

class UserMessages;

// What every page of a property sheet does. A page is given what it edits
// when it is built and fills its fields from it; it checks itself when the
// user leaves it (another tab, or OK) and writes its values back only when
// the sheet is confirmed.
class CPropertyPage : public QWidget {
 public:
  using QWidget::QWidget;

  // False refuses leaving the page; the page has told the user why.
  virtual bool validate() { return true; }
  // The sheet was confirmed: hand the page's values on.
  virtual void writeBack() = 0;
  // The page has just been brought into view by changing tabs; a page that
  // depends on another page's choices (a unit list on the General page's
  // model) refreshes itself here.
  virtual void shown() {}
  // Puts the focus back on the field a refusal named (the sheet calls it
  // once the page is shown again).
  void focusFault();

 protected:
  // Records the field at fault, focuses it and answers false.
  bool refuse(QWidget* field, bool selectAll = false);
  // Tells the user `why` and refuses `field`.
  bool refuseWith(UserMessages& messages, const std::string& why, QWidget* field, bool selectAll = false);
  // The checks the typed fields share; each refuses with the field's text
  // selected where the text is what must change.
  // "Please enter an integer." unless `text` is an integer.
  bool checkInteger(UserMessages& messages, QWidget* field, const QString& text);
  // An address: octal, or decimal ending with ".".
  bool checkOctal(UserMessages& messages, QWidget* field, const QString& text);
  // A text written between double quotes; `what` names it ("file name").
  bool checkQuoted(UserMessages& messages, QWidget* field, const QString& what, const QString& text,
                   bool selectAll = false);

 private:
  QWidget* fault_ = nullptr;
  bool selectAll_ = false;
};
