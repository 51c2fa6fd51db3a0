#pragma once
// --chaos SEED: an editor that answers every edit message within the edit-control contract, but
// at random from the seed: how EM_GETSEL answers, byte limits that change from message to message,
// an occasional delay, refusal (read-only) for a while, closing at some message; and whether it
// counts bytes or characters, as an ANSI or a Unicode window. The seed also
// makes the text it starts with. Plain C++, so that a test computes the same scene from the seed.
#include <cstddef>
#include <cstdint>
#include <random>
#include <string>

#include "Zoo.h"

namespace qeditor {

// What the editor starts with for a seed: CP932 bytes with double-byte characters at piece
// boundaries, line breaks (sometimes none for a long stretch), now and then zero bytes, and a
// selection that holds an expression "A*B" or "A+B", often near positions 65535/65536.
struct ChaosScene {
  std::string text;
  size_t selStart = 0;
  size_t selEnd = 0;
  std::string expression;  // the selected bytes
  long long value = 0;     // what the expression comes to
};
ChaosScene MakeChaosScene(uint64_t seed);

// How the editor of a seed counts and speaks: bytes or characters, an ANSI or a Unicode window.
struct ChaosKind {
  bool chars = false;
  bool unicode = false;
};
ChaosKind MakeChaosKind(uint64_t seed);

// How the editor answers one edit message.
struct ChaosAnswer {
  bool answer = true;    // false: ignored and answered 0, as by a window that has gone
  bool close = false;    // true once: the editor closes itself now
  uint32_t delayMs = 0;  // pause before answering
  bool readOnly = false;
  size_t giveLimit = 0;  // bytes handed out by this message, 0 for no limit
  size_t takeLimit = 0;  // bytes taken by this message
};

class Chaos {
 public:
  explicit Chaos(uint64_t seed);
  // The seed's way of answering EM_GETSEL; it stays for the whole run.
  GetSelMode GetSel() const { return getSel_; }
  // An edit message has arrived. Under Wine a WM_GETTEXTLENGTH from another process is answered
  // through a WM_GETTEXT that follows it: that one hands out everything, so that the length
  // stays true (an edit control may overstate its length, never understate it).
  ChaosAnswer Next(unsigned message);

 private:
  size_t Limit(int noneInTen, size_t most);
  bool OneIn(int n) { return std::uniform_int_distribution<int>(1, n)(rng_) == 1; }

  std::mt19937_64 rng_;
  GetSelMode getSel_ = GetSelMode::kBoth;
  int64_t closeAt_ = -1;     // the message at which it closes; -1: never
  int readOnlyOdds_ = 0;     // 1 in this many messages starts a read-only spell; 0: never
  bool limits_ = false;      // whether byte limits apply at all
  int64_t count_ = 0;
  int readOnlyLeft_ = 0;
  unsigned last_ = 0;
  bool closed_ = false;
};

}  // namespace qeditor
