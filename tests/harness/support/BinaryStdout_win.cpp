// Standard output in binary mode for the test programs under Wine: CTest reads their list of
// tests (--gtest_list_tests), and text mode would end every line with CR LF.
#include <fcntl.h>
#include <io.h>

#include <cstdio>

namespace {
[[maybe_unused]] const int kBinaryStdout = _setmode(_fileno(stdout), _O_BINARY);
}  // namespace
