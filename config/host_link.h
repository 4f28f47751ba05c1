#pragma once

#include <cstdint>
#include <string>

// A window of the emulator product's editors; 0 means none.
using WindowHandle = std::uintptr_t;

// The emulator product's host link: it learns which file each editor window
// holds, so that one configuration file is edited in one window at a time.
class HostLink {
 public:
  virtual ~HostLink() = default;
  // Bit 0 of `flags` set: the file is open in another editor window, which
  // `window` names when the caller passed a slot and the window is known.
  virtual void GetDocInformation(const std::string& path, std::uint32_t& flags, int reserved,
                                 WindowHandle* window) = 0;
  // status 1: this editor now holds the file (window = its main window);
  // status 0: it no longer does (window 0).
  virtual void SetDocStatus(const std::string& path, int status, WindowHandle window) = 0;
};

inline constexpr std::uint32_t kOpenElsewhere = 1;
