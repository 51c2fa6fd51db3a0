#include "bridge/EditorFault.h"

namespace quorva {
namespace {

const char16_t* EditorFaultText(EditorFault fault) {
  switch (fault) {
    case EditorFault::kCannotRead: return u"エディタから文字列を読み取れません。";
    case EditorFault::kCannotWrite: return u"エディタに文字列を書き込めません。";
    case EditorFault::kPartialTake: return u"エディタが文字列の一部しか受け取りませんでした。";
    case EditorFault::kTextDamaged: return u"エディタの文字列を元に戻せませんでした。";
  }
  return u"";
}

}  // namespace

RuntimeError MakeEditorError(EditorFault fault) {
  RuntimeError err = MakeError(kInvalidArgument);
  err.Source = u"clsTeraPad";
  err.Description = EditorFaultText(fault);
  return err;
}

}  // namespace quorva
