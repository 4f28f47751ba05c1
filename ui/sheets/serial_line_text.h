#pragma once

#include <string>
#include <string_view>

// How a serial line is connected, as its line text says.
enum class SerialConnection { RealDevice, Link, Terminal };

// A line text taken apart the way the line sheet shows it.
struct SerialLineForm {
  SerialConnection connection = SerialConnection::RealDevice;
  std::string host;  // Link only
  std::string port;  // Link: the port word as written; a real device: the whole text
  // Link given only as "-host h -port p" (either order): nothing is lost
  // when it is written back in the "host:port" form.
  bool optionWords = false;
};

// First word "run": the terminal emulator. First word "link": a link, with
// host and port from the next word ("host:port", split at the last colon so
// a host may hold colons) or from the words after "-host" and "-port".
// Anything else is a real device. The words "run" and "link" are read in
// any letter case, as the script's other words are.
SerialLineForm readSerialLine(std::string_view text);

// The texts the sheet writes for a link and for the terminal emulator.
std::string linkLineText(std::string_view host, std::string_view port);
inline constexpr const char* kTerminalLineText = "run terminal";
