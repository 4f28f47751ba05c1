#pragma once

#include <QDialog>
#include <memory>
#include <string>

#include "support/device_script.h"
#include "ui/sheets/property_sheet.h"
#include "ui/sheets/unit_sheet_context.h"
#include "ui/ui_fixtures.h"

inline constexpr const char* kNt = "Windows NT 4.0";
inline constexpr const char* kUnix = "Digital UNIX";
inline constexpr const char* kVms = "Open VMS";

// A controller read from `set` pairs and what a unit sheet needs to edit its
// unit 0, with every dialog answered by the test.
template <class Device, class Unit>
struct UnitSheetFixture {
  UnitSheetFixture(const char* loadWord, const std::string& pairs)
      : device(loadAs<Device>(loadWord, "XXA")) {
    device->parseSetPairs(pairs);
  }
  Unit& unit() { return static_cast<Unit&>(device->unit(0)); }
  UnitSheetContext context(const char* targetOs) { return {device->type, targetOs, dialogs, messages}; }
  std::string written() const { return writtenForm(*device); }

  std::unique_ptr<Device> device;
  ScriptedDialogs dialogs;
  RecordingMessages messages;
};

// OK as the user presses it: taken only when every page accepts.
inline bool confirm(CPropertySheet& sheet) {
  sheet.accept();
  return sheet.result() == QDialog::Accepted;
}
