#pragma once

#include <string>

// Reads a whole file as bytes; empty when it cannot be read.
std::string readBytes(const std::string& path);
// Writes bytes exactly; false on failure.
bool writeBytes(const std::string& path, const std::string& bytes);
// A fresh empty folder under the system's temporary folder, removed with
// its contents when the test program ends.
std::string makeTempDir();
