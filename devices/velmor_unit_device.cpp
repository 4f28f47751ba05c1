#include "devices/velmor_unit_device.h"

#include <algorithm>

#include "devices/model_tables.h"

VelmorUnitDevice::VelmorUnitDevice(const VelmorUnitDevice& other) : VelmorBusDevice(other) {
  unitList_.reserve(other.unitList_.size());
  for (const auto& unit : other.unitList_) unitList_.push_back(unit->clone());
}

void VelmorUnitDevice::applyModelDefaults(bool reset) {
  applyCommonModelDefaults(reset);
  deleteUnits();
  unitsRebuilt();
  const int count = std::min(units, kMaxUnits);
  if (count <= 0) return;
  unitList_.reserve(static_cast<std::size_t>(count));
  createUnit(0);
  // A new unit's creation values and defaults depend on the controller's
  // type and model only, so the others start as copies of the first.
  for (int i = 1; i < count; ++i) {
    std::unique_ptr<VelmorUnit> unit = unitList_.front()->clone();
    unit->number = i;
    unitList_.push_back(std::move(unit));
  }
}

bool VelmorUnitDevice::isComplete() const {
  if (unitList_.empty()) return false;
  return std::all_of(unitList_.begin(), unitList_.end(), [](const auto& unit) { return unit->isComplete(); });
}

void VelmorUnitDevice::createUnit(int number) {
  std::unique_ptr<VelmorUnit> unit = makeUnit(number);
  unit->applyUnitDefaults(type, model);
  unitList_.push_back(std::move(unit));
}

std::size_t VelmorUnitDevice::readableUnitCount() const {
  // Within the written count every unit reads back; only a list grown past a
  // lowered count needs the type's row.
  if (static_cast<int>(unitList_.size()) <= std::min(units, kMaxUnits)) return unitList_.size();
  const ModelDescriptor* row = readBackDefaults();
  if (!row) return unitList_.size();
  const int readable = std::max(std::min(static_cast<int>(row->units), kMaxUnits), std::min(units, kMaxUnits));
  return std::min(unitList_.size(), static_cast<std::size_t>(std::max(readable, 0)));
}

bool VelmorUnitDevice::unitIsWritten(int number) const {
  if (number < 0 || static_cast<std::size_t>(number) >= readableUnitCount()) return false;
  return writesUnit(*unitList_[static_cast<std::size_t>(number)]);
}

bool VelmorUnitDevice::unitHoldsSettings(int number) const {
  if (number < 0 || static_cast<std::size_t>(number) >= unitList_.size()) return false;
  std::unique_ptr<VelmorUnit> fresh = makeUnit(number);
  fresh->applyUnitDefaults(type, model);
  std::string held, freshText;
  writeUnit(held, *unitList_[static_cast<std::size_t>(number)], {});
  writeUnit(freshText, *fresh, {});
  return held != freshText;
}

VelmorUnit* VelmorUnitDevice::unitWithinCount(int index) {
  const int count = std::min(units, kMaxUnits);
  if (index >= static_cast<int>(unitList_.size()) && index < count)
    for (int number = static_cast<int>(unitList_.size()); number < count; ++number) createUnit(number);
  return unitAt(index);
}

void VelmorUnitDevice::takeUnitsFrom(const VelmorUnitDevice& from) {
  if (from.kind() != kind()) return;
  const std::size_t count = std::min(unitList_.size(), from.unitList_.size());
  for (std::size_t i = 0; i < count; ++i) {
    unitList_[i] = from.unitList_[i]->clone();
    unitList_[i]->number = static_cast<int>(i);
  }
}

int VelmorUnitDevice::bootUnitNumber() const {
  for (const auto& unit : unitList_)
    if (unit->isBoot()) return unit->number;
  return -1;
}

VelmorUnit* VelmorUnitDevice::unitAt(int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= unitList_.size()) return nullptr;
  return unitList_[static_cast<std::size_t>(index)].get();
}

void VelmorUnitDevice::writeUnits(std::string& out, const std::string& disabledSign) const {
  for (std::size_t pos = 0; pos < readableUnitCount(); ++pos)
    if (writesUnit(*unitList_[pos])) writeUnit(out, *unitList_[pos], disabledSign);
}
