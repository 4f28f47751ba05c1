#pragma once

#include <QPixmap>
#include <string>

#include "config/device_properties.h"
#include "ui/sheets/property_page.h"

class QComboBox;
class QLabel;
class QLineEdit;
class Configuration;
class UserMessages;
class VelmorBusDevice;

// The "General" page of a bus device: type, model, name, bus, register,
// vector, priority and unit count. Choosing another type or model refills
// the lists from the model table and may give the device a new default name.
class CBusDeviceProperties : public CPropertyPage {
  Q_OBJECT
 public:
  CBusDeviceProperties(const QPixmap& picture, const VelmorBusDevice& device, Configuration& configuration,
                       UserMessages& messages, GeneralPageValues& out, QWidget* parent = nullptr);

  bool validate() override;
  void writeBack() override;

  QComboBox* typeBox() const { return typeBox_; }
  QComboBox* modelBox() const { return modelBox_; }
  QLineEdit* nameEdit() const { return nameEdit_; }
  QLabel* busText() const { return busText_; }
  QComboBox* registerBox() const { return registerBox_; }
  QComboBox* vectorBox() const { return vectorBox_; }
  QComboBox* priorityBox() const { return priorityBox_; }
  QLabel* unitsText() const { return unitsText_; }
  // The count "Units Count" shows.
  int unitCount() const;

  // The type and model the page holds now, as they will be written back.
  const std::string& currentType() const { return type_; }
  const std::string& currentModel() const { return model_; }

 private:
  void buildLayout(const QPixmap& picture);
  void fill(const VelmorBusDevice& device);
  void fillTypes();
  void fillModels();
  // Bus, the three lists (first entry in text order) and the unit count of
  // the current type and model.
  void refillFromModel();
  void chooseType(int index);
  void chooseModel(int index);
  void leaveName();
  void setName(const std::string& name);

  const std::string className_;
  const std::string ownName_;
  const bool linePrinter_;
  Configuration& configuration_;
  UserMessages& messages_;
  GeneralPageValues& out_;
  std::string type_;
  std::string model_;
  std::string prefix_;

  QComboBox* typeBox_ = nullptr;
  QComboBox* modelBox_ = nullptr;
  QLineEdit* nameEdit_ = nullptr;
  QLabel* busText_ = nullptr;
  QComboBox* registerBox_ = nullptr;
  QComboBox* vectorBox_ = nullptr;
  QComboBox* priorityBox_ = nullptr;
  QLabel* unitsText_ = nullptr;
};

// "UNIBUS", "QBUS" or "UNIBUS/QBUS" for a bus bit set.
QString busTypeText(std::uint16_t bus);
