#pragma once

#include <gtest/gtest.h>

#include <QComboBox>
#include <QStringList>
#include <functional>
#include <string>

#include "config/document.h"
#include "config/script_reader.h"
#include "support/device_script.h"
#include "support/recording_messages.h"
#include "ui/sheets/bus_device_properties.h"
#include "ui/sheets/device_sheets.h"
#include "ui/sheets/sheet_picture.h"
#include "ui/ui_fixtures.h"

inline QStringList itemsOf(const QComboBox* box) {
  QStringList items;
  for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
  return items;
}

// Picks the entry with exactly this text, as a user would from the list.
inline void choose(QComboBox* box, const QString& text) {
  const int at = box->findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive);
  ASSERT_GE(at, 0) << text.toStdString();
  box->setCurrentIndex(at);
}

// A document read from script text whose device sheets hold the General page
// and one kind page, as the device's sheet holds them.
template <class Page>
struct KindPageTest : ::testing::Test {
  using Use = std::function<void(CBusDeviceProperties& general, Page& page)>;

  void read(const std::string& script) {
    doc.OnNewDocument();
    ASSERT_TRUE(ReadScriptBytes(doc.configuration(), script, messages)) << script;
    ASSERT_TRUE(messages.shown.empty()) << messages.shown.front();
  }
  template <class Device>
  Device& device(const std::string& name) {
    return dynamic_cast<Device&>(*doc.configuration().FindBusDevice(name));
  }

  // The first device of a list: a new type may have renamed it.
  template <class Device>
  Device& first(DeviceListId list) {
    return dynamic_cast<Device&>(*doc.configuration().list(list).front());
  }

  // Opens the sheet of `name`, lets `use` work on its pages and confirms it
  // when both pages may be left; answers whether it was confirmed.
  bool confirm(const std::string& name, const Use& use) {
    return doc.DeviceProperties(name, [&](VelmorBusDevice& copy, DeviceSheetValues& values) {
      values.comments = copy.comments;
      const QPixmap picture = sheetPicture(sheetGroupOf(copy));
      CBusDeviceProperties general(picture, copy, doc.configuration(), messages, values.general);
      Page page(picture, DeviceSheetContext{copy, values, doc.configuration(), messages, dialogs}, general);
      use(general, page);
      if (!general.validate() || !page.validate()) return false;
      general.writeBack();
      page.writeBack();
      return true;
    });
  }
  // The same, cancelled: for looking at the pages.
  void look(const std::string& name, const Use& use) {
    doc.DeviceProperties(name, [&](VelmorBusDevice& copy, DeviceSheetValues& values) {
      const QPixmap picture = sheetPicture(sheetGroupOf(copy));
      CBusDeviceProperties general(picture, copy, doc.configuration(), messages, values.general);
      Page page(picture, DeviceSheetContext{copy, values, doc.configuration(), messages, dialogs}, general);
      use(general, page);
      return false;
    });
  }

  // Reads each script, confirms the sheet of `name` untouched and expects
  // the device's written form unchanged.
  void expectUnchangedSheetsKeepTheWrittenForm(const std::string& name, std::initializer_list<const char*> scripts) {
    for (const char* script : scripts) {
      SCOPED_TRACE(script);
      read(script);
      const std::string before = writtenForm(*doc.configuration().FindBusDevice(name));
      EXPECT_TRUE(confirm(name, [](CBusDeviceProperties&, Page&) {}));
      EXPECT_EQ(writtenForm(*doc.configuration().FindBusDevice(name)), before);
      EXPECT_TRUE(messages.shown.empty());
    }
  }

  RecordingMessages messages;
  CVelmorCfgEditorDoc doc{messages};
  ScriptedDialogs dialogs;
};
