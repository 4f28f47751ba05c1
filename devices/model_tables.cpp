#include "devices/model_tables.h"

#include "devices/device_kind.h"
#include "devices/device_registry.h"

namespace {
const std::vector<ModelDescriptor> kNoRows;
}

const ModelTable& ModelTable::instance() {
  static const ModelTable table;
  return table;
}

std::size_t ModelTable::TypeModelHash::operator()(const TypeModel& key) const noexcept {
  const CaseBlindHash hash;
  return hash(key.type) * 31 + hash(key.model);
}

bool ModelTable::TypeModelEqual::operator()(const TypeModel& a, const TypeModel& b) const noexcept {
  return equalsIgnoreCase(a.type, b.type) && equalsIgnoreCase(a.model, b.model);
}

ModelTable::ModelTable() {
  kinds_.max_load_factor(kSparseLoad);
  for (const KindTables& kind : allKindTables()) {
    Kind& entry = kinds_[kind.className];
    entry.firstOfType.max_load_factor(kSparseLoad);
    entry.firstOfModel.max_load_factor(kSparseLoad);
    entry.rows = kind.rows;
    if (kind.aliases)
      for (const ModelAlias& alias : *kind.aliases) entry.aliases.emplace(toLower(alias.word), alias.canonical);
    // emplace keeps the first row of each key, as a search in table order finds it.
    if (!kind.rows) continue;
    for (const ModelDescriptor& row : *kind.rows) {
      entry.firstOfType.emplace(row.type, &row);
      if (!row.model.empty()) entry.firstOfModel.emplace(TypeModel{row.type, row.model}, &row);
    }
  }
}

const ModelTable::Kind* ModelTable::kindOf(std::string_view className) const {
  auto it = kinds_.find(className);
  return it == kinds_.end() ? nullptr : &it->second;
}

const std::vector<ModelDescriptor>& ModelTable::rowsOf(std::string_view className) const {
  const Kind* kind = kindOf(className);
  return kind && kind->rows ? *kind->rows : kNoRows;
}

// The first row in table order whose type matches and, when a model is
// given, whose model matches too.
const ModelDescriptor* ModelTable::findDescriptor(std::string_view className, std::string_view type,
                                                  std::string_view model) const {
  const Kind* kind = kindOf(className);
  if (!kind) return nullptr;
  if (model.empty()) {
    auto it = kind->firstOfType.find(type);
    return it == kind->firstOfType.end() ? nullptr : it->second;
  }
  auto it = kind->firstOfModel.find(TypeModel{type, model});
  return it == kind->firstOfModel.end() ? nullptr : it->second;
}

std::string ModelTable::typeOfWord(std::string_view className, std::string_view word) const {
  const auto& rows = rowsOf(className);
  for (const ModelDescriptor& row : rows)
    if (!row.model.empty() && equalsIgnoreCase(row.model, word)) return row.type;
  for (const ModelDescriptor& row : rows)
    if (row.model.empty() && equalsIgnoreCase(row.type, word)) return row.type;
  return {};
}

std::vector<std::string> ModelTable::typeWords(std::string_view className) const {
  std::vector<std::string> words;
  for (const ModelDescriptor& row : rowsOf(className)) {
    bool seen = false;
    for (const std::string& w : words) seen = seen || equalsIgnoreCase(w, row.type);
    if (!seen) words.push_back(row.type);
  }
  return words;
}

std::vector<std::string> ModelTable::typeWordsThatReadBack(std::string_view className) const {
  std::vector<std::string> words = typeWords(className);
  std::erase_if(words, [&](const std::string& word) {
    const std::string alias = aliasOf(className, word);
    return !alias.empty() && !equalsIgnoreCase(alias, word);
  });
  return words;
}

std::vector<std::string> ModelTable::modelWords(std::string_view className, std::string_view type) const {
  std::vector<std::string> words;
  for (const ModelDescriptor& row : rowsOf(className))
    if (equalsIgnoreCase(row.type, type)) words.push_back(row.model);
  return words;
}

std::string ModelTable::prefixOf(std::string_view className, std::string_view type,
                                 std::string_view model) const {
  const ModelDescriptor* row = findDescriptor(className, type, model);
  return row ? row->prefix : std::string();
}

std::uint16_t ModelTable::busOf(std::string_view className, std::string_view type, std::string_view model) const {
  const ModelDescriptor* row = findDescriptor(className, type, model);
  return row ? row->bus : std::uint16_t(BusBoth);
}

std::uint16_t ModelTable::unitsOf(std::string_view className, std::string_view type,
                                  std::string_view model) const {
  const ModelDescriptor* row = findDescriptor(className, type, model);
  return row ? row->units : 0;
}

std::vector<std::int32_t> ModelTable::registerChoices(std::string_view className, std::string_view type,
                                                      std::string_view model) const {
  const ModelDescriptor* row = findDescriptor(className, type, model);
  return row ? row->registers : std::vector<std::int32_t>();
}

std::vector<std::int32_t> ModelTable::vectorChoices(std::string_view className, std::string_view type,
                                                    std::string_view model) const {
  const ModelDescriptor* row = findDescriptor(className, type, model);
  return row ? row->vectors : std::vector<std::int32_t>();
}

std::vector<std::int32_t> ModelTable::priorityChoices(std::string_view className, std::string_view type,
                                                      std::string_view model) const {
  const ModelDescriptor* row = findDescriptor(className, type, model);
  return row ? row->priorities : std::vector<std::int32_t>();
}

std::int32_t ModelTable::areaSizeOf(std::string_view className, std::string_view type,
                                    std::string_view model) const {
  const ModelDescriptor* row = findDescriptor(className, type, model);
  return row ? row->areaSize : 0;
}

std::string ModelTable::aliasOf(std::string_view className, std::string_view word) const {
  const Kind* kind = kindOf(className);
  if (!kind) return {};
  auto it = kind->aliases.find(toLower(word));
  return it == kind->aliases.end() ? std::string() : it->second;
}
