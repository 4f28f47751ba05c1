#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "devices/device_registry.h"
#include "devices/text_utils.h"
#include "devices/velmor_unit_device.h"
#include "support/device_script.h"

// What a `load` word resolves to, through the registry as the reader uses it.
struct LoadCase {
  const char* word;
  const char* className;
  const char* type;
  const char* model;
  std::int32_t registerAddress;
  std::int32_t vector;
  std::int32_t priority;
  std::uint16_t bus;
  std::size_t units;  // units created; 0 for a kind without units
};

inline void expectLoads(const LoadCase& c) {
  SCOPED_TRACE(c.word);
  std::unique_ptr<VelmorBusDevice> device = createDeviceForLoadWord(c.word, "X");
  ASSERT_NE(device, nullptr);
  EXPECT_STREQ(device->className(), c.className);
  EXPECT_EQ(device->type, c.type);
  EXPECT_EQ(device->model, c.model);
  EXPECT_EQ(device->registerAddress, c.registerAddress);
  EXPECT_EQ(device->vector, c.vector);
  EXPECT_EQ(device->priority, c.priority);
  EXPECT_EQ(device->bus, c.bus);
  auto* withUnits = dynamic_cast<VelmorUnitDevice*>(device.get());
  EXPECT_EQ(withUnits ? withUnits->unitCount() : 0u, c.units);
}

// loadAs, failing the test when the word does not load as that kind.
template <class Device>
std::unique_ptr<Device> loaded(std::string_view word, const std::string& name) {
  std::unique_ptr<Device> device = loadAs<Device>(word, name);
  EXPECT_NE(device, nullptr) << word;
  return device;
}

template <class Unit>
Unit& unitOf(VelmorUnitDevice& device, int index) {
  return static_cast<Unit&>(device.unit(static_cast<std::size_t>(index)));
}

// Feeds the device's written `set` lines to a device freshly loaded with its
// type word, as reading the script back would, and answers what that one writes.
template <class Device>
std::string writtenAfterReadBack(const Device& device) {
  auto copy = loadAs<Device>(device.type, device.name);
  if (!copy) {
    ADD_FAILURE() << device.type << " does not load as the same kind";
    return {};
  }
  const std::string written = writtenForm(device);
  for (std::string_view line : splitLines(written)) {
    if (line.starts_with("set ")) {
      EXPECT_TRUE(copy->parseSetStatement(line)) << line;
    }
  }
  return writtenForm(*copy);
}

// A `set` statement given to a freshly loaded device: the statement's answer
// and the unit it touched (-1 when no unit key was applied).
struct KeyCase {
  const char* statement;
  bool answer;
  int touchedUnit;
};

template <class Device>
void expectKeyCase(std::string_view word, const std::string& name, const KeyCase& c) {
  SCOPED_TRACE(c.statement);
  auto device = loadAs<Device>(word, name);
  ASSERT_NE(device, nullptr);
  EXPECT_EQ(device->parseSetStatement(c.statement), c.answer);
  EXPECT_EQ(device->unitTouched(), c.touchedUnit >= 0);
  if (c.touchedUnit >= 0) {
    EXPECT_EQ(device->lastUnitIndex(), c.touchedUnit);
  }
}

// Statements given to a freshly loaded device, and the text it then writes;
// reading that text back must write the same.
struct WrittenCase {
  const char* word;
  std::vector<const char*> statements;
  const char* written;
};

template <class Device>
void expectWrittenCase(const std::string& name, const WrittenCase& c) {
  SCOPED_TRACE(c.written);
  auto device = loadAs<Device>(c.word, name);
  ASSERT_NE(device, nullptr);
  for (const char* statement : c.statements) device->parseSetStatement(statement);
  EXPECT_EQ(writtenForm(*device), c.written);
  EXPECT_EQ(writtenAfterReadBack(*device), c.written);
}
