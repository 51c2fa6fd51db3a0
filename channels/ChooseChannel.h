#pragma once
// Which channel serves the window in front, decided once per run from the classes of the window
// and of its focused control and from the integrity level of its process: never from its text.
#include <windows.h>

#include <string>
#include <string_view>

namespace quorva {

enum class ChannelChoice {
  kMessage,           // an edit control the bridge drives by window messages
  kClipboard,         // any other window: the clipboard and synthesised keys
  kRefusedConsole,    // a console or terminal: Ctrl+C would interrupt the program running there
  kRefusedElevated,   // a process above Quorva's integrity level: the system drops our keys there
  kNone,              // nothing in front (no window, the desktop, the taskbar)
};

enum class Integrity { kNotHigher, kHigher };

// What the choice rests on. focus is the control the bridge would drive, or else the focused
// control (empty where there is none); focusReal is what RealGetWindowClass names for it.
struct FrontFacts {
  std::wstring front;
  std::wstring focus;
  std::wstring focusReal;
  Integrity integrity = Integrity::kNotHigher;
};

// The pure decision. Terminals are known by the class of their window or of its focused control:
// ConsoleWindowClass (the system's console), PseudoConsoleWindow (a console without a window of
// its own), CASCADIA_HOSTING_WINDOW_CLASS (Windows Terminal), mintty (Git Bash, Cygwin, MSYS2),
// PuTTY and KiTTY, VirtualConsoleClass (ConEmu, Cmder), org.wezfurlong.wezterm.
ChannelChoice ChooseChannel(const FrontFacts& facts);

// The facts of the window front and its focused control focus (either may be null), the
// integrity levels read from the processes' tokens. A level that cannot be read for the target
// while ours can is taken as higher: the system withholds a token from a caller below it.
FrontFacts ReadFront(HWND front, HWND focus);

// The window in front now, its focused control, and the choice for them: the choice of this run.
struct FrontChoice {
  ChannelChoice Choice = ChannelChoice::kNone;
  HWND Front = nullptr;
  HWND Focus = nullptr;
};
FrontChoice ChooseFrontChannel();

}  // namespace quorva
