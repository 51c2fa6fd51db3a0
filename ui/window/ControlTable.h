#pragma once
// The controls of the calculator window, one row each: everything that creating, laying out and
// describing a control needs. Adding a control is adding a row.
#include <windows.h>

#include <algorithm>
#include <cstddef>
#include <iterator>  // std::begin, std::end

#include "ui/form/Form.h"  // Kind
#include "ui/window/resource.h"

namespace quorva {

inline constexpr wchar_t kCaption[] = L"Quorva β1";
inline constexpr int kClientWidth = 4755, kClientHeight = 2730;  // twips
// A fixed border, and neither a maximize nor a minimize button.
inline constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;

enum class FontKind { Default, Bold, Fixed };
inline constexpr int kFontPoints = 9;  // every font of the window, in points

// Rows name their fields; a field left out takes the default here.
struct ControlRow {
  int Id;
  const wchar_t* Name;
  Kind ControlKind;
  DWORD Style = 0;    // beyond what every control of its kind has
  int Container = 0;  // 0: the window; else the frame's ID
  int Left, Top, Width, Height;  // twips; inside a frame relative to the frame
  FontKind Font = FontKind::Default;
  int Picture = 0;    // bitmap resource shown on a button, 0 for none
  const wchar_t* Caption = L"";
  const wchar_t* Tooltip = nullptr;  // nullptr: none
  // What a screen reader calls a button or a text box; nullptr: its tooltip.
  const wchar_t* AccessibleName = nullptr;
  const wchar_t* Tag = L"";
  int MaxLength = 0;  // characters a text box takes, 0 for no limit
  bool InputMethod = true;  // false: the input method stays off while the box has the focus
  bool Enabled = true;
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
    {.Id = IDC_TXTCALC, .Name = L"txtCalc", .ControlKind = Kind::TextBox, .Style = kExpressionStyle,
     .Left = 60, .Top = 60, .Width = 4635, .Height = 555, .Font = FontKind::Bold,
     .Tooltip = L"半角の数字と記号で式を入力して下さい", .AccessibleName = L"式", .InputMethod = false},
    {.Id = IDC_CMDSUM, .Name = L"cmdSum", .ControlKind = Kind::CommandButton,
     .Left = 3240, .Top = 720, .Width = 375, .Height = 315, .Picture = IDB_SUM, .Tooltip = L"計算"},
    {.Id = IDC_CMDCOPY, .Name = L"cmdCopy", .ControlKind = Kind::CommandButton,
     .Left = 3600, .Top = 720, .Width = 375, .Height = 315, .Picture = IDB_COPY, .Tooltip = L"コピー",
     .Enabled = false},
    {.Id = IDC_CMDTERAPAD, .Name = L"cmdTeraPad", .ControlKind = Kind::CommandButton,
     .Left = 3960, .Top = 720, .Width = 375, .Height = 315, .Picture = IDB_TERAPAD, .Tooltip = L"TeraPad",
     .Enabled = false},
    {.Id = IDC_TXTANS, .Name = L"txtAns", .ControlKind = Kind::TextBox, .Style = ES_RIGHT | ES_AUTOHSCROLL,
     .Left = 60, .Top = 720, .Width = 3075, .Height = 315, .Font = FontKind::Bold, .Tooltip = L"答え"},
    // The decimal-places box starts empty and its Tag "0" makes it take digits only, so the first
    // answer shows the regional default number of places.
    {.Id = IDC_TXTAFTER, .Name = L"txtAfter", .ControlKind = Kind::TextBox, .Style = kDecimalPlacesStyle,
     .Container = IDC_FRAPARAMETER, .Left = 1680, .Top = 300, .Width = 255, .Height = 315,
     .AccessibleName = L"小数点以下の桁数", .Tag = L"0", .MaxLength = 1, .InputMethod = false},
    {.Id = IDC_CHKGROUP, .Name = L"chkGroup", .ControlKind = Kind::CheckBox, .Container = IDC_FRAPARAMETER,
     .Left = 120, .Top = 720, .Width = 1815, .Height = 195, .Caption = L"桁区切り"},
    {.Id = IDC_CHKWIDE, .Name = L"chkWide", .ControlKind = Kind::CheckBox, .Container = IDC_FRAPARAMETER,
     .Left = 120, .Top = 1080, .Width = 1815, .Height = 195, .Caption = L"全角文字 (2 バイト) "},
    {.Id = IDC_FRATIPS, .Name = L"fraTips", .ControlKind = Kind::Frame,
     .Left = 2220, .Top = 1140, .Width = 2475, .Height = 1515, .Caption = L"優先順位"},
    {.Id = IDC_LBLLABEL1, .Name = L"lblLabel", .ControlKind = Kind::Label, .Container = IDC_FRATIPS,
     .Left = 180, .Top = 300, .Width = 2160, .Height = 1080, .Font = FontKind::Fixed, .Caption = kPriorityText},
    // Half-width katakana: the full-width word would not fit the frame's narrow caption.
    {.Id = IDC_FRAPARAMETER, .Name = L"fraParameter", .ControlKind = Kind::Frame,
     .Left = 60, .Top = 1140, .Width = 2055, .Height = 1515, .Caption = L"\uFF8A\uFF9F\uFF97\uFF92\uFF70\uFF80"},
    {.Id = IDC_LBLLABEL0, .Name = L"lblLabel", .ControlKind = Kind::Label, .Container = IDC_FRAPARAMETER,
     .Left = 120, .Top = 360, .Width = 1440, .Height = 180, .Caption = L"小数点以下の桁数"},
    {.Id = IDC_CMDCLR, .Name = L"cmdClr", .ControlKind = Kind::CommandButton,
     .Left = 4320, .Top = 720, .Width = 375, .Height = 315, .Picture = IDB_CLEAR, .Tooltip = L"クリア"},
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
