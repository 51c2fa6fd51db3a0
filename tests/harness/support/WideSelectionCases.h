#pragma once
// Selections past the 16 bits of EM_GETSEL's packed answer, one row per case: read exactly, or
// reported once and nothing given. The same rows serve the bridge in-process and the whole
// program against the stand-in editor in another process.
#include <cstdint>
#include <string>
#include <vector>

#include "common/text/Ansi.h"
#include "tests/harness/editor/Zoo.h"

namespace quorva::test {

struct WideSelectionCase {
  const char* Name;
  qeditor::GetSelMode Mode;
  std::string Text;  // code page 932
  int64_t Start, End;
  std::u16string Expression;  // what is read: the selection, or nothing
  bool Reported;              // the one report says the editor's text cannot be read
};

inline std::vector<WideSelectionCase> WideSelectionCases() {
  using enum qeditor::GetSelMode;
  const std::string secondLine = std::string(69999, 'x') + "\r\n" + ToAnsi(u"合計 ") + "12*3" + ToAnsi(u" 円\r\n") +
                                 std::string(900, 'z');
  return {
      {"packed halves, selection from 65535 to 65537", kPacked,
       std::string(65535, 'a') + "12" + std::string(1000, 'b'), 65535, 65537, u"12", false},
      {"packed halves, 12*3 on the second line of 70 KB", kPacked, secondLine, 70006, 70010, u"12*3", false},
      {"-1 past 65535, 12*3 on the second line of 70 KB", kMinusOne, secondLine, 70006, 70010, u"12*3", false},
      {"output addresses, a caret past 65535 on one long line", kBoth, std::string(140000, 'a'), 70000, 70000, u"",
       false},
      {"packed halves, one line of 140 KB: no way to know", kPacked,
       std::string(70006, 'x') + "12*3" + std::string(70000, 'y'), 70006, 70010, u"", true},
  };
}

}  // namespace quorva::test
