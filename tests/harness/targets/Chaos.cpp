#include <random>

#include "Target.h"

namespace qtarget {
namespace {

// Each mode with its weight in a hundred.
struct Weighted {
  const wchar_t* mode;
  int weight;
};

constexpr Weighted kCopies[] = {{L"prompt", 30}, {L"late", 20}, {L"twice", 15}, {L"newline", 10},
                                {L"on-release", 15}, {L"never", 10}};
constexpr Weighted kPastes[] = {{L"prompt", 35}, {L"late", 20}, {L"late-twice", 20}, {L"early", 15}, {L"never", 10}};

template <size_t N>
const wchar_t* Pick(const Weighted (&table)[N], std::mt19937& random) {
  int roll = std::uniform_int_distribution<int>(0, 99)(random);
  for (const Weighted& row : table) {
    if ((roll -= row.weight) < 0) return row.mode;
  }
  return table[0].mode;
}

UINT Between(UINT low, UINT high, std::mt19937& random) {
  return std::uniform_int_distribution<UINT>(low, high)(random);
}

}  // namespace

Behaviour PickAtRandom(unsigned seed) {
  std::mt19937 random(seed);
  Behaviour b;
  b.copyMode = Pick(kCopies, random);
  b.pasteMode = Pick(kPastes, random);
  b.lateCopyMs = Between(50, 800, random);
  b.secondWriteMs = Between(1, 60, random);
  b.lateReadMs = Between(50, 1200, random);
  b.secondReadMs = Between(10, 200, random);
  return b;
}

}  // namespace qtarget
