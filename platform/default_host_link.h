#pragma once

#include "config/host_link.h"

// The host link of a build without the emulator product: no file is ever
// open elsewhere, and every status report is accepted.
class DefaultHostLink : public HostLink {
 public:
  void GetDocInformation(const std::string& path, std::uint32_t& flags, int reserved,
                         WindowHandle* window) override;
  void SetDocStatus(const std::string& path, int status, WindowHandle window) override;
};
