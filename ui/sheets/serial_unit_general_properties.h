#pragma once

#include <QPixmap>
#include <QString>
#include <array>

#include "ui/sheets/property_page.h"
#include "ui/sheets/serial_line_text.h"
#include "ui/sheets/unit_sheet_context.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;
class VelmorSerialUnit;

// The "General" page of a serial line: where the line is connected, its
// flags, character size, parity, buffer sizes and speed.
class CSerialUnitGeneralProperties : public CPropertyPage {
  Q_OBJECT
 public:
  CSerialUnitGeneralProperties(const QPixmap& picture, VelmorSerialUnit& record, const UnitSheetContext& context,
                               QWidget* parent = nullptr);

  bool validate() override;
  void writeBack() override;

  QRadioButton* realDeviceRadio() const { return realDevice_; }
  QRadioButton* linkRadio() const { return link_; }
  QRadioButton* terminalRadio() const { return terminal_; }
  QComboBox* portList() const { return portList_; }
  QLineEdit* hostEdit() const { return hostEdit_; }
  QLineEdit* portEdit() const { return portEdit_; }
  QCheckBox* offlineCheck() const { return checks_[0]; }
  QCheckBox* rxTraceCheck() const { return checks_[1]; }
  QCheckBox* txTraceCheck() const { return checks_[2]; }
  QCheckBox* ttsyncCheck() const { return checks_[3]; }
  QCheckBox* hsyncCheck() const { return checks_[4]; }
  QRadioButton* bits7Radio() const { return bits7_; }
  QRadioButton* bits8Radio() const { return bits8_; }
  QLineEdit* rxBufferEdit() const { return numbers_[0]; }
  QLineEdit* txBufferEdit() const { return numbers_[1]; }
  QLineEdit* speedEdit() const { return numbers_[2]; }
  QComboBox* parityBox() const { return parityBox_; }

 private:
  QWidget* buildConnection();
  QWidget* buildLineSettings();
  void fillPortList();
  void enableForConnection();
  void followConnectionWithOffline();
  SerialConnection connection() const;
  // Whether the user changed anything of the connection.
  bool connectionChanged() const;
  bool validateLink();
  bool validateRealDevice();
  // The line text OK writes: what the user chose, or the text as it came
  // when nothing about the connection changed.
  std::string lineText() const;

  VelmorSerialUnit& record_;
  UnitSheetContext context_;
  const SerialLineForm opened_;  // the line text as the sheet opened it
  const bool linePrinter_;

  QRadioButton* realDevice_ = nullptr;
  QRadioButton* link_ = nullptr;
  QRadioButton* terminal_ = nullptr;
  QComboBox* portList_ = nullptr;
  QLineEdit* hostEdit_ = nullptr;
  QLineEdit* portEdit_ = nullptr;
  std::array<QCheckBox*, 5> checks_{};
  QRadioButton* bits7_ = nullptr;
  QRadioButton* bits8_ = nullptr;
  std::array<QLineEdit*, 3> numbers_{};
  QComboBox* parityBox_ = nullptr;
  QString openedParity_;
  bool offlineSetByUser_ = false;
};
