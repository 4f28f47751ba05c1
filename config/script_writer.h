#pragma once

#include <ctime>
#include <optional>
#include <string>
#include <string_view>

#include "config/safe_file.h"

class Configuration;

// The "#" rules above and below the general header are this many "#".
inline constexpr std::size_t kHeaderRuleLength = 73;
// The lines a save writes around the devices; the reader knows them by these
// texts, so they are written here once.
inline constexpr std::string_view kGeneralHeaderLine = "## This is general header for the configuration file.";
inline constexpr std::string_view kFileNameHeading = "## File Name: ";
inline constexpr std::string_view kDateHeading = "## Date Of Writing: ";
inline constexpr std::string_view kUserNameHeading = "## User Name";
inline constexpr std::string_view kProjectNameHeading = "## Project Name";
inline constexpr std::string_view kBootHeading = "# Boot Device";

struct ScriptWriteOptions {
  // The moment of writing; the current local time when left empty.
  std::optional<std::tm> when{};
  // The file write itself; tests hand in one that fails part-way.
  ChunkWriter writeChunk{};
  // Receives why the save failed, for a message of the caller's own.
  std::string* failure = nullptr;
};

// Writes the configuration to `path` in the canonical layout with CR LF line
// ends. The old file is replaced only after the whole text is on disk. Sets
// the date before writing and the current path afterwards (also when a write
// failed, but not when the target could not be opened). True when the whole
// text was written.
bool WriteScript(Configuration& config, const std::string& path, const ScriptWriteOptions& options = {});

// The same layout in memory, lines ending in bare LF; touches nothing.
std::string FormatScript(const Configuration& config);

// The bytes a save puts on disk for a text from FormatScript: every LF
// becomes CR LF (so a CR a device wrote itself gives CR CR LF).
std::string DiskLineEnds(std::string_view text);

// Sets the date of writing: "12/06/26 14:05:09" for 6 December 2026, 14:05:09.
void StampWriteDate(Configuration& config, const std::tm& when);
std::tm CurrentLocalTime();
// Breaks `seconds` down in local time; false when the C library cannot.
bool LocalTimeOf(std::time_t seconds, std::tm& local);
