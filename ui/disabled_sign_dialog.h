#pragma once

#include <QDialog>

class QComboBox;

// "Choose disabled sign": an editable, sorted choice of "#$" and "$" or any
// typed text of up to 11 characters (the longest sign honoured at start).
// OK is refused while the text is empty: an empty sign would write a
// disabled device's statements as live ones.
class QLabel;

class CDisabledSignDialog : public QDialog {
  Q_OBJECT
 public:
  CDisabledSignDialog(const QString& current, QWidget* parent = nullptr);

  QString sign() const;
  QComboBox* signBox() const { return sign_; }
  QLabel* problemLabel() const { return problem_; }
  void accept() override;

 private:
  QComboBox* sign_;
  QLabel* problem_;  // why the typed sign was refused, shown under the box
};
