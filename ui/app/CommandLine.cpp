#include "ui/app/CommandLine.h"

#include "common/text/Ansi.h"
#include "shared/AsciiCase.h"

namespace quorva {

namespace {

// What separates arguments for the C runtime: not the blanks of an expression.
bool IsArgumentGap(wchar_t c) { return c == L' ' || c == L'\t'; }

bool SameName(std::wstring_view a, std::wstring_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  }
  return true;
}

}  // namespace

std::vector<std::wstring> SplitArguments(std::wstring_view line) {
  size_t i = 0;
  // The program's name ends at the closing quote, or at the first blank when it is not quoted.
  if (i < line.size() && line[i] == L'"') {
    ++i;
    while (i < line.size() && line[i] != L'"') ++i;
    if (i < line.size()) ++i;
  } else {
    while (i < line.size() && !IsArgumentGap(line[i])) ++i;
  }

  std::vector<std::wstring> args;
  for (;;) {
    while (i < line.size() && IsArgumentGap(line[i])) ++i;
    if (i >= line.size()) break;
    std::wstring arg;
    bool quoted = false;
    while (i < line.size() && (quoted || !IsArgumentGap(line[i]))) {
      size_t slashes = 0;
      while (i < line.size() && line[i] == L'\\') ++slashes, ++i;
      if (i < line.size() && line[i] == L'"') {
        // 2n backslashes and a quote: n backslashes, and the quote opens or closes; 2n + 1: n
        // backslashes and a literal quote. Two quotes inside quotes are one literal quote.
        arg.append(slashes / 2, L'\\');
        if (slashes % 2 == 1) {
          arg += L'"';
        } else if (quoted && i + 1 < line.size() && line[i + 1] == L'"') {
          arg += L'"';
          ++i;
        } else {
          quoted = !quoted;
        }
        ++i;
      } else {
        arg.append(slashes, L'\\');
        if (i < line.size() && (quoted || !IsArgumentGap(line[i]))) arg += line[i++];
      }
    }
    args.push_back(std::move(arg));
  }
  return args;
}

StartOptions ParseStartOptions(const std::vector<std::wstring>& arguments) {
  StartOptions options;
  std::wstring appendArg;
  for (const std::wstring& arg : arguments) {
    if (arg.empty()) continue;  // an empty placeholder from a tool menu names nothing
    const std::wstring_view name = std::wstring_view(arg).substr(1);
    const bool option = arg[0] == L'/' || arg[0] == L'-';
    if (option && SameName(name, L"selection")) {
      options.Selection = true;
    } else if (option && SameName(name, L"group")) {
      options.Group = true;
    } else if (option && SameName(name, L"wide")) {
      options.Wide = true;
    } else if (option && SameName(name, L"now")) {
      options.Now = true;
    } else if (option && SameName(name, L"append")) {
      options.Append = true;
      appendArg = arg;
    } else if (option && SameName(name, L"nohistory")) {
      options.NoHistory = true;
    } else if (option && SameName(name, L"round:half")) {
      options.Round = Rounding::kHalf;
    } else if (option && SameName(name, L"round:down")) {
      options.Round = Rounding::kDown;
    } else if (option && SameName(name, L"round:up")) {
      options.Round = Rounding::kUp;
    } else if (option && name.size() > 7 && SameName(name.substr(0, 7), L"hotkey:") && ParseHotKey(name.substr(7))) {
      options.Resident = ParseHotKey(name.substr(7));
    } else if (option && name.size() == 8 && SameName(name.substr(0, 7), L"places:") && name[7] >= L'0' &&
               name[7] <= L'9') {
      options.Places = name[7];
    } else {
      options.Rejected.push_back(arg);
    }
  }
  // Appending is a way of working in place: alone it would do nothing, which the user should hear of.
  if (options.Append && !options.Now && !options.Resident) {
    options.Rejected.push_back(appendArg);
    options.Append = false;
  }
  return options;
}

std::u16string RejectedArgumentsText(const std::vector<std::wstring>& rejected) {
  std::u16string text = u"次の起動オプションは使えないため、無視しました。\r";
  for (const std::wstring& arg : rejected) text += u"\r    " + FromWide(arg);
  text += u"\r\r使えるオプション:\r    /selection   /group   /wide   /nohistory\r    /places:N (N は 0～9 の数字)\r    /now   /now /append\r    /round:half   /round:down   /round:up\r    /hotkey:キー (例: /hotkey:Ctrl+Alt+Q)";
  return text;
}

}  // namespace quorva
