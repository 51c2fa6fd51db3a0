#include "ui/app/HotKey.h"

#include <vector>

#include "shared/AsciiCase.h"

namespace quorva {
namespace {

struct Name {
  const wchar_t* Text;
  uint32_t Code;
};

constexpr Name kModifiers[] = {{L"ctrl", kModControl}, {L"control", kModControl}, {L"alt", kModAlt},
                               {L"shift", kModShift}, {L"win", kModWin}};
constexpr Name kKeys[] = {{L"space", kKeySpace}, {L"insert", kKeyInsert}, {L"delete", kKeyDelete}, {L"home", kKeyHome},
                          {L"end", kKeyEnd}, {L"pageup", kKeyPageUp}, {L"pagedown", kKeyPageDown}, {L"pause", kKeyPause},
                          {L"up", kKeyUp}, {L"down", kKeyDown}, {L"left", kKeyLeft}, {L"right", kKeyRight}};
constexpr int kFunctionKeys = 24;

std::wstring Lower(std::wstring_view s) {
  std::wstring out(s);
  for (wchar_t& c : out) {
    c = AsciiLower(c);
  }
  return out;
}

std::vector<std::wstring> Parts(std::wstring_view text) {
  std::vector<std::wstring> parts;
  size_t start = 0;
  for (size_t plus; (plus = text.find(L'+', start)) != std::wstring_view::npos; start = plus + 1) {
    parts.push_back(Lower(text.substr(start, plus - start)));
  }
  parts.push_back(Lower(text.substr(start)));
  return parts;
}

std::optional<uint32_t> FunctionKey(const std::wstring& name) {
  if (name.size() < 2 || name.size() > 3 || name[0] != L'f') return std::nullopt;
  int n = 0;
  for (size_t i = 1; i < name.size(); ++i) {
    if (name[i] < L'0' || name[i] > L'9') return std::nullopt;
    n = n * 10 + (name[i] - L'0');
  }
  if (n < 1 || n > kFunctionKeys || name[1] == L'0') return std::nullopt;
  return kKeyF1 + n - 1;
}

std::optional<uint32_t> KeyCode(const std::wstring& name) {
  if (name.size() == 1 && ((name[0] >= L'a' && name[0] <= L'z') || (name[0] >= L'0' && name[0] <= L'9'))) {
    return static_cast<uint32_t>(name[0] >= L'a' ? name[0] - L'a' + L'A' : name[0]);
  }
  for (const Name& key : kKeys) {
    if (name == key.Text) return key.Code;
  }
  return FunctionKey(name);
}

std::optional<uint32_t> ModifierCode(const std::wstring& name) {
  for (const Name& modifier : kModifiers) {
    if (name == modifier.Text) return modifier.Code;
  }
  return std::nullopt;
}

}  // namespace

std::optional<HotKey> ParseHotKey(std::wstring_view text) {
  const std::vector<std::wstring> parts = Parts(text);
  HotKey hotKey;
  hotKey.Text = std::wstring(text);
  for (size_t i = 0; i + 1 < parts.size(); ++i) {
    const std::optional<uint32_t> modifier = ModifierCode(parts[i]);
    if (!modifier || (hotKey.Modifiers & *modifier)) return std::nullopt;  // unknown or twice
    hotKey.Modifiers |= *modifier;
  }
  const std::optional<uint32_t> key = KeyCode(parts.back());
  if (!key) return std::nullopt;
  hotKey.Key = *key;
  const bool function = hotKey.Key >= kKeyF1 && hotKey.Key <= kKeyF24;
  if (!function && (hotKey.Modifiers & (kModControl | kModAlt | kModWin)) == 0) return std::nullopt;
  return hotKey;
}

}  // namespace quorva
