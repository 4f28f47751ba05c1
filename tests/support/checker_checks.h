#pragma once

#include <gtest/gtest.h>

#include "check/conflict_checker.h"
#include "config/configuration.h"

// The document's checker, kept up to date change by change, against one
// built afresh from the configuration: same entries, same findings.
inline void expectCheckerMatchesAFreshOne(const ConflictChecker& kept, const Configuration& configuration) {
  ConflictChecker fresh;
  fresh.build(configuration);
  ASSERT_EQ(kept.entries().size(), fresh.entries().size());
  for (std::size_t i = 0; i < fresh.entries().size(); ++i) {
    const CheckEntry& a = kept.entries()[i];
    const CheckEntry& b = fresh.entries()[i];
    EXPECT_EQ(a.name, b.name) << i;
    EXPECT_EQ(a.vectors, b.vectors) << i;
    EXPECT_EQ(a.disabled, b.disabled) << i;
    EXPECT_EQ(a.hasConflict, b.hasConflict) << i;
  }
}
