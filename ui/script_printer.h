#pragma once

#include <string>
#include <vector>

class QPrinter;

// Prints the lines in Times New Roman 12 pt (or the closest font the system
// has), each indented by the width of "WW", pages as paginate() cuts them.
void printScriptLines(QPrinter& printer, const std::vector<std::string>& lines);
