#pragma once
// One round of the whole program against the chaos editor: the editor started with --chaos SEED
// (its text and selection come from the seed), quorva.exe started on one road, every report box
// read and dismissed, and what must hold afterwards checked. Roads are rows of a table, so that a
// new road is one row and one function.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "Chaos.h"
#include "tests/harness/support/EditorProcess.h"
#include "tests/harness/support/Processes.h"

namespace quorva::test {

struct ChaosRound {
  uint64_t seed = 0;
  qeditor::ChaosScene scene;
  std::optional<EditorProcess> editor;
  std::optional<Process> quorva;
  HWND window = nullptr;
  std::vector<std::wstring> reports;  // every box Quorva showed, in order
  std::vector<std::string> faults;    // what did not hold
  std::string outcome;                // how the round ended, for the run's tally

  void Fault(const std::string& what) { faults.push_back(what); }
  HWND Item(int id) const { return GetDlgItem(window, id); }
  // Waits until done() holds, reading and closing every box that Quorva shows meanwhile.
  bool Await(const std::function<bool()>& done, DWORD timeoutMs = 20000);
};

struct ChaosRoad {
  const char* name;
  const wchar_t* args;  // quorva.exe's command line
  void (*play)(ChaosRound& round, const ChaosRoad& road);
  bool wide;            // the answer in full width
  bool append = false;  // /now /append: the answer follows the expression
};

// The roads, one per seed in turn (seed modulo their number).
const std::vector<ChaosRoad>& ChaosRoads();

struct ChaosResult {
  std::vector<std::string> faults;  // what did not hold (nothing when everything did)
  std::string outcome;
};
ChaosResult PlayChaosRound(uint64_t seed);

}  // namespace quorva::test
