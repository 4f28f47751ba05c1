#pragma once

#include "config/device_properties.h"
#include "ui/sheets/property_sheet.h"

class QComboBox;
class QLineEdit;
class UserMessages;
class CDeviceCommentsPage;

// The system entry's page: CPU model and memory size.
class CSystemPage : public CPropertyPage {
  Q_OBJECT
 public:
  CSystemPage(const QPixmap& picture, SystemSheetValues& values, UserMessages& messages, QWidget* parent = nullptr);

  bool validate() override;
  void writeBack() override;

  QComboBox* modelBox() const { return modelBox_; }
  QLineEdit* memoryEdit() const { return memoryEdit_; }

 private:
  SystemSheetValues& values_;
  UserMessages& messages_;
  QComboBox* modelBox_ = nullptr;
  QLineEdit* memoryEdit_ = nullptr;
};

// The system entry's sheet: its page and "Comments".
class CMainSystemProperties : public CPropertySheet {
  Q_OBJECT
 public:
  CMainSystemProperties(SystemSheetValues& values, UserMessages& messages, QWidget* parent = nullptr);

  CSystemPage* systemPage() const { return system_; }
  CDeviceCommentsPage* commentsPage() const { return comments_; }

 private:
  CSystemPage* system_ = nullptr;
  CDeviceCommentsPage* comments_ = nullptr;
};
