#include "platform/default_host_link.h"

void DefaultHostLink::GetDocInformation(const std::string&, std::uint32_t& flags, int, WindowHandle* window) {
  flags = 0;
  if (window) *window = 0;
}

void DefaultHostLink::SetDocStatus(const std::string&, int, WindowHandle) {}
