#include "devices/velmor_unit_device.h"

#include <algorithm>

#include "devices/model_tables.h"

VelmorUnitDevice::VelmorUnitDevice(const VelmorUnitDevice& other) : VelmorBusDevice(other), unbuilt_(other.unbuilt_) {
  unitList_.reserve(other.unitList_.size());
  for (const auto& unit : other.unitList_) unitList_.push_back(unit->clone());
}

void VelmorUnitDevice::applyModelDefaults(bool reset) {
  applyCommonModelDefaults(reset);
  deleteUnits();
  unitsRebuilt();
  const int count = std::min(units, kMaxUnits);
  if (count <= 0) return;
  unbuilt_ = count;
}

void VelmorUnitDevice::buildUnits() const {
  if (unbuilt_ <= 0) return;
  // Built aside, so that running out of memory leaves the list still to be built.
  std::vector<std::unique_ptr<VelmorUnit>> built;
  built.reserve(static_cast<std::size_t>(unbuilt_));
  built.push_back(makeUnit(0));
  built.front()->applyUnitDefaults(type, model);
  // A new unit's creation values and defaults depend on the controller's
  // type and model only, so the others start as copies of the first.
  for (int i = 1; i < unbuilt_; ++i) {
    std::unique_ptr<VelmorUnit> unit = built.front()->clone();
    unit->number = i;
    built.push_back(std::move(unit));
  }
  unitList_ = std::move(built);
  unbuilt_ = 0;
}

bool VelmorUnitDevice::isComplete() const {
  buildUnits();
  if (unitList_.empty()) return false;
  return std::all_of(unitList_.begin(), unitList_.end(), [](const auto& unit) { return unit->isComplete(); });
}

void VelmorUnitDevice::createUnit(int number) {
  buildUnits();
  std::unique_ptr<VelmorUnit> unit = makeUnit(number);
  unit->applyUnitDefaults(type, model);
  unitList_.push_back(std::move(unit));
}

std::size_t VelmorUnitDevice::readableUnitCount() const {
  // Within the written count every unit reads back; only a list grown past a
  // lowered count needs the type's row.
  const std::size_t listed = unitCount();
  if (static_cast<int>(listed) <= std::min(units, kMaxUnits)) return listed;
  const ModelDescriptor* row = readBackDefaults();
  if (!row) return listed;
  const int readable = std::max(std::min(static_cast<int>(row->units), kMaxUnits), std::min(units, kMaxUnits));
  return std::min(listed, static_cast<std::size_t>(std::max(readable, 0)));
}

bool VelmorUnitDevice::unitIsWritten(int number) const {
  if (number < 0 || static_cast<std::size_t>(number) >= readableUnitCount()) return false;
  buildUnits();
  return writesUnit(*unitList_[static_cast<std::size_t>(number)]);
}

bool VelmorUnitDevice::unitHoldsSettings(int number) const {
  buildUnits();
  if (number < 0 || static_cast<std::size_t>(number) >= unitList_.size()) return false;
  std::unique_ptr<VelmorUnit> fresh = makeUnit(number);
  fresh->applyUnitDefaults(type, model);
  std::string held, freshText;
  writeUnit(held, *unitList_[static_cast<std::size_t>(number)], {});
  writeUnit(freshText, *fresh, {});
  return held != freshText;
}

VelmorUnit* VelmorUnitDevice::unitWithinCount(int index) {
  buildUnits();
  const int count = std::min(units, kMaxUnits);
  if (index >= static_cast<int>(unitList_.size()) && index < count)
    for (int number = static_cast<int>(unitList_.size()); number < count; ++number) createUnit(number);
  return unitAt(index);
}

void VelmorUnitDevice::takeUnitsFrom(const VelmorUnitDevice& from) {
  if (from.kind() != kind()) return;
  buildUnits();
  from.buildUnits();
  const std::size_t count = std::min(unitList_.size(), from.unitList_.size());
  for (std::size_t i = 0; i < count; ++i) {
    unitList_[i] = from.unitList_[i]->clone();
    unitList_[i]->number = static_cast<int>(i);
  }
}

int VelmorUnitDevice::bootUnitNumber() const {
  buildUnits();
  for (const auto& unit : unitList_)
    if (unit->isBoot()) return unit->number;
  return -1;
}

VelmorUnit* VelmorUnitDevice::unitAt(int index) {
  buildUnits();
  if (index < 0 || static_cast<std::size_t>(index) >= unitList_.size()) return nullptr;
  return unitList_[static_cast<std::size_t>(index)].get();
}

void VelmorUnitDevice::writeUnits(std::string& out, const std::string& disabledSign) const {
  buildUnits();
  for (std::size_t pos = 0; pos < readableUnitCount(); ++pos)
    if (writesUnit(*unitList_[pos])) writeUnit(out, *unitList_[pos], disabledSign);
}
