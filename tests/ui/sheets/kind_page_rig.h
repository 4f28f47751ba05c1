#pragma once

#include <gtest/gtest.h>

#include <QComboBox>
#include <QStringList>
#include <functional>
#include <memory>
#include <string>

#include "support/device_script.h"
#include "ui/sheets/bus_device_properties.h"
#include "ui/sheets/device_sheets.h"
#include "ui/sheets/sheet_picture.h"
#include "ui/ui_fixtures.h"

namespace kind_pages {

// A kind page next to its General page, on a copy of a device read from
// script text, as the device's sheet holds them; and the same pair run
// through the document's property operation.
template <class Page>
struct KindPageRig : DocumentFixture, ::testing::Test {
  // Opens the page on a copy of the named device; the document's device is
  // left alone.
  Page& openPage(const std::string& name) {
    VelmorBusDevice* device = doc.configuration().FindBusDevice(name);
    EXPECT_NE(device, nullptr) << name;
    copy.reset(static_cast<VelmorBusDevice*>(device->clone().release()));
    const QPixmap picture = sheetPicture(sheetGroupOf(*copy));
    general = std::make_unique<CBusDeviceProperties>(picture, *copy, doc.configuration(), messages, values.general);
    page = std::make_unique<Page>(picture, context(*copy, values), *general);
    return *page;
  }

  DeviceSheetContext context(VelmorBusDevice& device, DeviceSheetValues& into) {
    return DeviceSheetContext{device, into, doc.configuration(), messages, dialogs};
  }

  // Runs the device's sheet through the document: `edit` plays the user
  // (null: OK without a change). Answers whether the sheet was confirmed.
  bool confirm(const std::string& name, const std::function<void(CBusDeviceProperties&, Page&)>& edit = {}) {
    return doc.DeviceProperties(name, [&](VelmorBusDevice& device, DeviceSheetValues& into) {
      const QPixmap picture = sheetPicture(sheetGroupOf(device));
      CBusDeviceProperties generalPage(picture, device, doc.configuration(), messages, into.general);
      Page kindPage(picture, context(device, into), generalPage);
      if (edit) edit(generalPage, kindPage);
      if (!generalPage.validate() || !kindPage.validate()) return false;
      generalPage.writeBack();
      kindPage.writeBack();
      return true;
    });
  }

  // Confirming the sheet unchanged leaves the device's statements as they were.
  void expectUnchangedByOk(const std::string& script, const std::string& name) {
    SCOPED_TRACE(script);
    messages.shown.clear();
    ASSERT_TRUE(open(script));
    const VelmorBusDevice* device = doc.configuration().FindBusDevice(name);
    ASSERT_NE(device, nullptr);
    const std::string before = writtenForm(*device);
    ASSERT_TRUE(confirm(name));
    EXPECT_EQ(writtenForm(*device), before);
    EXPECT_EQ(messages.shown, std::vector<std::string>{});
  }

  VelmorBusDevice& device(const std::string& name) { return *doc.configuration().FindBusDevice(name); }

  ScriptedDialogs dialogs;
  std::unique_ptr<VelmorBusDevice> copy;
  DeviceSheetValues values;
  std::unique_ptr<CBusDeviceProperties> general;
  std::unique_ptr<Page> page;
};

inline QStringList itemsOf(const QComboBox* box) {
  QStringList items;
  for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
  return items;
}

// Picks a listed entry as the user would, so the page's handlers run.
inline void choose(QComboBox* box, const QString& text) {
  const int at = box->findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive);
  ASSERT_GE(at, 0) << text.toStdString();
  box->setCurrentIndex(at);
}

}  // namespace kind_pages
