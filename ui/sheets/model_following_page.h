#pragma once

#include <functional>
#include <string>

#include "ui/sheets/device_sheets.h"
#include "ui/sheets/property_page.h"

class QGridLayout;
class QPixmap;
class CBusDeviceProperties;
class VelmorBusDevice;

// A kind's own page whose values belong to the type and model chosen on the
// General page. Shown again after another type or model, it shows that
// model's defaults; confirmed after such a change without being seen again,
// it hands nothing back, so the new model's defaults stand rather than values
// meant for another model.
class CModelFollowingPage : public CPropertyPage {
 public:
  CModelFollowingPage(const DeviceSheetContext& context, const CBusDeviceProperties& general,
                      QWidget* parent = nullptr);

  void shown() final;
  void writeBack() final;

 protected:
  using Writer = std::function<void(VelmorBusDevice&)>;

  // Shows `device`'s values: the working copy, or a model's defaults.
  virtual void fill(const VelmorBusDevice& device) = 0;
  // Sets the rewritten device's fields from the controls as they stand.
  virtual Writer writer() const = 0;

  // The page's grid with the kind's picture at its top left.
  QGridLayout* pictureGrid(const QPixmap& picture);

  DeviceSheetContext context_;

 private:
  bool generalMatchesShown() const;

  const CBusDeviceProperties& general_;
  std::string shownType_;
  std::string shownModel_;
};
