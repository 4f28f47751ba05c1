#pragma once

#include <functional>
#include <string>

class DialogRunner;
class QWidget;
class UserMessages;
class VelmorUnit;

// What a unit's sheet needs besides the unit's record.
struct UnitSheetContext {
  std::string ownerType;  // the controller's type word as its General page holds it now
  std::string targetOs;   // the configuration's target host OS
  DialogRunner& dialogs;  // runs the sheet and its file choosers, probes host devices
  UserMessages& messages;
};

// Shows the sheet of one unit's record modally; true when the user confirmed
// it, the record then holding the sheet's values. A unit-list page is given
// one, so tests can answer for the sheet.
using UnitSheetRunner = std::function<bool(VelmorUnit& record, QWidget* parent)>;
