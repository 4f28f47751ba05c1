#include <gtest/gtest.h>

#include <QDialog>
#include <QTabWidget>
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "config/document.h"
#include "config/script_writer.h"
#include "support/recording_messages.h"
#include "ui/sheets/device_sheets.h"
#include "ui/sheets/property_sheet_opener.h"
#include "ui/ui_fixtures.h"

namespace {

std::vector<std::filesystem::path> sampleScripts() {
  std::vector<std::filesystem::path> scripts;
  for (const char* folder : {"golden", "check"})
    for (const auto& entry :
         std::filesystem::recursive_directory_iterator(std::filesystem::path(VELMOR_TEST_DATA_DIR) / folder))
      if (entry.is_regular_file() && entry.path().extension() == ".cfg") scripts.push_back(entry.path());
  std::sort(scripts.begin(), scripts.end());
  return scripts;
}

// Where a device stands in the configuration, so the same device can be found
// again in another document opened from the same file.
struct Place {
  DeviceListId list;
  std::size_t position;
};

std::vector<Place> placesOf(Configuration& configuration) {
  std::vector<Place> places;
  for (DeviceListId list : kFindOrder)
    for (std::size_t i = 0; i < configuration.list(list).size(); ++i) places.push_back({list, i});
  return places;
}

VelmorBusDevice& deviceAt(Configuration& configuration, const Place& place) {
  return *configuration.list(place.list)[place.position];
}

}  // namespace

// Every device sheet of every sample script, confirmed after every page was
// looked at, leaves the saved text as it was, apart from the one rule a
// confirmed sheet applies on purpose: its device, when it boots, becomes the
// only boot device.
TEST(UnchangedSheets, LeaveEverySampleScriptAsItWas) {
  std::size_t sheets = 0;
  for (const std::filesystem::path& script : sampleScripts()) {
    RecordingMessages readMessages;
    CVelmorCfgEditorDoc probe{readMessages};
    if (!probe.OnOpenDocument(script.string())) continue;
    for (const Place& place : placesOf(probe.configuration())) {
      if (deviceAt(probe.configuration(), place).disabled) continue;
      RecordingMessages messages;
      CVelmorCfgEditorDoc expected{messages};
      CVelmorCfgEditorDoc edited{messages};
      ASSERT_TRUE(expected.OnOpenDocument(script.string()));
      ASSERT_TRUE(edited.OnOpenDocument(script.string()));
      expected.configuration().ClearOtherBootDevices(&deviceAt(expected.configuration(), place));

      ScriptedDialogs dialogs;
      CPropertySheetOpener opener{edited, nullptr};
      opener.setPageDialogs(dialogs);
      std::string shownPages;
      opener.setSheetRunner([&](QDialog& dialog) {
        auto& sheet = dynamic_cast<CDeviceSheet&>(dialog);
        for (int i = 0; i < sheet.tabs()->count(); ++i) {
          sheet.tabs()->setCurrentIndex(i);
          shownPages += sheet.tabs()->tabText(i).toStdString() + ";";
        }
        sheet.accept();
        return sheet.result();
      });
      const std::size_t messagesBefore = messages.shown.size();
      VelmorBusDevice& device = deviceAt(edited.configuration(), place);
      const std::string name = device.name;
      const bool confirmed = opener.openPropertySheet(device);
      const std::string what = script.filename().string() + ": " + name + " (" + shownPages + ")";
      ASSERT_TRUE(confirmed) << what;
      EXPECT_EQ(FormatScript(edited.configuration()), FormatScript(expected.configuration())) << what;
      EXPECT_EQ(messages.shown.size(), messagesBefore) << what;
      ++sheets;
    }
  }
  EXPECT_GT(sheets, 100u);  // the samples hold devices of every kind
}
