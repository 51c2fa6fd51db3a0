// Time from process start to the window shown, quorva.exe against a bare Win32 window, and the
// size of quorva.exe; and the time `quorva.exe /now` takes to put its answer into the editor
// against the start-up of a window with the calculator's thirteen controls. Prints figures; it is
// not a test.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "InPlaceTiming.h"

namespace {

std::wstring WindowsPath(const char* unixPath) {
  std::wstring path = L"Z:";
  for (const char* p = unixPath; *p; ++p) path += (*p == '/') ? L'\\' : static_cast<wchar_t>(*p);
  return path;
}

struct Search {
  DWORD pid;
  HWND found;
};

HWND VisibleWindowOf(DWORD pid) {
  Search s{pid, nullptr};
  EnumWindows(
      [](HWND h, LPARAM p) {
        auto* s = reinterpret_cast<Search*>(p);
        DWORD owner = 0;
        GetWindowThreadProcessId(h, &owner);
        if (owner == s->pid && IsWindowVisible(h) && !GetWindow(h, GW_OWNER)) {
          s->found = h;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&s));
  return s.found;
}

// Milliseconds from CreateProcess to a visible top-level window; -1 on failure.
double TimeToWindow(const std::wstring& exe) {
  quorva::StartedProcess started;
  HWND window = nullptr;
  const double ms = TimeUntil(exe, L"", [&](DWORD pid) { return (window = VisibleWindowOf(pid)) != nullptr; }, started);
  if (window) PostMessageW(window, WM_CLOSE, 0, 0);
  EndProcess(started);
  return ms;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? -1 : v[v.size() / 2];
}

}  // namespace

constexpr int kMemoLines = 200;

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 31;
  const std::wstring quorva = WindowsPath(QUORVA_EXE), bare = WindowsPath(QUORVA_BARE_EXE),
                     bareV6 = WindowsPath(QUORVA_BARE_V6_EXE), thirteen = WindowsPath(QUORVA_THIRTEEN_EXE);
  for (const std::wstring* exe : {&bare, &bareV6, &quorva, &thirteen}) TimeToWindow(*exe);  // warm caches and server
  std::vector<double> q, b, v, rounds, t, now, nowRounds, memo;
  {
    InPlaceTimer inPlace(WindowsPath(QUORVA_EDITOR_EXE));
    inPlace.Measure(quorva);
    for (int i = 0; i < runs; ++i) {  // interleaved, so drift affects all alike
      b.push_back(TimeToWindow(bare));
      v.push_back(TimeToWindow(bareV6));
      q.push_back(TimeToWindow(quorva));
      rounds.push_back(q.back() / v.back());
      t.push_back(TimeToWindow(thirteen));
      now.push_back(inPlace.Measure(quorva));
      nowRounds.push_back(now.back() / t.back());
      memo.push_back(inPlace.Measure(quorva, kMemoLines));
    }
  }
  double mq = Median(q), mb = Median(b), mv = Median(v), mr = Median(rounds), mt = Median(t), mn = Median(now);
  WIN32_FILE_ATTRIBUTE_DATA attr = {};
  GetFileAttributesExW(quorva.c_str(), GetFileExInfoStandard, &attr);
  double sizeKb = static_cast<double>(attr.nFileSizeLow) / 1024.0;
  std::printf("runs: %d each (median)\n", runs);
  std::printf("bare Win32 window: %8.1f ms\n", mb);
  std::printf("bare + controls v6: %7.1f ms  (the control library's share; ratio %.2f)\n", mv, mv / mb);
  std::printf("quorva.exe:        %8.1f ms\n", mq);
  std::printf("ratio:             %8.2f   (target under 1.20: %s)\n", mq / mb, mq / mb < 1.2 ? "met" : "NOT met");
  std::printf("ratio to bare + controls v6: %.2f  (median of each round's ratio: %.2f; target under 1.10: %s)\n",
              mq / mv, mr, mq / mv < 1.10 ? "met" : "NOT met");
  std::printf("13-control window:  %8.1f ms\n", mt);
  std::printf("quorva.exe /now:   %8.1f ms  (launch to the editor's text changed; below the 13-control window: %s)\n",
              mn, mn > 0 && mn < mt ? "met" : "NOT met");
  std::printf("ratio /now to the 13-control window: %.2f  (median of each round's ratio: %.2f)\n", mn / mt,
              Median(nowRounds));
  const double mm = Median(memo);
  std::printf("/now, %d-line memo: %6.1f ms  (below the 13-control window: %s)\n", kMemoLines, mm,
              mm > 0 && mm < mt ? "met" : "NOT met");
  std::printf("quorva.exe size:   %8.0f KB (target under 1024 KB: %s)\n", sizeKb, sizeKb < 1024 ? "met" : "NOT met");
  return 0;
}
