#pragma once
// What quorva-target.exe does with the keys: its modes and timings, from the command line or
// picked from a seed.
#include <windows.h>

#include <string>

namespace qtarget {

struct Behaviour {
  std::wstring copyMode = L"prompt";   // prompt, late, twice, newline, never, on-release
  std::wstring pasteMode = L"prompt";  // prompt, late, late-twice, early, never
  UINT lateCopyMs = 300;
  UINT secondWriteMs = 40;
  UINT lateReadMs = 500;
  UINT secondReadMs = 100;
};

// Modes and timings at random from the seed, within what programs do: a late copy comes within
// 0.8 s, a second write within 60 ms, a late paste read within 1.2 s and its second read within
// 200 ms; an early reader (one that reads the clipboard at each change, as a paste button does)
// pastes at once.
Behaviour PickAtRandom(unsigned seed);

}  // namespace qtarget
