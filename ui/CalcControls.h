#pragma once
// The controls of the calculator window, one row each: everything that creating, laying out and
// describing a control needs. Adding a control is adding a row.
#include <windows.h>

#include <algorithm>
#include <cstddef>
#include <iterator>  // std::begin, std::end

#include "ui/resource.h"

namespace quorva {

inline constexpr wchar_t kCaption[] = L"Quorva β1";
inline constexpr int kClientWidth = 4755, kClientHeight = 2730;  // twips
// A fixed border, and neither a maximize nor a minimize button.
inline constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;

enum class Kind { TextBox, CommandButton, CheckBox, Frame, Label };
enum class FontKind { Default, Bold, Fixed };

struct ControlRow {
  int Id;
  const wchar_t* Name;
  Kind ControlKind;
  DWORD Style;      // beyond what every control of its kind has
  int Container;    // 0: the window; else the frame's ID
  int Left, Top, Width, Height;  // twips; inside a frame relative to the frame
  FontKind Font;
  int Picture;      // bitmap resource shown on a button, 0 for none
  const wchar_t* Caption;
  const wchar_t* Tooltip;  // nullptr: none
  const wchar_t* Tag;
  int MaxLength;    // characters a text box takes, 0 for no limit
  bool InputMethod;  // false: the input method stays off while the box has the focus
  bool Enabled;
};

inline constexpr wchar_t kPriorityText[] =
    L"1:() カッコ最優先\r\n"
    L"2:^  べき乗\r\n"
    L"3:*/ 積・商\r\n"
    L"4:+- 和・差\r\n"
    L"\r\n"
    L"負の値は()で括って下さい";

// Multi-line with a horizontal scroll bar, so that a long expression scrolls instead of wrapping.
// A multi-line box without ES_AUTOVSCROLL refuses text taller than its format rectangle, which a
// one-line box with a one-pixel margin can be with a substitute font.
inline constexpr DWORD kExpressionStyle = ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | WS_HSCROLL;
// Multi-line to centre its one digit.
inline constexpr DWORD kDecimalPlacesStyle = ES_MULTILINE | ES_AUTOVSCROLL | ES_CENTER;

// In TabIndex order: creation order is Tab order.
inline constexpr ControlRow kControls[] = {
    // Expressions are typed in plain characters, so no input method; and no length limit: a
    // pasted expression cut short would silently be another calculation.
    {IDC_TXTCALC, L"txtCalc", Kind::TextBox, kExpressionStyle, 0, 60, 60, 4635, 555, FontKind::Bold, 0, L"",
     L"半角の数字と記号で式を入力して下さい", L"", 0, false, true},
    {IDC_CMDSUM, L"cmdSum", Kind::CommandButton, 0, 0, 3240, 720, 375, 315, FontKind::Default, IDB_SUM, L"", L"計算",
     L"", 0, true, true},
    {IDC_CMDCOPY, L"cmdCopy", Kind::CommandButton, 0, 0, 3600, 720, 375, 315, FontKind::Default, IDB_COPY, L"",
     L"コピー", L"", 0, true, false},
    {IDC_CMDTERAPAD, L"cmdTeraPad", Kind::CommandButton, 0, 0, 3960, 720, 375, 315, FontKind::Default, IDB_TERAPAD,
     L"", L"TeraPad", L"", 0, true, false},
    {IDC_TXTANS, L"txtAns", Kind::TextBox, ES_RIGHT | ES_AUTOHSCROLL, 0, 60, 720, 3075, 315, FontKind::Bold, 0, L"",
     L"答え", L"", 0, true, true},
    // The decimal-places box starts empty and its Tag "0" makes it take digits only, so the first
    // answer shows the regional default number of places.
    {IDC_TXTAFTER, L"txtAfter", Kind::TextBox, kDecimalPlacesStyle, IDC_FRAPARAMETER, 1680, 300, 255, 315,
     FontKind::Default, 0, L"", nullptr, L"0", 1, false, true},
    {IDC_CHKGROUP, L"chkGroup", Kind::CheckBox, 0, IDC_FRAPARAMETER, 120, 720, 1815, 195, FontKind::Default, 0,
     L"桁区切り", nullptr, L"", 0, true, true},
    {IDC_CHKWIDE, L"chkWide", Kind::CheckBox, 0, IDC_FRAPARAMETER, 120, 1080, 1815, 195, FontKind::Default, 0,
     L"全角文字 (2 バイト) ", nullptr, L"", 0, true, true},
    {IDC_FRATIPS, L"fraTips", Kind::Frame, 0, 0, 2220, 1140, 2475, 1515, FontKind::Default, 0, L"優先順位", nullptr,
     L"", 0, true, true},
    {IDC_LBLLABEL1, L"lblLabel", Kind::Label, 0, IDC_FRATIPS, 180, 300, 2160, 1080, FontKind::Fixed, 0, kPriorityText,
     nullptr, L"", 0, true, true},
    // Half-width katakana: the full-width word would not fit the frame's narrow caption.
    {IDC_FRAPARAMETER, L"fraParameter", Kind::Frame, 0, 0, 60, 1140, 2055, 1515, FontKind::Default, 0,
     L"\uFF8A\uFF9F\uFF97\uFF92\uFF70\uFF80", nullptr, L"", 0, true, true},
    {IDC_LBLLABEL0, L"lblLabel", Kind::Label, 0, IDC_FRAPARAMETER, 120, 360, 1440, 180, FontKind::Default, 0,
     L"小数点以下の桁数", nullptr, L"", 0, true, true},
    {IDC_CMDCLR, L"cmdClr", Kind::CommandButton, 0, 0, 4320, 720, 375, 315, FontKind::Default, IDB_CLEAR, L"",
     L"クリア", L"", 0, true, true},
};

inline constexpr std::size_t kPictureCount =
    static_cast<std::size_t>(std::count_if(std::begin(kControls), std::end(kControls),
                                           [](const ControlRow& row) { return row.Picture != 0; }));

// The row of a control, or nullptr.
constexpr const ControlRow* RowOf(int id) {
  for (const ControlRow& row : kControls) {
    if (row.Id == id) return &row;
  }
  return nullptr;
}

}  // namespace quorva
