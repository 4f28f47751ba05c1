#include "devices/network_protocols.h"

#include <array>

namespace {

constexpr std::array<NetworkProtocol, 14> kProtocols = {{
    // name              code
    {"IP",            "0x0008"},
    {"ARP",           "0x0608"},
    {"LoopBack",      "0x0090"},
    {"Dump",          "0x0160"},
    {"RemoteConsole", "0x0260"},
    {"DECnet",        "0x0360"},
    {"LAT",           "0x0460"},
    {"Diagnostic",    "0x0560"},
    {"Reserved",      "0x0660"},
    {"DigitalBridge", "0x3880"},
    {"NameServer",    "0x3c80"},
    {"TimeServer",    "0x3e80"},
    {"BIOS",          "0x4080"},
    {"LAST",          "0x4180"},
}};

}  // namespace

std::span<const NetworkProtocol> networkProtocols() { return kProtocols; }

ProtocolSet::ProtocolSet() : used_(kProtocols.size(), false) {}

ProtocolSet ProtocolSet::fromText(std::string_view text) {
  ProtocolSet set;
  set.markUsed(text);
  return set;
}

void ProtocolSet::setUsed(std::size_t index, bool used) {
  if (index < used_.size()) used_[index] = used;
}

void ProtocolSet::markUsed(std::string_view text) {
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find(' ', pos);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view word = text.substr(pos, end - pos);
    pos = end + 1;
    if (word.empty()) continue;
    for (std::size_t i = 0; i < kProtocols.size(); ++i)
      if (kProtocols[i].code == word || kProtocols[i].name == word) used_[i] = true;
  }
}

std::string ProtocolSet::text() const {
  std::string result;
  for (std::size_t i = 0; i < kProtocols.size(); ++i) {
    if (!used_[i]) continue;
    if (!result.empty()) result += ' ';
    result += kProtocols[i].name;
  }
  return result;
}
