#pragma once
// A clipboard-history program, as Windows' own and many others are: a thread of its own that
// reads the text at every change of the clipboard. A polite one leaves alone what is marked with
// "ExcludeClipboardContentFromMonitorProcessing"; a naive one reads everything.
#include <windows.h>

#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace quorva::test {

class ClipboardMonitor {
 public:
  explicit ClipboardMonitor(bool polite);  // returns once it listens
  ~ClipboardMonitor();
  ClipboardMonitor(const ClipboardMonitor&) = delete;
  ClipboardMonitor& operator=(const ClipboardMonitor&) = delete;

  std::vector<std::wstring> Seen();  // every text it kept, in order

 private:
  void Run();
  void OnChange(HWND window);

  const bool polite_;
  HANDLE ready_;
  DWORD thread_ = 0;
  std::thread runner_;
  std::mutex mutex_;
  std::vector<std::wstring> seen_;
};

}  // namespace quorva::test
