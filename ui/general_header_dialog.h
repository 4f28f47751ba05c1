#pragma once

#include <QDialog>

class Configuration;
class QLabel;
class QLineEdit;

// "General Header ": the file name and date of writing shown, the user and
// project names edited. The caller writes them back and saves on OK.
class CGeneralHeaderDialog : public QDialog {
  Q_OBJECT
 public:
  CGeneralHeaderDialog(const Configuration& config, QWidget* parent = nullptr);

  QLineEdit* fileNameEdit() const { return fileName_; }
  QLineEdit* dateEdit() const { return date_; }
  QLineEdit* userNameEdit() const { return userName_; }
  QLineEdit* projectNameEdit() const { return projectName_; }
  // Shown while a name cannot be kept; OK then does nothing.
  QLabel* problemLabel() const { return problem_; }

  void accept() override;

 private:
  // Shows why OK does nothing and puts the focus on the field at fault.
  void refuse(QLineEdit* field, const QString& why);

  QLineEdit* fileName_;
  QLineEdit* date_;
  QLineEdit* userName_;
  QLineEdit* projectName_;
  QLabel* problem_;
};
