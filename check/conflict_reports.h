#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "check/check_entry.h"

// One block of a device's conflict report: the other device, by its position
// among the entries, and what the two share.
struct ReportBlock {
  std::uint32_t other = 0;
  bool sharedVector = false;
  bool overlap = false;
};

// Every vector of every enabled entry with the entry, sorted by vector and then
// by entry, each pair once (an entry that lists a vector twice shares it with
// nobody): a run of one vector lists the entries that hold it in list order.
using VectorHolders = std::vector<std::pair<std::int32_t, std::uint32_t>>;
VectorHolders sortedVectorHolders(const std::vector<CheckEntry>& entries);

// Calls visit(first, end) for each run of holders [first, end) of one vector
// held by two entries or more.
template <class Visit>
void forEachSharedRun(const VectorHolders& holders, Visit visit) {
  for (std::size_t run = 0; run < holders.size();) {
    std::size_t end = run + 1;
    while (end < holders.size() && holders[end].first == holders[run].first) ++end;
    if (end - run > 1) visit(run, end);
    run = end;
  }
}

// Visits every entry in list order with the first `limit` other enabled
// entries it collides with, in list order (none for a disabled entry or one
// without conflicts). Found without comparing every pair, in about n log n
// steps, for the reports of a whole script: a device names at most `limit`
// partners however many it has.
void forEachReport(const std::vector<CheckEntry>& entries, std::size_t limit,
                   const std::function<void(std::size_t entry, const std::vector<ReportBlock>& blocks)>& visit);
