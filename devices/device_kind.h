#pragma once

#include <cstdint>

// The kind code every device and unit carries; the numbers are stable because
// the checker and the tree key on them.
enum class DeviceKind : std::int32_t {
  System = 0,
  Disk = 1,
  DiskUnit = 2,
  Tape = 3,
  TapeUnit = 4,
  Serial = 5,
  SerialUnit = 6,
  Network = 7,
  Timer = 8,
  Clock = 9,
  Bridge = 10,
  Va1000 = 11,
  DRXXX = 12,
  DCI1300 = 13,
  Loader = 14,
  LoaderUnit = 15,
  ROM = 16,
};

// Bit set of the buses a device fits.
enum BusType : std::uint16_t {
  BusNone = 0,
  BusUnibus = 1,
  BusQbus = 2,
  BusBoth = 3,
};
