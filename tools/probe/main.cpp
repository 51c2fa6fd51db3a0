// quorva-probe: the engine behind a line-oriented JSON interface, for scripted checks and
// differential testing. One reply line per input line, flushed at once so that a script can
// drive it as a co-process.
#include <iostream>
#include <string>

#include "tools/probe/Probe.h"

int main() {
  std::ios::sync_with_stdio(false);
  std::string line;
  bool first = true;
  while (std::getline(std::cin, line)) {
    if (first && line.starts_with("\xEF\xBB\xBF")) line.erase(0, 3);  // a byte-order mark
    first = false;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::cout << quorva::probe::ProbeLine(line) << '\n' << std::flush;
  }
  return std::cout ? 0 : 1;
}
