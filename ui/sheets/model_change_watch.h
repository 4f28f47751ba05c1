#pragma once

#include <memory>
#include <string>

class CBusDeviceProperties;
class VelmorBusDevice;

// Follows the General page's type and model for a kind page. When the user
// picks another type or model, the kind page shows that model's own defaults
// the next time it comes into view; values shown for an earlier model are not
// handed back for a model the page never showed.
class ModelChangeWatch {
 public:
  // Starts from the copy's own type and model.
  ModelChangeWatch(const VelmorBusDevice& copy, const CBusDeviceProperties& general);

  // When the General page holds another type or model than the page last
  // showed: the copy as it will stand under them (the kind's defaults), and
  // the pair counts as seen. Otherwise null.
  std::unique_ptr<VelmorBusDevice> takeNewDefaults();
  // The General page holds a type or model the page has not shown.
  bool unseenChange() const;

 private:
  const VelmorBusDevice& copy_;
  const CBusDeviceProperties& general_;
  std::string type_;
  std::string model_;
};
