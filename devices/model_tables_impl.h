#pragma once

#include "devices/text_utils.h"

template <class Row>
const Row* findUnitDefaults(const std::vector<Row>& rows, std::string_view type, std::string_view model) {
  for (const Row& row : rows) {
    std::string_view rowType = row.type, rowModel = row.model;
    if ((rowType == "*" || equalsIgnoreCase(rowType, type)) &&
        (rowModel == "*" || equalsIgnoreCase(rowModel, model)))
      return &row;
  }
  return nullptr;
}
