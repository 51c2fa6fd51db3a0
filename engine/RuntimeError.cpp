#include "RuntimeError.h"

namespace quorva {

RuntimeError MakeError(int32_t number) {
  RuntimeError err;
  err.Number = number;
  err.Source = u"Quorva";
  switch (number) {
    case kInvalidArgument: err.Description = u"プロシージャの呼び出し、または引数が不正です。"; break;
    case kOverflow: err.Description = u"オーバーフローしました。"; break;
    case kTypeMismatch: err.Description = u"型が一致しません。"; break;
    default: err.Description = u"アプリケーション定義またはオブジェクト定義のエラーです。"; break;
  }
  return err;
}

void Raise(int32_t number) { throw MakeError(number); }

}  // namespace quorva
