#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "check/check_entry.h"

// One block of a device's conflict report: the other device, by its position
// among the entries, and what the two share.
struct ReportBlock {
  std::uint32_t other = 0;
  bool sharedVector = false;
  bool overlap = false;
};

// Visits every entry in list order with the first `limit` other enabled
// entries it collides with, in list order (none for a disabled entry or one
// without conflicts). Found without comparing every pair, in about n log n
// steps, for the reports of a whole script: a device names at most `limit`
// partners however many it has.
void forEachReport(const std::vector<CheckEntry>& entries, std::size_t limit,
                   const std::function<void(std::size_t entry, const std::vector<ReportBlock>& blocks)>& visit);
