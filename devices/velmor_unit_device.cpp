#include "devices/velmor_unit_device.h"

#include <algorithm>

#include "devices/model_tables.h"

VelmorUnitDevice::VelmorUnitDevice(const VelmorUnitDevice& other)
    : VelmorBusDevice(other), unlisted_(other.unlisted_) {
  unitList_.reserve(other.unitList_.size());
  for (const auto& unit : other.unitList_) unitList_.push_back(unit ? unit->clone() : nullptr);
}

void VelmorUnitDevice::applyModelDefaults(bool reset) {
  applyCommonModelDefaults(reset);
  deleteUnits();
  unitsRebuilt();
  listUnits(std::min(units, kMaxUnits));
}

void VelmorUnitDevice::listUnits(int count) {
  const auto listed = static_cast<int>(unitList_.size());
  if (count > listed + unlisted_) unlisted_ = count - listed;
}

void VelmorUnitDevice::makePlaces() const {
  if (unlisted_ == 0) return;
  unitList_.resize(unitList_.size() + static_cast<std::size_t>(unlisted_));
  unlisted_ = 0;
}

std::unique_ptr<VelmorUnit> VelmorUnitDevice::freshUnit(int number) const {
  std::unique_ptr<VelmorUnit> unit = makeUnit(number);
  unit->applyUnitDefaults(type, model);
  return unit;
}

VelmorUnit& VelmorUnitDevice::builtUnit(std::size_t position) const {
  makePlaces();
  std::unique_ptr<VelmorUnit>& place = unitList_[position];
  if (!place) place = freshUnit(static_cast<int>(position));  // the place stays empty if memory runs out
  return *place;
}

void VelmorUnitDevice::buildUnits() const {
  makePlaces();
  for (std::size_t position = 0; position < unitList_.size(); ++position) builtUnit(position);
}

bool VelmorUnitDevice::isComplete() const {
  buildUnits();
  if (unitList_.empty()) return false;
  return std::all_of(unitList_.begin(), unitList_.end(), [](const auto& unit) { return unit->isComplete(); });
}

void VelmorUnitDevice::createUnit(int number) {
  makePlaces();
  unitList_.push_back(freshUnit(number));
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
  return writesUnit(builtUnit(static_cast<std::size_t>(number)));
}

bool VelmorUnitDevice::unitHoldsSettings(int number) const {
  if (number < 0 || static_cast<std::size_t>(number) >= unitCount()) return false;
  std::string held, freshText;
  writeUnit(held, builtUnit(static_cast<std::size_t>(number)), {});
  writeUnit(freshText, *freshUnit(number), {});
  return held != freshText;
}

VelmorUnit* VelmorUnitDevice::unitWithinCount(int index) {
  const int count = std::min(units, kMaxUnits);
  if (index >= static_cast<int>(unitCount()) && index < count) listUnits(count);
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

bool VelmorUnitDevice::replaceUnit(std::size_t position, const VelmorUnit& record) {
  if (position >= unitCount() || builtUnit(position).kind() != record.kind()) return false;
  unitList_[position] = record.clone();
  unitList_[position]->number = static_cast<int>(position);
  return true;
}

int VelmorUnitDevice::bootUnitNumber() const {
  for (const auto& unit : unitList_)
    if (unit && unit->isBoot()) return unit->number;  // a unit not yet built is no boot unit
  return -1;
}

VelmorUnit* VelmorUnitDevice::unitAt(int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= unitCount()) return nullptr;
  return &builtUnit(static_cast<std::size_t>(index));
}

void VelmorUnitDevice::writeUnits(std::string& out, const std::string& disabledSign) const {
  buildUnits();
  for (std::size_t pos = 0; pos < readableUnitCount(); ++pos)
    if (writesUnit(*unitList_[pos])) writeUnit(out, *unitList_[pos], disabledSign);
}
