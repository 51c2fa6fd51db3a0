// libFuzzer target: the start-up option parser on arbitrary command lines.
//
// Input: UTF-16LE code units of a whole command line (the program's name first). Findings:
// crashes, undefined behaviour, and broken promises: arguments quoted as the C runtime expects
// and joined again split back into the same arguments; every argument is either read as an
// option or named among the rejected ones, in order; the places are one digit.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "ui/app/CommandLine.h"

namespace {

// One argument written so that the runtime's rules read it back as it is.
std::wstring Quote(const std::wstring& arg) {
  if (!arg.empty() && arg.find_first_of(L" \t\n\v\"") == std::wstring::npos) return arg;
  std::wstring out = L"\"";
  size_t slashes = 0;
  for (const wchar_t c : arg) {
    if (c == L'\\') {
      ++slashes;
      continue;
    }
    out.append(c == L'"' ? slashes * 2 + 1 : slashes, L'\\');
    slashes = 0;
    out += c;
  }
  out.append(slashes * 2, L'\\');
  return out + L"\"";
}

void Check(bool promise) {
  if (!promise) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::wstring line;
  for (size_t i = 0; i + 1 < size; i += 2) line += static_cast<wchar_t>(data[i] | data[i + 1] << 8);
  const std::vector<std::wstring> args = quorva::SplitArguments(line);

  std::wstring again = L"quorva.exe";
  for (const std::wstring& a : args) again += L" " + Quote(a);
  Check(quorva::SplitArguments(again) == args);

  const quorva::StartOptions options = quorva::ParseStartOptions(args);
  size_t rejected = 0, named = 0;
  for (const std::wstring& a : args) {
    if (rejected < options.Rejected.size() && options.Rejected[rejected] == a) ++rejected;
    if (!a.empty()) ++named;
  }
  Check(rejected == options.Rejected.size());
  Check(options.Rejected.size() <= named);
  Check(!options.Places || (*options.Places >= L'0' && *options.Places <= L'9'));
  Check(options.Rejected.empty() || !quorva::RejectedArgumentsText(options.Rejected).empty());
  return 0;
}
