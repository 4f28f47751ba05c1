#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "combo_box_items.h"
#include "config/document.h"
#include "support/device_script.h"
#include "support/recording_messages.h"
#include "ui/sheets/bus_device_properties.h"
#include "ui/sheets/device_sheets.h"
#include "ui/sheets/sheet_picture.h"
#include "ui/ui_fixtures.h"

// A document read from script text and a kind page next to its General page,
// as the device's sheet holds them: opened on a copy of a device to look at,
// or run through the document's property operation and confirmed.
template <class Page>
struct KindPageTest : DocumentFixture, ::testing::Test {
  using Edit = std::function<void(CBusDeviceProperties& general, Page& page)>;

  // Opens the script as a file, which must read without a word said;
  // `open` answers without the checks.
  void read(const std::string& script) {
    messages.shown.clear();
    ASSERT_TRUE(open(script)) << script;
    ASSERT_TRUE(messages.shown.empty()) << messages.shown.front();
  }

  template <class Device = VelmorBusDevice>
  Device& device(const std::string& name) {
    return dynamic_cast<Device&>(*doc.configuration().FindBusDevice(name));
  }
  // The first device of a list: a new type may have renamed it.
  template <class Device = VelmorBusDevice>
  Device& first(DeviceListId list) {
    return dynamic_cast<Device&>(*doc.configuration().list(list).front());
  }
  std::string written(const std::string& name) { return writtenForm(device(name)); }

  // Opens the pages on a copy of the named device, with values of their own;
  // the document's device is left alone.
  Page& openPage(const std::string& name) {
    page.reset();
    general.reset();
    values = DeviceSheetValues{};
    VelmorBusDevice* original = doc.configuration().FindBusDevice(name);
    EXPECT_NE(original, nullptr) << name;
    copy.reset(static_cast<VelmorBusDevice*>(original->clone().release()));
    const QPixmap picture = sheetPicture(sheetGroupOf(*copy));
    general = std::make_unique<CBusDeviceProperties>(picture, *copy, doc.configuration(), messages, values.general);
    page = std::make_unique<Page>(picture, context(*copy, values), *general);
    return *page;
  }

  DeviceSheetContext context(VelmorBusDevice& working, DeviceSheetValues& into) {
    return DeviceSheetContext{working, into, doc.configuration(), messages, dialogs};
  }

  // Runs the device's sheet through the document: `edit` plays the user
  // (empty: OK without a change), then both pages must let the sheet close.
  // Answers whether the sheet was confirmed.
  bool confirm(const std::string& name, const Edit& edit = {}) {
    return doc.DeviceProperties(name, [&](VelmorBusDevice& working, DeviceSheetValues& into) {
      into.comments = working.comments;
      const QPixmap picture = sheetPicture(sheetGroupOf(working));
      CBusDeviceProperties generalPage(picture, working, doc.configuration(), messages, into.general);
      Page kindPage(picture, context(working, into), generalPage);
      if (edit) edit(generalPage, kindPage);
      if (!generalPage.validate() || !kindPage.validate()) return false;
      generalPage.writeBack();
      kindPage.writeBack();
      return true;
    });
  }
  // The same, cancelled: for looking at the pages.
  void look(const std::string& name, const Edit& use) {
    doc.DeviceProperties(name, [&](VelmorBusDevice& working, DeviceSheetValues& into) {
      const QPixmap picture = sheetPicture(sheetGroupOf(working));
      CBusDeviceProperties generalPage(picture, working, doc.configuration(), messages, into.general);
      Page kindPage(picture, context(working, into), generalPage);
      use(generalPage, kindPage);
      return false;
    });
  }

  // Reads each script, confirms the sheet of `name` untouched and expects
  // the device's written form unchanged and nothing said.
  void expectUnchangedByOk(const std::string& name, std::initializer_list<const char*> scripts) {
    for (const char* script : scripts) {
      SCOPED_TRACE(script);
      read(script);
      const std::string before = written(name);
      EXPECT_TRUE(confirm(name));
      EXPECT_EQ(written(name), before);
      EXPECT_EQ(messages.shown, std::vector<std::string>{});
    }
  }

  ScriptedDialogs dialogs;
  std::unique_ptr<VelmorBusDevice> copy;
  DeviceSheetValues values;
  std::unique_ptr<CBusDeviceProperties> general;
  std::unique_ptr<Page> page;
};
