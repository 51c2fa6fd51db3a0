#include "RuntimeError.h"

namespace quorva {
namespace {

struct Entry {
  int32_t number;
  const char16_t* description;
};

// The descriptions of a Japanese Windows for the numbers the program raises.
constexpr Entry kCatalogue[] = {
    {kInvalidArgument, u"プロシージャの呼び出し、または引数が不正です。"},
    {kOverflow, u"オーバーフローしました。"},
    {kOutOfMemory, u"メモリが不足しています。"},
    {kTypeMismatch, u"型が一致しません。"},
    {kInternalError, u"内部エラーです。"},
    {kFileNotFound, u"ファイルが見つかりません。"},
    {kDiskFull, u"ディスクの空き容量が不足しています。"},
    {kPermissionDenied, u"書き込みできません。"},
    {kPathFileAccess, u"パス名が無効です。"},
    {kPathNotFound, u"パスが見つかりません。"},
    {kClipboardBusy, u"クリップボードを開けません。"},
    {kWindowNotCreated, u"ウィンドウを作成できません。"},
};

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

RuntimeError MakeError(int32_t number) {
  RuntimeError err;
  err.Number = number;
  err.Source = u"Quorva";
  err.Description = u"アプリケーション定義またはオブジェクト定義のエラーです。";
  for (const Entry& e : kCatalogue) {
    if (e.number == number) err.Description = e.description;
  }
  return err;
}

void Raise(int32_t number) { throw MakeError(number); }

RuntimeError MakeEditorError(EditorFault fault) {
  RuntimeError err = MakeError(kInvalidArgument);
  err.Source = u"clsTeraPad";
  err.Description = EditorFaultText(fault);
  return err;
}

void RaiseEditorFault(EditorFault fault) { throw MakeEditorError(fault); }

}  // namespace quorva
