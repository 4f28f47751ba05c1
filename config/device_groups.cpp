#include "config/device_groups.h"

std::vector<DeviceListId> listsOfGroup(DeviceGroup group) {
  switch (group) {
    case DeviceGroup::System: return {};
    case DeviceGroup::Disks: return {DeviceListId::Disks};
    case DeviceGroup::Tapes: return {DeviceListId::Tapes};
    case DeviceGroup::Serials: return {DeviceListId::Serials};
    case DeviceGroup::Parallel: return {DeviceListId::DRXXXs, DeviceListId::DCI1300s};
    case DeviceGroup::LinePrinters: return {DeviceListId::LinePrinters};
    case DeviceGroup::Networks: return {DeviceListId::Networks};
    case DeviceGroup::Va1000s: return {DeviceListId::Va1000s};
    case DeviceGroup::Bridges: return {DeviceListId::Bridges};
    case DeviceGroup::Loaders: return {DeviceListId::Loaders};
    case DeviceGroup::TimerClock: return {DeviceListId::Timers, DeviceListId::Clocks};
    case DeviceGroup::ROMs: return {DeviceListId::ROMs};
  }
  return {};
}

DeviceGroup groupOfList(DeviceListId list) {
  switch (list) {
    case DeviceListId::Disks: return DeviceGroup::Disks;
    case DeviceListId::Tapes: return DeviceGroup::Tapes;
    case DeviceListId::Serials: return DeviceGroup::Serials;
    case DeviceListId::LinePrinters: return DeviceGroup::LinePrinters;
    case DeviceListId::Networks: return DeviceGroup::Networks;
    case DeviceListId::Va1000s: return DeviceGroup::Va1000s;
    case DeviceListId::Bridges: return DeviceGroup::Bridges;
    case DeviceListId::DRXXXs:
    case DeviceListId::DCI1300s: return DeviceGroup::Parallel;
    case DeviceListId::Timers:
    case DeviceListId::Clocks: return DeviceGroup::TimerClock;
    case DeviceListId::Loaders: return DeviceGroup::Loaders;
    case DeviceListId::ROMs: return DeviceGroup::ROMs;
  }
  return DeviceGroup::System;
}
