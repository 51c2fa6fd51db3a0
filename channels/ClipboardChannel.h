#pragma once
// The clipboard channel: the editor face for a program that answers no edit message. It copies
// the selection with Ctrl+C and pastes the answer with Ctrl+V, as the user's hand would, and the
// user's clipboard comes back afterwards, whole and byte for byte.
//
// ReadSelection: waits until the user has let go of Ctrl, Shift, Alt and Win (kKeysHeld when they
// stay down), saves the whole clipboard, sends Ctrl+C and waits until the clipboard has changed and
// stopped changing. A line break that the copy ends with is kept back and put again at the end of
// what ReplaceSelection pastes, so that it comes back as the program gave it. Nothing copied:
// kEmpty, and the clipboard is as it was.
// ReplaceSelection: promises the text on the clipboard (delayed rendering, kept out of clipboard
// history and the cloud clipboard), sends Ctrl+V, serves the reads until they stop, and puts the
// user's clipboard back while the clipboard is still Quorva's. A target that never reads: the
// answer stays on the clipboard to paste by hand (kNotPasted).
// Every outcome's Detail names the clipboard formats that could not be kept, if any. The user's
// clipboard is back at the latest when the channel goes, on every road.
#include <windows.h>

#include <memory>

#include "channels/EditorFace.h"

namespace quorva {

// How long the channel waits for the user and the target; the defaults suit real programs.
struct ClipboardChannelOptions {
  DWORD KeysReleaseMs = 2000;   // for the user to let go of the shortcut's keys
  DWORD CopyDeadlineMs = 2000;  // for the first change of the clipboard after Ctrl+C
  DWORD CopyQuietMs = 200;      // without a further change: a program that writes twice has done
  DWORD PasteDeadlineMs = 3000; // for the target's first read after Ctrl+V
  DWORD ReadQuietMs = 500;      // without a further read: the target has taken the paste
};

std::unique_ptr<EditorFace> MakeClipboardChannel(HWND front, HWND focus, const ClipboardChannelOptions& options = {});

}  // namespace quorva
