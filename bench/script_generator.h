#pragma once

#include <string>

// A script of `devices` devices, alternately an MSCP disk controller and a
// DL11 serial line, each with a comment line, a `load` line and several `set`
// lines, with unique names, registers and vectors so that no two devices
// collide. Lines end in CR LF as on disk.
std::string GenerateScript(int devices);
