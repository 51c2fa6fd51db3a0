#pragma once
// The notices of the resident (/hotkey) and of the clipboard channel, as the in-place road shows
// them (one box each, ShowNotice). The key as the user wrote it or the formats' names follow a
// notice after an empty line where it says so.
namespace quorva {

// A second resident is started while one runs.
inline constexpr char16_t kResidentRunningNotice[] =
    u"Quorva はすでに常駐しています。通知領域のアイコンから終了できます。";
// The shortcut key is taken by another program; the key follows.
inline constexpr char16_t kHotKeyTakenNotice[] =
    u"このショートカットキーはほかのプログラムが使っているため、登録できませんでした。別のキーを指定してください。";
// The user's keys stayed down: nothing was sent to the program.
inline constexpr char16_t kKeysHeldNotice[] =
    u"キーが押されたままのため、何もしませんでした。キーを離してからもう一度押してください。";
// The program copied nothing: its text is as it was.
inline constexpr char16_t kNothingCopiedNotice[] =
    u"選択された文字列をコピーできませんでした。文字列を選択してからもう一度試してください。";
// The program never took the paste: the answer is on the clipboard.
inline constexpr char16_t kNotPastedNotice[] =
    u"答えを貼り付けられませんでした。答えはクリップボードにあるので、Ctrl+V で貼り付けられます。";
// Some of the user's clipboard could not be kept; the formats' names follow.
inline constexpr char16_t kClipboardPartLostNotice[] =
    u"クリップボードの内容のうち、次の形式は保存できなかったため元に戻せませんでした。";
// The window in front is a console or a terminal, or runs with higher rights than Quorva.
inline constexpr char16_t kRefusedWindowNotice[] =
    u"この画面には答えを書き込めません（コンソールや管理者として実行中のプログラムには送れません）。";

// The icon's menu, in the system's own words.
inline constexpr wchar_t kQuitItem[] = L"Quit";
inline constexpr wchar_t kStartWithWindowsItem[] = L"Start with Windows";

}  // namespace quorva
