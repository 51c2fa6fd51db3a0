#pragma once
// The notices the window and the in-place road show: one box each, with the program's title and
// the exclamation icon. The texts are plain constants, so that tests check the guide against them.
#include <string_view>

namespace quorva {

// The editor that the answer would go to has been closed since start-up.
inline constexpr char16_t kEditorClosedNotice[] =
    u"エディタが閉じられたため、答えを書き込めません。\rコピーボタンでクリップボードに送ることができます。";

// Shown once in a run: the history file can be neither read nor written. The file's path follows
// it after an empty line.
inline constexpr char16_t kHistoryUnusableNotice[] =
    u"式の履歴のファイルを読み書きできないため、今回は履歴を保存しません。計算はこのまま続けられます。";

// Shows text in a notice box and returns once the user has closed it.
void ShowNotice(std::u16string_view text);

}  // namespace quorva
