#pragma once
// Every message box of the program goes through one replaceable function, so that tests read
// what would be shown instead of blocking on a modal box.
#include <cstdint>
#include <functional>
#include <string>

namespace quorva {

inline constexpr uint32_t kMbOk = 0x0000;
inline constexpr uint32_t kMbIconHand = 0x0010;
inline constexpr uint32_t kMbIconExclamation = 0x0030;
inline constexpr uint32_t kMbHelp = 0x4000;
inline constexpr int kIdOk = 1;

struct MessageBoxRequest {
  std::u16string Text;
  std::u16string Caption;
  uint32_t Style = kMbOk;
  std::u16string HelpFile;  // empty: no help
  int32_t HelpContext = 0;
};

using MessageBoxHandler = std::function<int(const MessageBoxRequest&)>;

// Installs a handler and returns the previous one. Until one is installed, boxes are not shown
// and ShowMessageBox answers IDOK.
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);
int ShowMessageBox(const MessageBoxRequest& request);

}  // namespace quorva
