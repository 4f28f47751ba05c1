#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "devices/model_tables.h"
#include "devices/velmor_device.h"

// An Ethernet adapter: the hardware models DEQNA, DELQA, DESQA and DELUA, and
// VELNA, the emulator's own virtual adapter with a second interrupt vector.
// A hardware adapter either passes chosen protocols of a real host interface
// or works on a virtual interface with its own station address.
class VelmorNetworkDevice : public VelmorBusDevice {
 public:
  VelmorNetworkDevice(std::string type, std::string model, std::string name)
      : VelmorBusDevice(DeviceKind::Network, std::move(type), std::move(model), std::move(name)) {}
  VelmorNetworkDevice(const VelmorNetworkDevice&) = default;

  bool setParameter(std::string_view key, int index, std::string_view value) override;
  void writeStatements(std::string& out, const std::string& disabledSign) const override;
  void applyModelDefaults(bool reset) override;
  const char* className() const override { return "VelmorNetworkDevice"; }
  std::unique_ptr<VelmorDevice> clone() const override { return std::make_unique<VelmorNetworkDevice>(*this); }
  std::vector<std::int32_t> checkedVectors(bool withConfiguration) const override;

  bool isVelna() const;
  // The interface's first blank-separated word is "virtual" (exact case), or
  // "virtual:" and a port, the form the network page writes without a host.
  bool isInterfaceVirtual() const;
  // A hardware adapter keeps both texts but a save writes only the one its
  // interface uses; a VELNA writes neither.
  bool writesProtocols() const { return !isVelna() && !isInterfaceVirtual(); }
  bool writesAddress() const { return !isVelna() && isInterfaceVirtual(); }

  std::int32_t vector1 = 0;  // VELNA only
  std::string hostInterface;  // the `interface` key
  std::string protocols;      // hardware models on a real interface
  std::string address;        // hardware models on a virtual interface

  // How many `protocols` and `address` pairs were applied, so a reader can
  // tell which lines set them, also to the value they had.
  unsigned protocolsPairs() const { return protocolsPairs_; }
  unsigned addressPairs() const { return addressPairs_; }

 private:
  unsigned protocolsPairs_ = 0;
  unsigned addressPairs_ = 0;
};

const std::vector<ModelDescriptor>& networkModelRows();
const std::vector<ModelAlias>& networkModelAliases();
