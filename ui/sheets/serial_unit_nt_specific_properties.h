#pragma once

#include <QPixmap>
#include <array>

#include "ui/sheets/property_page.h"

class QLineEdit;
class UserMessages;
class VelmorSerialUnit;

// The "NT Specific properties" page of a serial line: the five read and
// write timeouts of the host's port.
class CSerialUnitNTSpecificProperties : public CPropertyPage {
  Q_OBJECT
 public:
  CSerialUnitNTSpecificProperties(const QPixmap& picture, VelmorSerialUnit& record, UserMessages& messages,
                                  QWidget* parent = nullptr);

  bool validate() override;
  void writeBack() override;

  // In the page's order: read interval, read multiplier, read constant,
  // write multiplier, write constant.
  static constexpr int kTimeouts = 5;
  QLineEdit* timeoutEdit(int index) const { return edits_.at(static_cast<std::size_t>(index)); }

 private:
  VelmorSerialUnit& record_;
  UserMessages& messages_;
  std::array<QLineEdit*, kTimeouts> edits_{};
};
