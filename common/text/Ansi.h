#pragma once
// Unicode <-> the ANSI code page: the system's on Windows, CP932 in the native build.
#include <string>
#include <string_view>

namespace quorva {

std::string ToAnsi(std::u16string_view text);
std::u16string FromAnsi(std::string_view bytes);

// True when the byte opens a double-byte character of the ANSI code page.
bool IsAnsiLeadByte(unsigned char byte);

#ifdef _WIN32
// wchar_t and char16_t hold the same UTF-16 code units on Windows.
inline std::wstring ToWide(std::u16string_view s) { return std::wstring(s.begin(), s.end()); }
inline std::u16string FromWide(std::wstring_view s) { return std::u16string(s.begin(), s.end()); }
#else
// wchar_t holds whole code points here: those past U+FFFF become surrogate pairs and back.
std::wstring ToWide(std::u16string_view s);
std::u16string FromWide(std::wstring_view s);
#endif

}  // namespace quorva
