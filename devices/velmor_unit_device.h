#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "devices/velmor_device.h"

// Hostile scripts may ask for any unit count; no real controller has more
// than 64 units, so the list never grows past this.
inline constexpr int kMaxUnits = 256;
static_assert(kMaxUnits <= UnitNumberSet::kLimit, "a device remembers the units a line set");

class VelmorUnit {
 public:
  VelmorUnit(DeviceKind kind, int number) : number(number), kind_(kind) {}
  virtual ~VelmorUnit() = default;

  DeviceKind kind() const { return kind_; }

  // Fills the kind's fields still 0 (false) from the row for the owner's type
  // and model; each kind says which of its fields the row gives.
  virtual void applyUnitDefaults(std::string_view ownerType, std::string_view ownerModel) = 0;
  virtual bool isComplete() const { return !file.empty(); }
  virtual void setBoot(bool) {}
  virtual bool isBoot() const { return false; }
  virtual std::unique_ptr<VelmorUnit> clone() const = 0;

  std::string comments;
  int number;
  std::string file;

 protected:
  VelmorUnit(const VelmorUnit&) = default;

 private:
  DeviceKind kind_;
};

// Bus devices that own units (disk, tape, serial, loader).
class VelmorUnitDevice : public VelmorBusDevice {
 public:
  using VelmorBusDevice::VelmorBusDevice;

  void applyModelDefaults(bool reset) override;
  bool isComplete() const override;
  void deleteUnits() override {
    unitList_.clear();
    unlisted_ = 0;
  }

  // Builds unit `number` with the kind's initial values and its defaults, and appends it.
  void createUnit(int number);
  int bootUnitNumber() const;

  std::size_t unitCount() const { return unitList_.size() + static_cast<std::size_t>(unlisted_); }
  // How many units a script written now gives back when read: `load` creates
  // the count of the type's first row and unit keys add units up to the
  // written `units`. Units beyond it (a count lowered after the list grew)
  // cannot be written, or the saved file would refuse its own lines.
  std::size_t readableUnitCount() const;
  // Whether a save writes the unit: one the kind leaves out (an offline disk
  // unit or serial line, a tape or loader unit without a file) loses what was
  // set on it.
  virtual bool writesUnit(const VelmorUnit& unit) const = 0;
  // Whether a save writes unit `number`: within the readable count and one the kind writes.
  bool unitIsWritten(int number) const;
  // The statements a save writes for the unit when it writes it.
  virtual void writeUnit(std::string& out, const VelmorUnit& unit, const std::string& disabledSign) const = 0;
  // Whether unit `number` holds anything a fresh unit of its number does not
  // (a file, comments, a changed field): what a save that leaves it out loses.
  bool unitHoldsSettings(int number) const;
  // The blocks of every readable unit the kind writes, in list order.
  void writeUnits(std::string& out, const std::string& disabledSign) const;
  VelmorUnit& unit(std::size_t position) { return builtUnit(position); }
  const VelmorUnit& unit(std::size_t position) const { return builtUnit(position); }
  // Units 0 to n - 1 become copies of `from`'s units of the same numbers, n
  // being the shorter list's length; the list keeps its length. Both devices
  // must be of one kind (the sheet's copy of this device, for instance).
  void takeUnitsFrom(const VelmorUnitDevice& from);
  // Unit `position` becomes a copy of `record`, numbered for its place. False
  // (and nothing changes) when the device has no such unit or the record is
  // of another unit class.
  bool replaceUnit(std::size_t position, const VelmorUnit& record);
  // The unit a unit key or a `boot` names, or nullptr. An index beyond the
  // unit list but below the device's unit count first lengthens the list up
  // to that count: the writer puts a raised `units` line before the unit lines
  // and the boot, and a script read back must find those units again.
  VelmorUnit* unitWithinCount(int index);
  // The unit a unit-indexed key names, or nullptr when the device has no such unit.
  VelmorUnit* unitAt(int index);
  // Every unit of a device is of the device's own unit class.
  template <class Unit>
  Unit* unitAs(int index) {
    return static_cast<Unit*>(unitAt(index));
  }

 protected:
  VelmorUnitDevice(const VelmorUnitDevice& other);
  // A new unit of the kind's unit class, with its creation values.
  virtual std::unique_ptr<VelmorUnit> makeUnit(int number) const = 0;

 private:
  // A unit is built the first time it is asked for, with the defaults of
  // the type and model the device has then; until then its place in the list
  // is empty. A rebuild or a raised count only notes how many places the list
  // is to have, and they are made when a unit is first asked for. A line of
  // `model` pairs, each followed by a unit key, would otherwise build up to
  // 256 units at each pair, and a hostile file of such lines would take
  // minutes. Every change of type or model is followed by a rebuild (setType,
  // the `model` key, the General page), so units built later are those the
  // rebuild would have built; a type or model assigned without one would give
  // the units its own defaults.
  // Unit `number` with the kind's initial values and its defaults.
  std::unique_ptr<VelmorUnit> freshUnit(int number) const;
  VelmorUnit& builtUnit(std::size_t position) const;
  void buildUnits() const;
  // Lengthens the list to `count` units, still to be built.
  void listUnits(int count);
  void makePlaces() const;

  mutable std::vector<std::unique_ptr<VelmorUnit>> unitList_;  // an empty place: a unit not yet built
  mutable int unlisted_ = 0;  // the units after the list's end, without a place yet
};
