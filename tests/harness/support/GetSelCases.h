#pragma once
// What the stand-in editor answers to EM_GETSEL in each of its styles, one row per case: the same
// table serves its decision function in-process and the editor program across processes.
#include <cstddef>
#include <cstdint>

#include "tests/harness/editor/Zoo.h"

namespace quorva::test {

struct GetSelCase {
  const char* Name;
  qeditor::GetSelMode Mode;
  std::size_t Start, End;
  bool WritesOutputs;
  int64_t Result;  // the LRESULT
};

inline constexpr GetSelCase kGetSelCases[] = {
    {"both, small", qeditor::GetSelMode::kBoth, 3, 7, true, 0x00070003},
    {"both, across 65536", qeditor::GetSelMode::kBoth, 65534, 65537, true, 0x0001FFFE},
    {"packed, small", qeditor::GetSelMode::kPacked, 3, 7, false, 0x00070003},
    {"packed, across 65536", qeditor::GetSelMode::kPacked, 65534, 65537, false, 0x0001FFFE},
    {"packed, both past 65535", qeditor::GetSelMode::kPacked, 70001, 70002, false, 0x11721171},
    {"minus-one, small", qeditor::GetSelMode::kMinusOne, 3, 7, true, 0x00070003},
    {"minus-one, both at 65535 still fit", qeditor::GetSelMode::kMinusOne, 65535, 65535, true, 0xFFFFFFFF},
    {"minus-one, end past 65535", qeditor::GetSelMode::kMinusOne, 65534, 65536, true, -1},
    {"minus-one, both past 65535", qeditor::GetSelMode::kMinusOne, 70001, 70002, true, -1},
};

// The editor program's switch for a style.
constexpr const wchar_t* GetSelSwitch(qeditor::GetSelMode mode) {
  switch (mode) {
    case qeditor::GetSelMode::kBoth: return L"--getsel both";
    case qeditor::GetSelMode::kPacked: return L"--getsel packed";
    case qeditor::GetSelMode::kMinusOne: return L"--getsel minus-one";
  }
  return L"";
}

}  // namespace quorva::test
