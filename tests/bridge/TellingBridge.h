#pragma once
// The bridge in tests, told as the program tells it.
#include <string>
#include <vector>

#include "bridge/clsTeraPad.h"
#include "common/subTool.h"
#include "shared/MessageBox.h"
#include "tests/harness/support/MessageBoxes.h"

namespace quorva::test {

// A bridge whose every call from outside is told as the program tells it: each fault of the
// call's outcome as one report box, kept in told. The bridge itself shows nothing.
template <class Base>
class Telling : public Base {
 public:
  using Any = clsTeraPad::Any;
  explicit Telling(std::vector<MessageBoxRequest>& told) : told_(told) {}

  void Edit(int32_t lMode, const Any& vAny) override { Call([&] { Base::Edit(lMode, vAny); }); }
  std::wstring Text() override { return Call([&] { return Base::Text(); }); }
  void Text(const std::wstring& s) override { Call([&] { Base::Text(s); }); }
  std::wstring SelText() override { return Call([&] { return Base::SelText(); }); }
  void SelText(const std::wstring& s) override { Call([&] { Base::SelText(s); }); }
  void SelTextUndoable(const std::wstring& s) override { Call([&] { Base::SelTextUndoable(s); }); }
  std::wstring Clip() override { return Call([&] { return Base::Clip(); }); }
  void Clip(const std::wstring& s) override { Call([&] { Base::Clip(s); }); }
  std::wstring File() override { return Call([&] { return Base::File(); }); }
  void File(const std::wstring& s) override { Call([&] { Base::File(s); }); }

 private:
  // Members call each other: only the outermost call is told, once it has returned.
  template <class Member>
  auto Call(Member&& member) -> decltype(member()) {
    ++depth_;
    struct Told {
      Telling& self;
      ~Told() {
        if (--self.depth_ > 0) return;
        MessageBoxRecorder boxes;
        for (const RuntimeError& e : self.LastOutcome().Faults) ErrReport(e);
        self.told_.insert(self.told_.end(), boxes.Boxes.begin(), boxes.Boxes.end());
      }
    } told{*this};
    return member();
  }
  std::vector<MessageBoxRequest>& told_;
  int depth_ = 0;
};

// The texts of boxes in order, joined by "|".
inline std::u16string Texts(const std::vector<MessageBoxRequest>& boxes) {
  std::u16string texts;
  for (const MessageBoxRequest& b : boxes) texts += (texts.empty() ? u"" : u"|") + b.Text;
  return texts;
}

}  // namespace quorva::test
