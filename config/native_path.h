#pragma once

#include <filesystem>
#include <string>

// File names reach the core as the bytes the system's narrow file calls
// take: the ANSI code page on Windows, UTF-8 elsewhere. A std::filesystem
// path made straight from such bytes is not always the same file: MinGW's
// library reads them as UTF-8 on Windows. These give the path the narrow
// calls would open.
std::filesystem::path nativePath(const std::string& bytes);
// The other way: the bytes of `path` for the narrow calls; false when it
// holds a character they cannot name.
bool nativeBytes(const std::filesystem::path& path, std::string& bytes);
