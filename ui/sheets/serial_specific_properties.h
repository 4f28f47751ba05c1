#pragma once

#include "ui/sheets/unit_list_page.h"

class QComboBox;

// "Serial device specific ": the lines of a serial controller or line
// printer, and its second interrupt vector ("Interrupt vector1").
class CSerialSpecificProperties : public CUnitListPage {
 public:
  CSerialSpecificProperties(const QPixmap& picture, const DeviceSheetContext& context,
                            const CBusDeviceProperties& general, UnitSheetRunner runUnitSheet,
                            QWidget* parent = nullptr);

  void shown() override;
  void writeBack() override;

  QComboBox* vector1Box() const { return vector1Box_; }

 private:
  // The model's vector1 choices as octal texts, in text order.
  void fillVector1();

  QComboBox* vector1Box_ = nullptr;
};
