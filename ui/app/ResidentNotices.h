#pragma once
// The notices of the resident (/hotkey) and of its presses, beside the in-place road's own
// (Notices.h): one box each, ShowNotice. The key as the user wrote it or the formats' names follow
// a notice after an empty line where it says so.
namespace quorva {

// A second resident is started while one runs.
inline constexpr char16_t kResidentRunningNotice[] =
    u"Quorva はすでに常駐しています。通知領域のアイコンから終了できます。";
// The shortcut key is taken by another program; the key follows.
inline constexpr char16_t kHotKeyTakenNotice[] =
    u"このショートカットキーはほかのプログラムが使っているため、登録できませんでした。別のキーを指定してください。";
// A press got no selection (nothing selected, or the program copied nothing); the text is as it was.
inline constexpr char16_t kNoSelectionNotice[] =
    u"選択された文字列を受け取れませんでした。文字列を選択してから、もう一度お試しください。";
// Some of the user's clipboard could not be kept; the formats' names follow.
inline constexpr char16_t kClipboardPartLostNotice[] =
    u"クリップボードの内容のうち、次の形式は保存できなかったため元に戻せませんでした。";

// The icon's menu, in the system's own words.
inline constexpr wchar_t kQuitItem[] = L"Quit";
inline constexpr wchar_t kStartWithWindowsItem[] = L"Start with Windows";

}  // namespace quorva
