#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// One Ethernet protocol a hardware adapter can pass. The code is the 16-bit
// type as "0x" and four hex digits with its two bytes exchanged (IP, type
// 0800, is "0x0008"); scripts may name a protocol by either.
struct NetworkProtocol {
  std::string_view name;
  std::string_view code;
};

// Every protocol, in the order the protocols dialog lists them.
std::span<const NetworkProtocol> networkProtocols();

// The protocol table with a used mark per entry: what the protocols dialog
// edits, read from and turned back into an adapter's protocols text.
class ProtocolSet {
 public:
  ProtocolSet();  // nothing used
  // A set whose marks come from a protocols text (see markUsed).
  static ProtocolSet fromText(std::string_view text);

  std::size_t size() const { return used_.size(); }
  const NetworkProtocol& protocol(std::size_t index) const { return networkProtocols()[index]; }
  bool isUsed(std::size_t index) const { return index < used_.size() && used_[index]; }
  void setUsed(std::size_t index, bool used);

  // Each blank-separated word marks every entry whose code or name equals it
  // exactly (letter case matters); other words are passed over.
  void markUsed(std::string_view text);
  // The names of the used entries in table order, one blank between them.
  std::string text() const;

 private:
  std::vector<bool> used_;
};
