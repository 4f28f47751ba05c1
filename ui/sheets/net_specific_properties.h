#pragma once

#include <QPixmap>
#include <QString>
#include <array>
#include <memory>
#include <string>

#include "devices/network_protocols.h"
#include "ui/sheets/model_following_page.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class VelmorNetworkDevice;

// The "Network specific" page of a network adapter: the VELNA's second
// vector, and either a virtual interface (host, port and, for the hardware
// adapters, the station address) or a real host interface with the
// protocols it passes. A VELNA is always virtual.
class CNetSpecificProperties : public CModelFollowingPage {
  Q_OBJECT
 public:
  static constexpr int kAddressParts = 6;

  CNetSpecificProperties(const QPixmap& picture, const DeviceSheetContext& context,
                         const CBusDeviceProperties& general, QWidget* parent = nullptr);
  ~CNetSpecificProperties() override;

  bool validate() override;

  QComboBox* vector1Box() const { return vector1Box_; }
  QRadioButton* virtualRadio() const { return virtualRadio_; }
  QRadioButton* realRadio() const { return realRadio_; }
  QLineEdit* hostEdit() const { return hostEdit_; }
  QLineEdit* portEdit() const { return portEdit_; }
  QLineEdit* addressEdit(int part) const { return addressEdits_.at(static_cast<std::size_t>(part)); }
  QLineEdit* interfaceEdit() const { return interfaceEdit_; }
  QLineEdit* protocolsEdit() const { return protocolsEdit_; }
  QPushButton* changeButton() const { return changeButton_; }

  // "Change ...": runs Protocols Usage on the page's protocol set.
  void changeProtocols();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  // Shows `device`'s values; they are what an unchanged page hands back.
  void fill(const VelmorBusDevice& device) override;
  Writer writer() const override;

 private:
  void buildLayout(const QPixmap& picture);
  void applyMode();
  void realChosen(bool checked);
  bool isStale() const;
  bool addressChanged() const;
  QString joinedAddress() const;
  // Whether the interface is rebuilt from host and port rather than kept as
  // the adapter had it.
  bool interfaceRebuilt() const;
  QString builtInterface() const;

  // What the page shows values for: the adapter, or after another type or
  // model on the General page that type's defaults.
  std::unique_ptr<VelmorNetworkDevice> base_;
  bool velna_ = false;

  // The values as first shown, to tell what the user changed.
  bool shownVirtual_ = false;
  QString shownHost_;
  QString shownPort_;
  std::array<QString, kAddressParts> shownAddress_;
  ProtocolSet shownProtocols_;
  ProtocolSet protocols_;

  QComboBox* vector1Box_ = nullptr;
  QRadioButton* virtualRadio_ = nullptr;
  QRadioButton* realRadio_ = nullptr;
  QLineEdit* hostEdit_ = nullptr;
  QLineEdit* portEdit_ = nullptr;
  std::array<QLineEdit*, kAddressParts> addressEdits_{};
  QLineEdit* interfaceEdit_ = nullptr;
  QLineEdit* protocolsEdit_ = nullptr;
  QPushButton* changeButton_ = nullptr;
};
