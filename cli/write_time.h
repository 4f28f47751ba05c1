#pragma once

#include <ctime>
#include <optional>
#include <string>

// The moment the tool stamps as the date of writing: the current local time,
// or, when SOURCE_DATE_EPOCH is given, that instant in UTC so that builds and
// tests get the same bytes every time. False, with a message, when the
// variable holds anything but a whole number of seconds.
bool toolWriteTime(const std::optional<std::string>& sourceDateEpoch, std::tm& when, std::string& error);
