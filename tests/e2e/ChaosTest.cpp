// The whole program against the chaos editor, one round per seed. The default run takes the
// first QUORVA_CHAOS_ROUNDS seeds (20 unless set: the test has two minutes); QUORVA_CHAOS_FIRST
// moves the first one, and QUORVA_CHAOS_SEED replays a single seed.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <map>

#include "tests/e2e/ChaosRound.h"

namespace quorva::test {
namespace {

uint64_t Setting(const char* name, uint64_t fallback) {
  const char* value = std::getenv(name);
  return value && *value ? std::strtoull(value, nullptr, 10) : fallback;
}

TEST(Chaos, NothingEscapesAndNothingIsLost) {
  const char* one = std::getenv("QUORVA_CHAOS_SEED");
  const uint64_t first = one && *one ? Setting("QUORVA_CHAOS_SEED", 0) : Setting("QUORVA_CHAOS_FIRST", 1);
  const uint64_t rounds = one && *one ? 1 : Setting("QUORVA_CHAOS_ROUNDS", 20);
  const auto began = std::chrono::steady_clock::now();
  uint64_t failed = 0;
  std::map<std::string, int> tally;
  for (uint64_t seed = first; seed < first + rounds; ++seed) {
    const ChaosResult result = PlayChaosRound(seed);
    ++tally[result.outcome.empty() ? "other" : result.outcome];
    const auto& faults = result.faults;
    if (faults.empty()) continue;
    ++failed;
    std::string what;
    for (const auto& f : faults) what += "\n    " + f;
    ADD_FAILURE() << "seed " << seed << " (" << ChaosRoads()[seed % ChaosRoads().size()].name << "):" << what
                  << "\n  replay: QUORVA_CHAOS_SEED=" << seed
                  << " scripts/with-xvfb.sh ctest --preset windows -R e2e.Chaos --output-on-failure";
  }
  const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
  std::cout << "chaos: " << rounds << " rounds from seed " << first << ", " << failed << " failed, " << seconds
            << " s\n";
  for (const auto& [outcome, count] : tally) std::cout << "  " << outcome << ": " << count << "\n";
}

}  // namespace
}  // namespace quorva::test
