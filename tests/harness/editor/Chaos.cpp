#include "Chaos.h"

#include <algorithm>

namespace qeditor {
namespace {

// Double-byte characters of code page 932, among them one whose second byte is a backslash
// and one whose second byte is "|", which byte-wise code mistakes for single-byte characters.
constexpr const char* kWide[] = {"\x82\xa0", "\x8a\xbf", "\x95\x5c", "\x83\x7c", "\x81\x40", "\x88\x9f"};

uint64_t Mix(uint64_t seed) {
  // Neighbouring seeds start far apart.
  seed += 0x9E3779B97F4A7C15ull;
  seed = (seed ^ (seed >> 30)) * 0xBF58476D1CE4E5B9ull;
  seed = (seed ^ (seed >> 27)) * 0x94D049BB133111EBull;
  return seed ^ (seed >> 31);
}

// Filler of about `size` bytes: letters, double-byte characters, now and then a line break.
void Fill(std::mt19937_64& rng, std::string& text, size_t size, bool breaks, bool zeros) {
  std::uniform_int_distribution<int> pick(0, 99);
  const size_t goal = text.size() + size;
  while (text.size() < goal) {
    const int p = pick(rng);
    if (p < 25) text += kWide[static_cast<size_t>(pick(rng)) % std::size(kWide)];
    else if (p < 27 && breaks) text += "\r\n";
    else if (p < 28 && zeros) text += '\0';
    else text += static_cast<char>('a' + p % 26);
  }
}

}  // namespace

ChaosScene MakeChaosScene(uint64_t seed) {
  std::mt19937_64 rng(Mix(seed));
  std::uniform_int_distribution<int> pick(0, 99);
  ChaosScene scene;
  const int a = 1 + pick(rng), b = 1 + pick(rng) % 50;
  const bool times = pick(rng) < 50;
  scene.expression = std::to_string(a) + (times ? "*" : "+") + std::to_string(b);
  scene.value = times ? static_cast<long long>(a) * b : a + b;
  const bool breaks = pick(rng) < 70;
  const bool zeros = pick(rng) < 15;
  // Where the expression starts: near 65536 most of the time, else anywhere in a short text.
  size_t at = 0;
  const int where = pick(rng);
  if (where < 60) at = 65536 - 4 + static_cast<size_t>(pick(rng) % 8);
  else if (where < 75) at = 65536 + 4000 + static_cast<size_t>(pick(rng)) * 40;
  else at = static_cast<size_t>(pick(rng));
  // The text before: filler, then a double-byte character right before the expression at times.
  Fill(rng, scene.text, at > 2 ? at - 2 : 0, breaks, zeros);
  if (scene.text.size() > at) scene.text.resize(at);
  // Never end the filler on a lone lead byte: the expression would be swallowed into it.
  while (scene.text.size() < at) scene.text += pick(rng) < 50 || scene.text.size() + 2 > at ? 'x' : ' ';
  for (size_t i = 0; i < scene.text.size();) {
    const auto c = static_cast<unsigned char>(scene.text[i]);
    const bool lead = (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
    if (lead && i + 1 == scene.text.size()) scene.text[i] = 'y';
    i += lead ? 2 : 1;
  }
  scene.selStart = scene.text.size();
  scene.text += scene.expression;
  scene.selEnd = scene.text.size();
  if (pick(rng) < 50) scene.text += kWide[static_cast<size_t>(pick(rng)) % std::size(kWide)];
  Fill(rng, scene.text, static_cast<size_t>(pick(rng)) * (pick(rng) < 30 ? 700 : 3), breaks, zeros);
  return scene;
}

ChaosKind MakeChaosKind(uint64_t seed) {
  // Its own stream, so that the scene and the answers of a seed stay what they were.
  std::mt19937_64 rng(Mix(seed) ^ 0x6B1Dull);
  const int pick = std::uniform_int_distribution<int>(0, 2)(rng);
  return ChaosKind{pick != 0, pick == 2};
}

Chaos::Chaos(uint64_t seed) : rng_(Mix(seed) ^ 0xC4A05ull) {
  const int mode = OneIn(3) ? 0 : (OneIn(2) ? 1 : 2);
  getSel_ = mode == 0 ? GetSelMode::kBoth : (mode == 1 ? GetSelMode::kPacked : GetSelMode::kMinusOne);
  if (OneIn(6)) closeAt_ = std::uniform_int_distribution<int64_t>(1, 80)(rng_);
  if (OneIn(5)) readOnlyOdds_ = 30;
  limits_ = !OneIn(3);
}

size_t Chaos::Limit(int noneInTen, size_t most) {
  if (!limits_ || std::uniform_int_distribution<int>(0, 9)(rng_) < noneInTen) return 0;
  return std::uniform_int_distribution<size_t>(1, most)(rng_);
}

ChaosAnswer Chaos::Next(unsigned message) {
  ChaosAnswer a;
  const bool measuring = last_ == 0x000E && message == 0x000D;  // WM_GETTEXTLENGTH, WM_GETTEXT
  last_ = message;
  if (closed_) {
    a.answer = false;
    return a;
  }
  if (closeAt_ >= 0 && ++count_ > closeAt_) {
    closed_ = true;
    a.answer = false;
    a.close = true;
    return a;
  }
  if (readOnlyLeft_ > 0) {
    --readOnlyLeft_;
    a.readOnly = true;
  } else if (readOnlyOdds_ > 0 && OneIn(readOnlyOdds_)) {
    readOnlyLeft_ = std::uniform_int_distribution<int>(1, 20)(rng_);
    a.readOnly = true;
  }
  if (OneIn(60)) a.delayMs = std::uniform_int_distribution<uint32_t>(1, 20)(rng_);
  // Now and then only a few bytes, as little as one.
  a.giveLimit = measuring ? 0 : Limit(8, OneIn(4) ? 7 : 4096);
  a.takeLimit = Limit(6, 8);
  return a;
}

}  // namespace qeditor
