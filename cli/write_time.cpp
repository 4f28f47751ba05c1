#include "cli/write_time.h"

#include <cerrno>
#include <cstdlib>
#include <limits>

#include "config/script_writer.h"

namespace {

bool parseEpoch(const std::string& text, std::time_t& seconds) {
  if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) return false;
  errno = 0;
  const unsigned long long value = std::strtoull(text.c_str(), nullptr, 10);
  if (errno == ERANGE || value > static_cast<unsigned long long>(std::numeric_limits<std::time_t>::max()))
    return false;
  seconds = static_cast<std::time_t>(value);
  return true;
}

bool toUtc(std::time_t seconds, std::tm& utc) {
#ifdef _WIN32
  return gmtime_s(&utc, &seconds) == 0;
#else
  return gmtime_r(&seconds, &utc) != nullptr;
#endif
}

}  // namespace

bool toolWriteTime(const std::optional<std::string>& sourceDateEpoch, std::tm& when, std::string& error) {
  if (!sourceDateEpoch) {
    when = CurrentLocalTime();
    return true;
  }
  std::time_t seconds = 0;
  std::tm utc{};
  if (!parseEpoch(*sourceDateEpoch, seconds) || !toUtc(seconds, utc)) {
    error = "SOURCE_DATE_EPOCH must be a whole number of seconds since 1970-01-01 00:00:00 UTC, not '" +
            *sourceDateEpoch + "'";
    return false;
  }
  when = utc;
  return true;
}
