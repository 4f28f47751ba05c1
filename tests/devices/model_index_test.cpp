// The model tables and the unit lists are looked up through indexes and
// copies; these tests hold them to what a plain search in table order and a
// unit built afresh give.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "devices/device_registry.h"
#include "devices/model_tables.h"
#include "devices/text_utils.h"
#include "devices/velmor_unit_device.h"

namespace {

const ModelDescriptor* firstRowInOrder(const std::vector<ModelDescriptor>& rows, std::string_view type,
                                       std::string_view model) {
  for (const ModelDescriptor& row : rows)
    if (equalsIgnoreCase(row.type, type) && (model.empty() || equalsIgnoreCase(row.model, model))) return &row;
  return nullptr;
}

std::string upper(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return text;
}

}  // namespace

TEST(ModelIndex, FindsTheFirstMatchingRowInTableOrder) {
  const ModelTable& table = ModelTable::instance();
  for (const KindTables& kind : allKindTables()) {
    const std::vector<ModelDescriptor>& rows = *kind.rows;
    for (const ModelDescriptor& row : rows) {
      const std::string types[] = {row.type, toLower(row.type), upper(row.type), row.type + "X"};
      const std::string models[] = {"", row.model, toLower(row.model), "NOSUCH", row.type};
      for (const std::string& type : types)
        for (const std::string& model : models)
          ASSERT_EQ(table.findDescriptor(kind.className, type, model), firstRowInOrder(rows, type, model))
              << kind.className << " type \"" << type << "\" model \"" << model << '"';
    }
  }
  EXPECT_EQ(table.findDescriptor("NoSuchDevice", "RL11", ""), nullptr);
}

// A loaded controller's units are copies of its first; each must equal a unit
// built on its own for that number, field for field as the script shows them.
TEST(UnitCopies, EqualUnitsBuiltOneByOne) {
  for (const KindTables& kind : allKindTables()) {
    if (!findLoadableKind(kind.className)) continue;  // the system entry
    for (const ModelDescriptor& row : *kind.rows) {
      for (const std::string& word : {row.type, row.model}) {
        if (word.empty()) continue;
        std::unique_ptr<VelmorBusDevice> loaded = createDeviceForLoadWord(word, "X");
        ASSERT_NE(loaded, nullptr) << word;
        auto* copies = dynamic_cast<VelmorUnitDevice*>(loaded.get());
        if (!copies) continue;
        std::unique_ptr<VelmorBusDevice> other = createDeviceForLoadWord(word, "X");
        auto* fresh = static_cast<VelmorUnitDevice*>(other.get());
        fresh->deleteUnits();
        for (std::size_t i = 0; i < copies->unitCount(); ++i) fresh->createUnit(static_cast<int>(i));

        for (VelmorUnitDevice* device : {copies, fresh})
          for (std::size_t i = 0; i < device->unitCount(); ++i) {
            ASSERT_EQ(device->unit(i).number, static_cast<int>(i)) << word;
            device->setParameter("file", static_cast<int>(i), "unit.img");
          }
        std::string written, expected;
        copies->writeStatements(written, "#$");
        fresh->writeStatements(expected, "#$");
        EXPECT_EQ(written, expected) << word;
      }
    }
  }
}
