#pragma once

#include <QPixmap>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ui/sheets/device_sheets.h"
#include "ui/sheets/property_page.h"
#include "ui/sheets/unit_sheet_context.h"

class QGridLayout;
class QListWidget;
class VelmorUnit;

// What one kind of unit-list page shows and how its records are reset.
struct UnitListKind {
  const char* numberWord;          // "unit" or "line": the item text's first word
  bool (*lit)(const VelmorUnit&);  // whether the item shows the lit bulb
  // Whether the kind has unit defaults for a controller's type and model;
  // nullptr for a page without a General page, whose units are never reset.
  bool (*hasDefaults)(std::string_view type, std::string_view model);
  // What a reset record keeps of the record it replaces besides its
  // comments; nullptr when nothing.
  void (*keepOnReset)(const VelmorUnit& before, VelmorUnit& reset);
};

// The page that lists a controller's units. It works on its own records, deep
// copies of the sheet's copy's units in unit order; a double click opens a
// unit's sheet on its record, and a confirmed controller sheet hands the
// records back. When the General page's type or model has changed since the
// page last saw them, the records follow the new model's unit count and
// defaults as the page comes into view.
class CUnitListPage : public CPropertyPage {
 public:
  // `general` is nullptr for a kind without a General page (the loader).
  CUnitListPage(const QPixmap& picture, const DeviceSheetContext& context, const CBusDeviceProperties* general,
                UnitSheetRunner runUnitSheet, const UnitListKind& kind, QWidget* parent = nullptr);
  ~CUnitListPage() override;

  void shown() override;
  void writeBack() override;

  QListWidget* unitList() const { return list_; }
  const std::vector<std::unique_ptr<VelmorUnit>>& records() const { return records_; }
  // Runs the unit sheet on the record at `row`, as a double click does.
  void openUnit(int row);

 protected:
  // Catches the records up with the General page; true when it reset them.
  bool followGeneralPage();
  // Whether the General page shows a type or model the page has not shown
  // its records for: values meant for the old model are not handed back.
  bool generalChangedUnseen() const;
  const std::string& seenType() const { return seenType_; }
  const std::string& seenModel() const { return seenModel_; }
  // Rows below the list, for a kind's own fields.
  QGridLayout* grid() const { return grid_; }
  const DeviceSheetContext& context() const { return context_; }

 private:
  void resetRecords(int count);
  void rebuildItems();
  void rebuildItem(int row);

  const DeviceSheetContext context_;
  const CBusDeviceProperties* const general_;
  const UnitSheetRunner runUnitSheet_;
  const UnitListKind kind_;
  std::string seenType_;
  std::string seenModel_;
  std::vector<std::unique_ptr<VelmorUnit>> records_;

  QGridLayout* grid_ = nullptr;
  QListWidget* list_ = nullptr;
};
