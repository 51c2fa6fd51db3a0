#include "EditorCore.h"

#include <algorithm>
#include <cstring>

namespace qeditor {

bool IsLeadByte(unsigned char byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }

void EditorCore::SetText(std::string bytes) {
  text_ = std::move(bytes);
  anchor_ = caret_ = 0;
  top_ = 0;
  undo_.clear();
}

size_t EditorCore::Snap(size_t pos) const {
  pos = std::min(pos, text_.size());
  size_t i = 0;
  while (i < pos) {
    const size_t width = (IsLeadByte(static_cast<unsigned char>(text_[i])) && i + 1 < text_.size()) ? 2 : 1;
    if (i + width > pos) return i;
    i += width;
  }
  return pos;
}

void EditorCore::SetSel(int64_t start, int64_t end) {
  if (start == -1) {
    anchor_ = caret_;
    return;
  }
  const auto clamp = [this](int64_t v) {
    return Snap(v < 0 ? text_.size() : static_cast<size_t>(std::min<int64_t>(v, static_cast<int64_t>(text_.size()))));
  };
  anchor_ = clamp(start);
  caret_ = clamp(end);
}

size_t EditorCore::WholeCharacters(const std::string& bytes, size_t room) {
  room = std::min(room, bytes.size());
  size_t i = 0;
  while (i < room) {
    const size_t width = (IsLeadByte(static_cast<unsigned char>(bytes[i])) && i + 1 < bytes.size()) ? 2 : 1;
    if (i + width > room) break;
    i += width;
  }
  return i;
}

size_t EditorCore::CopyOut(char* buffer, size_t room) const {
  if (buffer == nullptr || room == 0) return 0;
  size_t cap = room - 1;
  if (giveLimit_ != 0) cap = std::min(cap, giveLimit_);
  const size_t n = WholeCharacters(text_, cap);
  std::memcpy(buffer, text_.data(), n);
  buffer[n] = '\0';
  return n;
}

void EditorCore::Apply(size_t pos, size_t removeCount, const std::string& insert, bool undoable) {
  Change change{pos, text_.substr(pos, removeCount), insert};
  text_.replace(pos, removeCount, insert);
  anchor_ = caret_ = pos + insert.size();
  if (undoable) {
    undo_.push_back(std::move(change));
  } else {
    undo_.clear();
  }
}

size_t EditorCore::ReplaceSel(const std::string& bytes, bool undoable) {
  const size_t taken = WholeCharacters(bytes, takeLimit_ != 0 ? takeLimit_ : bytes.size());
  const size_t start = SelStart();
  const size_t count = SelEnd() - start;
  if (taken == 0 && count == 0) return 0;
  Apply(start, count, bytes.substr(0, taken), undoable);
  return taken;
}

void EditorCore::Clear() {
  const size_t start = SelStart();
  const size_t count = SelEnd() - start;
  if (count == 0) return;
  Apply(start, count, std::string(), true);
}

bool EditorCore::Undo() {
  if (undo_.empty()) return false;
  const Change change = std::move(undo_.back());
  undo_.pop_back();
  text_.replace(change.pos, change.inserted.size(), change.removed);
  anchor_ = change.pos;
  caret_ = change.pos + change.removed.size();
  return true;
}

size_t EditorCore::LineCount() const { return static_cast<size_t>(std::count(text_.begin(), text_.end(), '\n')) + 1; }

int64_t EditorCore::LineIndex(int64_t line) const {
  if (line == -1) line = LineFromChar(static_cast<int64_t>(caret_));
  if (line < 0) return -1;
  size_t pos = 0;
  for (int64_t n = 0; n < line; ++n) {
    const size_t nl = text_.find('\n', pos);
    if (nl == std::string::npos) return -1;
    pos = nl + 1;
  }
  return static_cast<int64_t>(pos);
}

int64_t EditorCore::LineFromChar(int64_t pos) const {
  size_t p = pos < 0 ? SelStart() : std::min(static_cast<size_t>(pos), text_.size());
  return static_cast<int64_t>(std::count(text_.begin(), text_.begin() + static_cast<std::ptrdiff_t>(p), '\n'));
}

int64_t EditorCore::LineLength(int64_t pos) const {
  const auto begin = static_cast<size_t>(LineIndex(LineFromChar(pos < 0 ? 0 : pos)));
  size_t end = text_.find('\n', begin);
  if (end == std::string::npos) return static_cast<int64_t>(text_.size() - begin);
  if (end > begin && text_[end - 1] == '\r') --end;
  return static_cast<int64_t>(end - begin);
}

int64_t EditorCore::CharsAt(size_t bytePos) const {
  int64_t chars = 0;
  for (size_t i = 0; i < bytePos && i < text_.size(); ++chars) {
    i += IsLeadByte(static_cast<unsigned char>(text_[i])) && i + 1 < text_.size() ? 2 : 1;
  }
  return chars;
}

size_t EditorCore::ByteAt(int64_t charPos) const {
  size_t i = 0;
  for (int64_t n = 0; n < charPos && i < text_.size(); ++n) {
    i += IsLeadByte(static_cast<unsigned char>(text_[i])) && i + 1 < text_.size() ? 2 : 1;
  }
  return std::min(i, text_.size());
}

}  // namespace qeditor
