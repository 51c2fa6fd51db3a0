#pragma once
// The stand-in editor's windows: a top-level main window and its direct child of window class
// "TEditor", which answers the edit messages in CP932 byte positions.
#include <windows.h>

#include <cstdint>
#include <string>

#include "EditorCore.h"
#include "Zoo.h"

namespace qeditor {

// Sent to the "TEditor" window by a test driver: wParam becomes the byte limit (0: none), so the
// driver can read the whole text back after the bridge has worked under a limit.
constexpr UINT kSetLimitMessage = WM_APP + 1;
// Switches every behaviour of the zoo off (and the byte limits), so that the driver can read the
// true text back; a close that has already begun goes on. Answers 1.
constexpr UINT kZooOffMessage = WM_APP + 2;
// Answers how many edit messages (see IsEditMessage) the window has answered.
constexpr UINT kAnsweredMessage = WM_APP + 3;
// Answers the depth of the undo history.
constexpr UINT kUndoDepthMessage = WM_APP + 4;
// Answers how often the message numbered wParam has arrived since start-up, answered or not.
constexpr UINT kReceivedMessage = WM_APP + 5;

struct Options {
  std::string text;           // initial text, CP932 bytes
  std::wstring wideText;      // the same as given, for a real Unicode control (beyond CP932)
  std::wstring file;          // loaded at start when given (and text is empty); F5 reloads it
  int64_t selStart = 0;       // initial selection, byte positions as EM_SETSEL takes them
  int64_t selEnd = 0;
  size_t giveLimit = 0;       // bytes handed out per WM_GETTEXT, 0 for no limit
  size_t takeLimit = 0;       // bytes taken per EM_REPLACESEL or WM_PASTE, 0 for no limit
  size_t topLine = 0;         // first visible line
  std::wstring title = L"quorva-editor";
  int x = 40, y = 40, width = 560, height = 360;
  bool quitOnClose = false;   // the program ends when its window closes; tests keep running
  Zoo zoo;                    // behaviours of editors that answer otherwise
  int64_t chaos = -1;         // --chaos SEED: every edit message answered at random; -1: off
  bool unitChars = false;     // --unit chars: positions count characters (the length stays bytes)
  bool unicode = false;       // --unicode: a Unicode window, W messages, positions in characters
  std::wstring real;          // --real KIND: the system's own control instead of the core
};

// Reads a whole file as raw bytes. False when it cannot be opened or read.
bool ReadFileBytes(const std::wstring& path, std::string& bytes);

// Registers the window classes once per process (one kind of "TEditor" a process) and creates the main window with its "TEditor"
// child, filled from the options. Returns the main window, or nullptr.
HWND CreateEditorWindow(const Options& options);

// The "TEditor" child of a main window made by CreateEditorWindow.
HWND EditorChild(HWND mainWindow);
// The text behind a "TEditor" child (or its main window) in this process.
EditorCore* CoreOf(HWND window);
// How many times F5 has reloaded the file.
int ReloadCount(HWND mainWindow);

}  // namespace qeditor
