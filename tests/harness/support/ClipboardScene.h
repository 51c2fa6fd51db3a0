#pragma once
// A user's clipboard as tests fill it (Unicode text, a private registered format, a DIB, an
// enhanced metafile) and everything it holds, read back format by format to compare before and
// after. Written apart from the product's clipboard module, so that a shared mistake cannot make
// both sides agree.
#include <windows.h>

#include <string>
#include <vector>

namespace quorva::test {

struct SceneItem {
  UINT Format;
  std::vector<unsigned char> Bytes;  // an enhanced metafile: its bits
};
using ClipboardScene = std::vector<SceneItem>;

// The scenes tests use, each named: text, a private format, a DIB, a metafile, all of them at
// once, and an empty clipboard.
struct NamedScene {
  const char* Name;
  ClipboardScene Items;
};
std::vector<NamedScene> UserClipboardScenes();

// Empties the clipboard and fills it, owned by a window of this thread.
void FillClipboard(const ClipboardScene& scene);

// Every format the clipboard lists, in order, with what it holds (bitmaps and palettes, which are
// handles, by their format alone); "<busy>" when it cannot be opened.
std::string ClipboardDump();

}  // namespace quorva::test
