#pragma once

#include <gtest/gtest.h>

#include <QListWidget>
#include <QTabWidget>
#include <stdexcept>

#include "ui/sheets/device_sheets.h"
#include "ui/sheets/unit_list_page.h"

// The page of `Page`'s class on the sheet, brought into view as a user would.
template <class Page>
Page& showPage(CDeviceSheet& sheet) {
  for (int i = 0; i < sheet.tabs()->count(); ++i)
    if (auto* page = dynamic_cast<Page*>(sheet.tabs()->widget(i))) {
      sheet.tabs()->setCurrentIndex(i);
      return *page;
    }
  throw std::logic_error("the sheet has no such page");
}

// Brings the unit list into view and double-clicks the unit at `row`.
inline void doubleClickUnit(CDeviceSheet& sheet, int row) {
  auto& list = showPage<CUnitListPage>(sheet);
  QListWidgetItem* item = list.unitList()->item(row);
  ASSERT_NE(item, nullptr);
  emit list.unitList()->itemDoubleClicked(item);
}
