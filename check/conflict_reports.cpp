#include "check/conflict_reports.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace {

using Positions = std::vector<std::uint32_t>;

// The runs of shared vectors each entry is in. Only the first limit + 1
// entries of a run can be among anyone's first `limit` partners.
class VectorRuns {
 public:
  explicit VectorRuns(const std::vector<CheckEntry>& entries)
      : holders_(sortedVectorHolders(entries)), runsOf_(entries.size()) {
    forEachSharedRun(holders_, [&](std::size_t run, std::size_t end) {
      for (std::size_t member = run; member < end; ++member) runsOf_[holders_[member].second].push_back({run, end});
    });
  }

  // The entries that share a vector with `entry`, at least its first `limit`, in list order.
  void partners(std::uint32_t entry, std::size_t limit, Positions& found) const {
    found.clear();
    for (const auto& [run, end] : runsOf_[entry])
      for (std::size_t head = run; head < std::min(end, run + limit + 1); ++head)
        if (holders_[head].second != entry) found.push_back(holders_[head].second);
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
  }

 private:
  VectorHolders holders_;
  std::vector<std::vector<std::pair<std::size_t, std::size_t>>> runsOf_;  // each entry's shared runs
};

// Entries sorted by register address, each with its area's last word; finds
// those whose area overlaps a given one, and forgets an entry that needs no
// more partners.
class AreaIndex {
 public:
  AreaIndex(const std::vector<CheckEntry>& entries, const std::vector<std::uint32_t>& enabled) : entries_(entries) {
    order_ = enabled;
    std::sort(order_.begin(), order_.end(), [&](std::uint32_t a, std::uint32_t b) {
      return entries_[a].registerAddress < entries_[b].registerAddress;
    });
    slotOf_.assign(entries.size(), 0);
    for (std::size_t k = 0; k < order_.size(); ++k) slotOf_[order_[k]] = k;
    while (leaves_ < order_.size()) leaves_ *= 2;
    largest_.assign(2 * leaves_, kGone);
    for (std::size_t k = 0; k < order_.size(); ++k) largest_[leaves_ + k] = lastWordOf(entries_[order_[k]]);
    for (std::size_t node = leaves_ - 1; node > 0; --node)
      largest_[node] = std::max(largest_[2 * node], largest_[2 * node + 1]);
  }

  // The entries n such that n's register address is at most the entry's last
  // word and n's last word at least its register address.
  void overlapping(const CheckEntry& entry, Positions& found) const {
    found.clear();
    const std::int64_t last = lastWordOf(entry);
    const auto end = std::upper_bound(order_.begin(), order_.end(), last, [&](std::int64_t value, std::uint32_t i) {
      return value < entries_[i].registerAddress;
    });
    collect(1, 0, leaves_, static_cast<std::size_t>(end - order_.begin()), entry.registerAddress, found);
  }

  void forget(std::uint32_t entry) {
    std::size_t node = leaves_ + slotOf_[entry];
    largest_[node] = kGone;
    for (node /= 2; node > 0; node /= 2) largest_[node] = std::max(largest_[2 * node], largest_[2 * node + 1]);
  }

 private:
  static constexpr std::int64_t kGone = std::numeric_limits<std::int64_t>::min();

  void collect(std::size_t node, std::size_t from, std::size_t to, std::size_t end, std::int64_t atLeast,
               Positions& found) const {
    if (from >= end || largest_[node] < atLeast) return;
    if (to - from == 1) {
      found.push_back(order_[from]);
      return;
    }
    const std::size_t middle = (from + to) / 2;
    collect(2 * node, from, middle, end, atLeast, found);
    collect(2 * node + 1, middle, to, end, atLeast, found);
  }

  const std::vector<CheckEntry>& entries_;
  std::vector<std::uint32_t> order_;
  std::vector<std::size_t> slotOf_;
  std::size_t leaves_ = 1;
  std::vector<std::int64_t> largest_;  // the largest last word under each node of a segment tree
};

// For each enabled entry, its first `limit` partners by area, in list order:
// each entry in turn is given to those it overlaps that still need partners.
std::vector<Positions> areaPartners(const std::vector<CheckEntry>& entries, std::size_t limit) {
  std::vector<std::uint32_t> enabled;
  for (std::size_t i = 0; i < entries.size(); ++i)
    if (!entries[i].disabled) enabled.push_back(static_cast<std::uint32_t>(i));
  AreaIndex index(entries, enabled);
  std::vector<Positions> partners(entries.size());
  Positions found;
  for (std::uint32_t n : enabled) {
    index.overlapping(entries[n], found);
    for (std::uint32_t l : found) {
      if (l == n) continue;
      partners[l].push_back(n);
      if (partners[l].size() == limit) index.forget(l);
    }
  }
  return partners;
}

}  // namespace

VectorHolders sortedVectorHolders(const std::vector<CheckEntry>& entries) {
  VectorHolders holders;
  for (std::size_t i = 0; i < entries.size(); ++i)
    if (!entries[i].disabled)
      for (std::int32_t vector : entries[i].vectors) holders.emplace_back(vector, static_cast<std::uint32_t>(i));
  std::sort(holders.begin(), holders.end());
  holders.erase(std::unique(holders.begin(), holders.end()), holders.end());
  return holders;
}

void forEachReport(const std::vector<CheckEntry>& entries, std::size_t limit,
                   const std::function<void(std::size_t entry, const std::vector<ReportBlock>& blocks)>& visit) {
  const VectorRuns runs(entries);
  const std::vector<Positions> byArea = areaPartners(entries, limit);
  constexpr std::uint32_t kNone = std::numeric_limits<std::uint32_t>::max();
  Positions shared;
  std::vector<ReportBlock> blocks;
  // The first `limit` of both lists together, in list order; a partner in
  // both is one block with both causes.
  for (std::size_t l = 0; l < entries.size(); ++l) {
    runs.partners(static_cast<std::uint32_t>(l), limit, shared);
    const Positions& overlapping = byArea[l];
    blocks.clear();
    std::size_t i = 0, j = 0;
    while (blocks.size() < limit && (i < shared.size() || j < overlapping.size())) {
      const std::uint32_t next = std::min(i < shared.size() ? shared[i] : kNone,
                                          j < overlapping.size() ? overlapping[j] : kNone);
      ReportBlock block{next, false, false};
      if (i < shared.size() && shared[i] == next) {
        block.sharedVector = true;
        ++i;
      }
      if (j < overlapping.size() && overlapping[j] == next) {
        block.overlap = true;
        ++j;
      }
      blocks.push_back(block);
    }
    visit(l, blocks);
  }
}
