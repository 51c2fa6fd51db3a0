#pragma once
// What the stand-in editor's main window and its "TEditor" child share; private to the stand-in editor.
#include <windows.h>

#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "Chaos.h"
#include "EditorCore.h"
#include "Zoo.h"
#include "common/windows/Handles.h"

namespace qeditor {

struct EditorState {
  EditorCore core;
  Zoo zoo;
  CloseAfter closeAfter;
  std::optional<Chaos> chaos;
  std::map<UINT, int64_t> received;  // every message the "TEditor" window got, by number
  std::wstring file;
  HWND main = nullptr;
  HWND edit = nullptr;
  quorva::Font font;
  int lineHeight = 16;
  int reloads = 0;
  bool quitOnClose = false;
  bool chars = false;    // positions count characters, not bytes
  bool unicode = false;  // a Unicode window: W messages, positions in characters
  WNDPROC realProc = nullptr;  // --real: the system control's own window procedure
};

EditorState* StateOf(HWND window);

// After the text or the selection changed: keeps the caret in view and repaints.
void Changed(EditorState& s);
void Paint(HWND window, EditorState& s);

// The window procedure of the "TEditor" child.
LRESULT CALLBACK EditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace qeditor
