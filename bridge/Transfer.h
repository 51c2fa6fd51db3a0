#pragma once
// The piecewise transfers of the bridge, for editors that hand out or take fewer units per
// message than asked. Both go through the bridge's public members.
#include <cstdint>
#include <string>

#include "bridge/RetryTrap.h"
#include "bridge/clsTeraPad.h"

namespace quorva {

// Where the rest of a text goes: right after the units the editor took so far.
struct Placement {
  int32_t origin = 0;       // where the first unit went (only its low 16 bits when !known)
  bool originKnown = true;  // false: the caret the editor left is used, checked by 16 bits
};

// Puts text[written..] (units of the editor's control) into the editor in pieces of at least
// `piece` units, each placed right after what it holds of them. Returns how many units of the
// text the editor holds in the end
// (less than the whole when it stops taking), or -1 when the trap has reported an error.
int32_t PutRest(clsTeraPad& bridge, RetryTrap& trap, const Units& text, int32_t n, int32_t written,
                int32_t piece, const Placement& at);

// Reads the whole text from an editor that hands out `first`, the first part of its `length`
// units, by cutting pieces off the front and putting them back afterwards. A cut counts only if
// the length shrank by exactly the piece. Anything short of the whole text is reported, once, and
// gives false; the editor's text is put back either way.
bool ReadInPieces(clsTeraPad& bridge, RetryTrap& trap, int32_t length, Units first, Units& result);

}  // namespace quorva
