#pragma once

#include <functional>
#include <string>

#include "ui/sheets/device_sheets.h"
#include "ui/sheets/property_page.h"

class CBusDeviceProperties;
class VelmorBusDevice;

// A kind's own page whose values belong to the type and model chosen on the
// General page. Shown again after another type or model, it shows that
// pair's defaults; back at the device's own pair, the device's own values.
// Confirmed after such a change without being seen again, it hands nothing
// back, so the new model's defaults stand rather than values meant for
// another model.
class CModelFollowingPage : public CPropertyPage {
 public:
  CModelFollowingPage(const DeviceSheetContext& context, const CBusDeviceProperties& general,
                      QWidget* parent = nullptr);

  void shown() final;
  void writeBack() final;

 protected:
  using Writer = std::function<void(VelmorBusDevice&)>;

  // Shows `device`'s values: the working copy, or a model's defaults. The
  // page's own constructor shows the copy.
  virtual void fill(const VelmorBusDevice& device) = 0;
  // Sets the rewritten device's fields from the controls as they stand;
  // empty when the page has nothing to hand back.
  virtual Writer writer() const = 0;

  // The General page holds a type or model the page has not shown since.
  bool unseenChange() const;

  DeviceSheetContext context_;

 private:
  const CBusDeviceProperties& general_;
  std::string shownType_;
  std::string shownModel_;
};
