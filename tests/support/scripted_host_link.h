#pragma once

#include <map>
#include <string>
#include <vector>

#include "config/host_link.h"

// Answers GetDocInformation from `openElsewhere` (path -> window, 0 for an
// unknown window) and records every call in order.
class ScriptedHostLink : public HostLink {
 public:
  void GetDocInformation(const std::string& path, std::uint32_t& flags, int, WindowHandle* window) override {
    calls.push_back("get " + path);
    auto it = openElsewhere.find(path);
    flags = it == openElsewhere.end() ? 0 : kOpenElsewhere;
    if (window) *window = it == openElsewhere.end() ? 0 : it->second;
  }
  void SetDocStatus(const std::string& path, int status, WindowHandle window) override {
    calls.push_back("set " + path + " " + std::to_string(status) + " " + std::to_string(window));
  }

  std::map<std::string, WindowHandle> openElsewhere;
  std::vector<std::string> calls;
};
