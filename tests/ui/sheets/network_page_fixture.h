#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "devices/network_device.h"
#include "support/device_script.h"
#include "ui/sheets/bus_device_properties.h"
#include "ui/sheets/device_sheets.h"
#include "ui/sheets/net_specific_properties.h"
#include "ui/sheets/sheet_picture.h"
#include "ui/ui_fixtures.h"

// A network adapter read from script text, edited through its General and
// "Network specific" pages as the adapter's sheet runs them.
struct NetworkPageFixture : ::testing::Test {
  using Edit = std::function<void(CBusDeviceProperties&, CNetSpecificProperties&)>;

  void read(const std::string& script) { ASSERT_TRUE(fixture.open(script)) << script; }

  VelmorNetworkDevice& adapter(const std::string& name) {
    return dynamic_cast<VelmorNetworkDevice&>(*fixture.doc.configuration().FindBusDevice(name));
  }
  std::string written(const std::string& name) { return writtenForm(adapter(name)); }

  // The pages on a copy of the adapter, as the sheet opens them.
  CNetSpecificProperties& open(const std::string& name) {
    copy.reset(static_cast<VelmorBusDevice*>(adapter(name).clone().release()));
    values = DeviceSheetValues{};
    const DeviceSheetContext context{*copy, values, fixture.doc.configuration(), fixture.messages, dialogs};
    const QPixmap picture = sheetPicture(sheetGroupOf(*copy));
    general = std::make_unique<CBusDeviceProperties>(picture, *copy, fixture.doc.configuration(), fixture.messages,
                                                     values.general);
    page = std::make_unique<CNetSpecificProperties>(picture, context, *general);
    return *page;
  }

  // Opens the adapter's sheet through the document, lets `edit` work on the
  // pages and confirms: true when both pages let the sheet close.
  bool confirm(const std::string& name, const Edit& edit = {}) {
    return fixture.doc.DeviceProperties(name, [&](VelmorBusDevice& working, DeviceSheetValues& out) {
      const DeviceSheetContext context{working, out, fixture.doc.configuration(), fixture.messages, dialogs};
      const QPixmap picture = sheetPicture(sheetGroupOf(working));
      CBusDeviceProperties generalPage(picture, working, fixture.doc.configuration(), fixture.messages, out.general);
      CNetSpecificProperties networkPage(picture, context, generalPage);
      if (edit) edit(generalPage, networkPage);
      if (!generalPage.validate() || !networkPage.validate()) return false;
      generalPage.writeBack();
      networkPage.writeBack();
      return true;
    });
  }

  DocumentFixture fixture;
  ScriptedDialogs dialogs;
  std::unique_ptr<VelmorBusDevice> copy;
  DeviceSheetValues values;
  std::unique_ptr<CBusDeviceProperties> general;
  std::unique_ptr<CNetSpecificProperties> page;
};
