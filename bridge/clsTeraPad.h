#pragma once
// The bridge to the outside editor: found once at creation (the foreground window and its direct
// "TEditor" child, or else its focused edit control), then driven by window messages in the
// control's own unit and character set (EditorControl). Members call each other through this
// public interface, virtual so that a test can put a failure in between; only the replacement's
// phases (Replacement) also read how the last selection read went.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <variant>

#include "bridge/EditorControl.h"
#include "bridge/EditorMessages.h"
#include "bridge/EditorFault.h"

namespace quorva {

class RetryTrap;

class clsTeraPad {
 public:
  // The second argument of Edit: a number or a text.
  using Any = std::variant<int32_t, std::wstring>;

  // Records the foreground window as the editor, unless it is the desktop or the taskbar; its
  // edit control is its direct "TEditor" child, or else its focused control where that is an
  // edit control (Edit and its superclasses, RichEdit, a deeper "TEditor").
  clsTeraPad();
  virtual ~clsTeraPad() = default;
  clsTeraPad(const clsTeraPad&) = delete;
  clsTeraPad& operator=(const clsTeraPad&) = delete;

  virtual HWND hWin() const;
  virtual void hWin(HWND value);
  virtual HWND hEdit() const;
  virtual void hEdit(HWND value);
  virtual std::wstring Path() const;
  virtual void Path(const std::wstring& value);
  virtual int32_t NowLineTop() const;
  virtual void NowLineTop(int32_t value);
  virtual int32_t NowLine() const;
  virtual void NowLine(int32_t value);

  // One editing message to hEdit (EM_UNDO, WM_CUT, WM_COPY, WM_PASTE, WM_CLEAR, EM_SETSEL,
  // EM_REPLACESEL); any other number sends nothing.
  virtual void Edit(int32_t lMode, const Any& vAny);

  virtual int32_t Length();
  virtual int32_t SelStart();
  virtual void SelStart(int32_t lSel);
  virtual int32_t SelLength();
  virtual void SelLength(int32_t lSel);
  virtual std::wstring Text();
  virtual void Text(const std::wstring& sText);
  // The editor's selection. (The form helper's clsForm::SelText, its namesake in the system's
  // documents, selects the whole text of a box of Quorva's own window instead.)
  virtual std::wstring SelText();
  virtual void SelText(const std::wstring& sText);
  // As SelText write, but the replacement is one undoable step: one undo in the editor gives the
  // selection back (where the editor takes the text whole).
  virtual void SelTextUndoable(const std::wstring& sText);
  virtual std::wstring Clip();
  virtual void Clip(const std::wstring& sText);
  virtual std::wstring File();
  virtual void File(const std::wstring& sText);
  virtual int32_t Line();
  virtual void Line(int32_t lLine);

  // What the last call from outside of a member that talks to the editor (Edit, Text, SelText,
  // SelTextUndoable, Clip, File) ended with. The bridge shows nothing itself: its caller tells
  // the user. The members without a trap raise their error to the caller instead.
  const CallOutcome& LastOutcome() const { return last_; }

  // How hEdit counts and speaks; made anew whenever hEdit changes.
  EditorControl& Control();

 private:
  // Replaces the selection with sText by send (EM_REPLACESEL or WM_PASTE) and continues where the
  // editor took only part of it. What cannot be completed is taken out again and the selected
  // units put back (where the selection was known exactly), then reported once.
  void ReplaceSelection(RetryTrap& trap, const std::wstring& sText, const std::function<void()>& send);
  class Replacement;  // its phases

  // Settles how the control counts, once per call from outside (members called inside it use the
  // same); reports the fault and gives false where its answers cannot settle it.
  bool Ready(RetryTrap& trap, EditorFault fault);

  // Whether the last selection read gave whole positions, not only their low 16 bits; and that read.
  bool selFull_ = true;
  Selection lastSel_;
  CallOutcome last_;
  int depth_ = 0;  // calls of members in progress
  EditorControl control_;
  HWND hWin_ = nullptr;
  HWND hEdit_ = nullptr;
  std::wstring path_;
  int32_t nowLineTop_ = 0;
  int32_t nowLine_ = 0;
};

}  // namespace quorva
