#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "devices/device_kind.h"

struct ModelDescriptor;

// Unit numbers 0 to 255 (no device has more units), as bits: a line may set
// one unit many times, and remembering them costs no heap block.
class UnitNumberSet {
 public:
  static constexpr int kLimit = 256;
  void add(int number) {
    if (number >= 0 && number < kLimit) words_[number / 64] |= std::uint64_t(1) << (number % 64);
  }
  bool empty() const { return (words_[0] | words_[1] | words_[2] | words_[3]) == 0; }
  void clear() { words_ = {}; }
  template <class Visit>
  void forEach(Visit visit) const {
    for (int word = 0; word < 4; ++word)
      for (std::uint64_t bits = words_[word]; bits != 0; bits &= bits - 1) visit(word * 64 + std::countr_zero(bits));
  }

 private:
  std::array<std::uint64_t, 4> words_{};
};

// The root of every configuration entry: the system entry and every device
// that a `load` statement creates.
class VelmorDevice {
 public:
  VelmorDevice(DeviceKind kind, std::string type, std::string model, std::string name);
  virtual ~VelmorDevice() = default;

  DeviceKind kind() const { return kind_; }

  // Replaces the type and takes the new type's defaults afresh.
  virtual void setType(const std::string& newType);
  // One key=value pair of a `set` statement; key is lower case, index the
  // decimal unit index (0 without brackets). False when the key is refused.
  virtual bool setParameter(std::string_view key, int index, std::string_view value) = 0;
  // Appends the device's statements; lines end in LF, comment lines in CR LF.
  virtual void writeStatements(std::string& out, const std::string& disabledSign) const = 0;
  virtual void applyModelDefaults(bool reset) = 0;
  virtual bool isComplete() const { return true; }
  virtual const char* className() const = 0;
  virtual void deleteUnits() {}
  // A deep copy: units are copied too, so a property sheet can edit freely.
  virtual std::unique_ptr<VelmorDevice> clone() const = 0;

  // Applies a whole `set` line ("set NAME key=value ..."); the answer is the
  // answer of the last pair handed on (true when there was none).
  bool parseSetStatement(std::string_view line);
  // The same for the key=value pairs alone, the line after the device name.
  // From `commentFrom` on the pairs are the line's trailing comment words:
  // they are still handed on, but a refusal of a pair starting there is not
  // counted, since the comment keeps their text.
  bool parseSetPairs(std::string_view pairs, std::size_t commentFrom = std::string_view::npos);
  // How many pairs of the last parseSetStatement were refused, counting a
  // last key that never got a value and values that changed nothing.
  int refusedPairs() const { return refusedPairs_; }
  // A pair was taken but its value changed nothing (a flag given neither
  // yes nor no): a save does not keep it.
  void noteValueIgnored() { ++refusedPairs_; }

  // Whether the last setParameter applied a unit-indexed key, and its index;
  // the reader attaches comment lines to that unit.
  bool unitTouched() const { return unitTouched_; }
  int lastUnitIndex() const { return lastUnitIndex_; }
  // The units the pairs of the last parseSetPairs set (those a later
  // `model` pair of it threw away are not among them).
  const UnitNumberSet& unitsSet() const { return unitsSet_; }
  // Whether a `model` pair of the last parseSetPairs rebuilt the units after
  // earlier pairs of it had set some: those settings are gone.
  bool unitPairsDropped() const { return unitPairsDropped_; }
  // Whether a `model` pair of the last parseSetPairs rebuilt the units: what
  // earlier lines set on them is gone.
  bool unitsRebuiltByLastParse() const { return unitsRebuiltByLastParse_; }

  std::string comments;  // lines joined with CR LF, without their "#"
  bool disabled = false;
  std::string type;
  std::string model;
  std::string name;
  std::uint16_t bus = 0;

 protected:
  VelmorDevice(const VelmorDevice&) = default;
  VelmorDevice& operator=(const VelmorDevice&) = default;
  // The `model` key of the kinds that take one: the new model's defaults fill
  // what is still unset (and rebuild the units of a unit device).
  bool setModelKey(std::string_view value) {
    model = value;
    applyModelDefaults(false);
    return true;
  }
  void markUnitTouched(int index) {
    unitTouched_ = true;
    lastUnitIndex_ = index;
    unitsSet_.add(index);
  }
  void clearUnitTouched() { unitTouched_ = false; }
  // The units were built afresh: what pairs set on them so far is gone.
  void unitsRebuilt() {
    unitsRebuiltByLastParse_ = true;
    if (!unitsSet_.empty()) unitPairsDropped_ = true;
    unitsSet_.clear();
  }

 private:
  DeviceKind kind_;
  bool unitTouched_ = false;
  int lastUnitIndex_ = 0;
  UnitNumberSet unitsSet_;
  bool unitPairsDropped_ = false;
  bool unitsRebuiltByLastParse_ = false;
  int refusedPairs_ = 0;
};

// Appends one "#line" CR LF per comment line (split at LF, the CR before the
// LF dropped); a line that would read back as something else gets a mark
// after its "#" (see commentLine).
void writeDeviceComments(std::string& out, const std::string& comments, const std::string& disabledSign);
// Appends one "#line" LF per unit comment line, keeping a CR that stands
// before the LF in the stored text.
void writeUnitComments(std::string& out, const std::string& comments, const std::string& disabledSign);

// Every device created by `load`.
class VelmorBusDevice : public VelmorDevice {
 public:
  VelmorBusDevice(DeviceKind kind, std::string type, std::string model, std::string name);

  // The common keys register, vector/vector0, priority and units.
  virtual bool setCommonParameter(std::string_view key, int index, std::string_view value);
  // Whether this kind's `set` takes the common key ("register", "vector",
  // "priority", "units"; "vector0" asks for "vector"). The one record of it:
  // setCommonParameter refuses the others, and a line the kind would refuse
  // is never written, or the saved file would refuse its own line.
  virtual bool takesCommonKey(std::string_view) const { return true; }
  // The common lines: comments, load, model, then register, vector, priority
  // and units where they differ from the defaults a reader takes (see
  // readBackDefaults).
  void writeStatements(std::string& out, const std::string& disabledSign) const override;
  void applyModelDefaults(bool reset) override;

  // What the conflict checker compares. `withConfiguration` is true when the
  // checker is built from a whole configuration, false when a device is added
  // singly (Va1000 adapters and ROMs differ between the two).
  virtual std::vector<std::int32_t> checkedVectors(bool withConfiguration) const;
  virtual std::int32_t checkedAreaSize() const;
  virtual std::uint16_t checkedBus(bool withConfiguration) const;

  std::int32_t registerAddress = 0;  // 22-bit physical address, 0 = not set
  std::int32_t vector = 0;
  std::int32_t priority = 0;
  std::int32_t units = 0;

 protected:
  VelmorBusDevice(const VelmorBusDevice&) = default;
  // The steps every bus device shares, without any unit rebuilding.
  void applyCommonModelDefaults(bool reset);
  // The row whose defaults a script gives back for this device, or nullptr
  // when the type has no row: reading `load TYPE` takes the type's first row
  // and a later `model` key keeps the values that row filled (a model without
  // a row of its own changes none of them), so written values are compared
  // with that row, not with the model's own.
  const ModelDescriptor* readBackDefaults() const;
  // "P" of the written form: the disabled sign for a disabled device.
  std::string statementPrefix(const std::string& disabledSign) const {
    return disabled ? disabledSign : std::string();
  }
};
