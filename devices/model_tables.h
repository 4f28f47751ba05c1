#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "devices/text_utils.h"

// One model row of a device kind. Every kind lists its rows as one constant
// table in its own file; the process-wide ModelTable gathers them by class name.
struct ModelDescriptor {
  // Columns in the order the tables list them; trailing ones may be left out.
  ModelDescriptor(std::string type, std::string model, std::string prefix, std::uint16_t bus,
                  std::int32_t areaSize = 0, std::uint16_t units = 0, std::vector<std::int32_t> registers = {},
                  std::vector<std::int32_t> vectors = {}, std::vector<std::int32_t> priorities = {},
                  std::vector<std::int32_t> vectors1 = {}, std::vector<std::int32_t> vectors2 = {})
      : type(std::move(type)), model(std::move(model)), prefix(std::move(prefix)), bus(bus),
        areaSize(areaSize), units(units), registers(std::move(registers)), vectors(std::move(vectors)),
        priorities(std::move(priorities)), vectors1(std::move(vectors1)), vectors2(std::move(vectors2)) {}

  std::string type;    // the type word written after `load`
  std::string model;   // may be empty: the type word alone names the model
  std::string prefix;  // two letters for default names, "DL" gives DLA, DLB...
  std::uint16_t bus = 0;
  std::int32_t areaSize = 0;  // bytes of register space from the register address
  std::uint16_t units = 0;    // default unit count
  std::vector<std::int32_t> registers;   // first is the default
  std::vector<std::int32_t> vectors;     // first is the default
  std::vector<std::int32_t> priorities;  // first is the default
  std::vector<std::int32_t> vectors1;    // second interrupt vector, where a kind has one
  std::vector<std::int32_t> vectors2;    // third interrupt vector, where a kind has one
};

// The first entry of a choice list is its default; an empty list gives 0.
inline std::int32_t firstChoice(const std::vector<std::int32_t>& choices) {
  return choices.empty() ? 0 : choices.front();
}

struct ModelAlias {
  std::string word;       // accepted `load` word
  std::string canonical;  // the type word it stands for
};

// What a kind hands to the process-wide tables.
struct KindTables {
  std::string_view className;
  const std::vector<ModelDescriptor>* rows = nullptr;
  const std::vector<ModelAlias>* aliases = nullptr;
};

// Process-wide, read-only after it is built (on first use); building it again
// would give the same rows. All word comparisons ignore letter case.
class ModelTable {
 public:
  static const ModelTable& instance();

  const ModelDescriptor* findDescriptor(std::string_view className, std::string_view type,
                                        std::string_view model) const;
  std::string typeOfWord(std::string_view className, std::string_view word) const;
  std::vector<std::string> typeWords(std::string_view className) const;
  // The type words a `load` gives back as themselves: a type whose word is
  // an alias of another type (RX211 loads as RXV21) is left out, so that a
  // device given it would not come back as another device from its own file.
  std::vector<std::string> typeWordsThatReadBack(std::string_view className) const;
  std::vector<std::string> modelWords(std::string_view className, std::string_view type) const;
  std::string prefixOf(std::string_view className, std::string_view type, std::string_view model) const;
  std::uint16_t busOf(std::string_view className, std::string_view type, std::string_view model) const;
  std::uint16_t unitsOf(std::string_view className, std::string_view type, std::string_view model) const;
  std::vector<std::int32_t> registerChoices(std::string_view className, std::string_view type,
                                            std::string_view model) const;
  std::vector<std::int32_t> vectorChoices(std::string_view className, std::string_view type,
                                          std::string_view model) const;
  std::vector<std::int32_t> priorityChoices(std::string_view className, std::string_view type,
                                            std::string_view model) const;
  std::int32_t areaSizeOf(std::string_view className, std::string_view type, std::string_view model) const;
  std::string aliasOf(std::string_view className, std::string_view word) const;

  const std::vector<ModelDescriptor>& rowsOf(std::string_view className) const;

 private:
  ModelTable();
  // A type and a model word, compared ignoring letter case.
  struct TypeModel {
    std::string_view type, model;
  };
  struct TypeModelHash {
    std::size_t operator()(const TypeModel& key) const noexcept;
  };
  struct TypeModelEqual {
    bool operator()(const TypeModel& a, const TypeModel& b) const noexcept;
  };
  struct Kind {
    const std::vector<ModelDescriptor>* rows = nullptr;
    std::map<std::string, std::string> aliases;  // lower-case word -> canonical word
    // The first row of a type, and of a type and model: the reader and the
    // checker ask for rows once per device and statement, not once per row.
    std::unordered_map<std::string_view, const ModelDescriptor*, CaseBlindHash, CaseBlindEqual> firstOfType;
    std::unordered_map<TypeModel, const ModelDescriptor*, TypeModelHash, TypeModelEqual> firstOfModel;
  };
  const Kind* kindOf(std::string_view className) const;
  // Keys view the class-name literals of allKindTables(); class names match
  // exactly, the quick case-blind hash serves them as well.
  std::unordered_map<std::string_view, Kind, CaseBlindHash, std::equal_to<>> kinds_;
};

// UnitDefaults rows are per unit kind (each has its own columns); every row
// starts with `type` and `model`, either of which may be "*".
template <class Row>
const Row* findUnitDefaults(const std::vector<Row>& rows, std::string_view type, std::string_view model);

#include "devices/model_tables_impl.h"
