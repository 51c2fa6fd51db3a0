// Every Windows test program, and every quorva.exe it starts, keeps its application data (the
// expression history) in a temporary folder of its own, removed at exit: no test writes into
// the user's folders or sees what another test left there.
#include "tests/harness/support/TempFile.h"

namespace {

struct TempAppData {
  quorva::test::TempFolder folder{L"appdata"};
  quorva::test::ScopedEnvironment variable{L"APPDATA", folder.Path()};
};

const TempAppData kTempAppData;

}  // namespace
