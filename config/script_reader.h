#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "devices/script_lines.h"

class Configuration;
class UserMessages;

// A line of the file that the configuration cannot hold, so a later save
// would not write it back (1-based line number, text without its line end).
struct LostLine {
  std::size_t number = 0;
  std::string text;
};

struct ReadReport {
  std::vector<LostLine> lost;
};

// Real scripts are kilobytes; a file beyond this is not read at all.
inline constexpr std::size_t kMaxScriptBytes = std::size_t{64} << 20;
// A line of a few bytes can load a device with 16 units, or give one 256:
// past these counts the reader stops, so that a hostile file cannot fill
// memory. Real configurations hold a few dozen devices.
inline constexpr std::size_t kMaxReadDevices = 65536;
inline constexpr std::size_t kMaxReadUnits = 65536;

// Fills a freshly reset configuration from the script at `path`. False when
// the file cannot be opened or read, is longer than kMaxScriptBytes, or the
// last device statement failed; an empty file gives the default configuration
// and true.
bool ReadScript(Configuration& config, const std::string& path, UserMessages& messages,
                ReadReport* report = nullptr);

// The same from the file's bytes; does not touch the file name or the date.
bool ReadScriptBytes(Configuration& config, std::string_view bytes, UserMessages& messages,
                     ReadReport* report = nullptr);

// Whether the project name is free of "## User Name": a header line holding
// it is read as the user name's, so a save could not keep such a project name.
bool ProjectNameReadsBack(std::string_view projectName);

// "9/5/2026 7:5:3" for the ninth of May 2026 at 07:05:03 (the date the reader
// stores for the file's last write).
std::string FormatReadDate(int day, int month, int year, int hour, int minute, int second);
