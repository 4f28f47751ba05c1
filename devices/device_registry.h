#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "devices/model_tables.h"
#include "devices/velmor_device.h"

// Every kind's tables, for the process-wide ModelTable (the system entry first).
std::vector<KindTables> allKindTables();

// A kind that a `load` statement can create.
struct LoadableKind {
  std::string_view className;
  DeviceKind kind;
  // Va1000 adapters and bridges take the load word as their type, as written.
  bool typeAsWritten;
  std::unique_ptr<VelmorBusDevice> (*create)(std::string type, std::string model, std::string name);
};

// The kinds in the order a `load` word is tried against them.
const std::vector<LoadableKind>& loadOrder();
const LoadableKind* findLoadableKind(std::string_view className);

// Creates a device of the given kind from a type or model word, exactly as
// a `load` of that word would if the kind were the first to know it.
std::unique_ptr<VelmorBusDevice> createDevice(const LoadableKind& kind, std::string_view word, const std::string& name);

// Resolves a `load` word: the first kind that knows the word creates the device
// with its type, model and defaults (units included). nullptr when no kind knows it.
std::unique_ptr<VelmorBusDevice> createDeviceForLoadWord(std::string_view word, const std::string& name);
