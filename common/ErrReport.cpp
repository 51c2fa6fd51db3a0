// The one report box for unexpected run-time errors.
#include <string>

#include "common/subTool.h"
#include "shared/MessageBox.h"

namespace quorva {
namespace {

std::u16string Decimal(int32_t n) {
  const std::string digits = std::to_string(n);
  return std::u16string(digits.begin(), digits.end());
}

}  // namespace

void ErrReport(const RuntimeError& err) {
  if (err.Number == 0) return;
  constexpr char16_t kCr = u'\r';
  std::u16string text = u"<<< このエラーが再現できる場合、開発者に連絡してください。 >>>";
  text += kCr;
  text += kCr;
  text += u"Error #" + Decimal(err.Number) + u"    (Source: " + err.Source + u")";
  text += kCr;
  text += kCr;
  text += u"    " + err.Description;

  MessageBoxRequest request;
  request.Caption = u"警告";
  request.Style = kMbIconHand;
  if (!err.HelpFile.empty()) {
    text += kCr;
    text += kCr;
    text += u"Press F1 to see topic " + Decimal(err.HelpContext);
    text += kCr;
    text += u"    in the file " + err.HelpFile;
    request.Style = kMbIconHand | kMbHelp;
    request.HelpFile = err.HelpFile;
    request.HelpContext = err.HelpContext;
  }
  request.Text = std::move(text);
  ShowMessageBox(request);
}

}  // namespace quorva
