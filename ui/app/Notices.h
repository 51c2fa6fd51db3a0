#pragma once
// The notices the window and the in-place road show: one box each, with the program's title and
// the exclamation icon. The texts are plain constants, so that tests check the guide against them.
#include <string_view>

#include "channels/EditorFace.h"

namespace quorva {

// The editor that the answer would go to has been closed since start-up.
inline constexpr char16_t kEditorClosedNotice[] =
    u"エディタが閉じられたため、答えを書き込めません。\rコピーボタンでクリップボードに送ることができます。";

// Shown once in a run: the history file can be neither read nor written. The file's path follows
// it after an empty line.
inline constexpr char16_t kHistoryUnusableNotice[] =
    u"式の履歴のファイルを読み書きできないため、今回は履歴を保存しません。計算はこのまま続けられます。";

// A console or terminal window in front: a synthesised Ctrl+C would interrupt its program.
inline constexpr char16_t kConsoleRefusedNotice[] =
    u"コマンド プロンプトや端末のウィンドウでは、その場で計算できません。\r"
    u"Ctrl+C がそこで動いているプログラムを中断してしまうためです。";

// A window of a higher integrity level (a program run as administrator): the system drops the
// keys that Quorva would send it.
inline constexpr char16_t kElevatedRefusedNotice[] =
    u"管理者として実行されているプログラムでは、その場で計算できません。\r"
    u"Quorva から送るキーがそのプログラムに届かないためです。";

// The user's keys stayed down: nothing was sent to the program.
inline constexpr char16_t kKeysHeldNotice[] =
    u"キーが押されたままのため、計算しませんでした。\rキーを離してから、もう一度お試しください。";

// The program never read the answer: it stays on the clipboard.
inline constexpr char16_t kNotPastedNotice[] =
    u"答えを貼り付けられませんでした。答えはクリップボードにあります。\r貼り付け（Ctrl+V）でお使いください。";

// A window that Quorva must not drive, with no notice of its own.
inline constexpr char16_t kRefusedNotice[] = u"このウィンドウでは、その場で計算できません。";

// The selection could not be read (nothing was copied); the text is as it was.
inline constexpr char16_t kNotReadNotice[] =
    u"選択した文字列を読み取れませんでした。文字列は元のままです。";

// The program did not take the answer; its text is as it was.
inline constexpr char16_t kNotTakenNotice[] =
    u"答えを書き込めませんでした。文字列は元のままです。";

// Shows text in a notice box and returns once the user has closed it.
void ShowNotice(std::u16string_view text);

// Tells the user, in one box, what went wrong with the editor: an error of the catalogue in the
// error report, every other status in its notice, with the outcome's detail after an empty line.
// Nothing for kDone, and nothing for kNoEditor and kEmpty: there the window opens instead.
void TellEditorOutcome(const EditorOutcome& outcome);

}  // namespace quorva
