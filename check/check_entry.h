#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "devices/device_kind.h"

class VelmorBusDevice;

// What the conflict checker keeps of one device, and what it last found.
struct CheckEntry {
  std::uint16_t bus = BusBoth;
  std::string name;  // the key of every lookup, compared exactly
  std::vector<std::int32_t> vectors;  // in the order the vector test tries them
  std::int32_t registerAddress = 0;
  std::int32_t areaSize = 0;  // bytes of register space from registerAddress
  bool disabled = false;

  // Findings, recomputed after every change of the checker.
  bool hasConflict = false;  // the report itself is made when it is asked for (conflictText)
  bool hasBusError = false;
  std::string busText;
};

// The address of the entry's last register word: its base plus its size
// minus 2, in 64 bits so that no register and size can overflow it.
inline std::int64_t lastWordOf(const CheckEntry& entry) {
  return std::int64_t{entry.registerAddress} + entry.areaSize - 2;
}

// The entry for a device, from the hooks each kind overrides; none for a
// binary loader, which never takes part in the checks. `withConfiguration`
// is true while a whole configuration is entered, false for a device added
// singly (Va1000 adapters and ROMs answer differently).
std::optional<CheckEntry> makeCheckEntry(const VelmorBusDevice& device, bool withConfiguration);
