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

}  // namespace quorva
