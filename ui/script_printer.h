#pragma once

#include <string>
#include <string_view>
#include <vector>

class QPrinter;
class QString;

// A print line as the user sees it: script bytes one character each, as the
// editor shows them; the header's file name line as paths are shown.
QString printLineText(std::string_view line);

// Prints the lines in Times New Roman 12 pt (or the closest font the system
// has), each indented by the width of "WW", pages as paginate() cuts them,
// every page in as many copies as the print dialog asked for. False when the
// printer could not be started.
bool printScriptLines(QPrinter& printer, const std::vector<std::string>& lines);
