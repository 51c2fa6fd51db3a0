#include "tests/e2e/ChaosRound.h"

#include <cstdlib>
#include <functional>

#include "common/text/Ansi.h"
#include "bridge/EditorFault.h"
#include "shared/RuntimeError.h"
#include "tests/harness/support/Wait.h"
#include "ui/window/ControlTable.h"  // kCaption
#include "ui/app/Notices.h"
#include "ui/window/resource.h"

namespace quorva::test {
namespace {

constexpr DWORD kRoundMs = 60000;

// The programs under test; QUORVA_CHAOS_BIN names a folder with copies of both, so that a long
// run goes on while the build folder is rebuilt.
std::wstring Program(const char* built, const wchar_t* name) {
  const char* bin = std::getenv("QUORVA_CHAOS_BIN");
  if (bin == nullptr || *bin == 0) return WindowsPath(built);
  return WindowsPath(bin) + L"\\" + name;
}

std::wstring Answer(long long value, bool wide) {
  std::wstring text = std::to_wstring(value) + L".00";
  if (wide) {
    for (wchar_t& c : text) c = static_cast<wchar_t>(c == L'.' ? L'．' : c - L'0' + L'０');
  }
  return text;
}

// Every text a report may say: the catalogue's, and the notice of an editor closed meanwhile.
bool FromCatalogue(const std::wstring& box) {
  std::vector<std::u16string> known = {kEditorClosedNotice};
  for (int n : {5, 6, 7, 13, 51, 521, 1400}) known.push_back(MakeError(n).Description);
  for (auto f : {EditorFault::kCannotRead, EditorFault::kCannotWrite, EditorFault::kPartialTake,
                 EditorFault::kTextDamaged}) {
    known.push_back(MakeEditorError(f).Description);
  }
  const std::u16string text = FromWide(box);
  for (const auto& k : known) {
    if (text.find(k) != std::u16string::npos) return true;
  }
  return false;
}

// Where two texts part, for a fault that someone has to chase.
std::string Difference(const std::string& before, const std::string& now) {
  size_t i = 0;
  while (i < before.size() && i < now.size() && before[i] == now[i]) ++i;
  const size_t from = i < 8 ? 0 : i - 8;
  return std::to_string(before.size()) + " bytes before, " + std::to_string(now.size()) + " now, parting at " +
         std::to_string(i) + " (\"" + before.substr(from, 24) + "\" against \"" + now.substr(from, 24) + "\")";
}

bool EditorAlive(ChaosRound& r) { return r.editor->Proc().Running() && IsWindow(r.editor->Edit()); }

std::string Bytes(const std::wstring& text) { return ToAnsi(FromWide(text)); }

// From a calculated answer on: the editor button, then either Quorva ends with the answer in the
// editor, or one report and Quorva stays with its answer.
void HandOver(ChaosRound& r, const std::wstring& answer) {
  const size_t before = r.reports.size();
  if (!r.Await([&] { return IsWindowEnabled(r.Item(IDC_CMDTERAPAD)) != FALSE; }, 10000)) {
    // An editor that has gone leaves the button off: nothing to hand over.
    if (EditorAlive(r)) r.Fault("the editor button stayed disabled");
    PostMessageW(r.window, WM_CLOSE, 0, 0);
    return;
  }
  PostMessageW(r.Item(IDC_CMDTERAPAD), BM_CLICK, 0, 0);
  if (!r.Await([&] {
        return !r.quorva->Running() ||
               (r.reports.size() > before && IsWindowEnabled(r.window) && r.quorva->FindMessageBox() == nullptr);
      })) {
    r.Fault("the hand-over did not end within its deadline");
    return;
  }
  const std::string text = r.scene.text;
  const std::string promised = text.substr(0, r.scene.selStart) + Bytes(answer) + text.substr(r.scene.selEnd);
  const bool alive = EditorAlive(r);
  const std::string now = alive ? r.editor->TrueText() : std::string();
  r.outcome = !r.quorva->Running() ? "handed over" : (alive ? "hand-over reported" : "editor closed");
  if (!r.quorva->Running()) {
    if (r.reports.size() != before) r.Fault("Quorva reported and still ended");
    if (alive && now != promised) {
      r.Fault("Quorva ended but the editor does not hold the answer in place: " + Difference(promised, now));
    }
    return;
  }
  if (r.reports.size() - before != 1) r.Fault("a failed hand-over gave " + std::to_string(r.reports.size() - before) + " reports");
  if (WindowText(r.Item(IDC_TXTANS)) != answer) r.Fault("the answer was not kept after a failed hand-over");
  if (alive && now != text && now != promised) {
    r.Fault("the editor's text is neither as before nor as promised: " + Difference(text, now) + "; report: " +
            Bytes(r.reports.back()));
  }
  PostMessageW(r.window, WM_CLOSE, 0, 0);
}

// quorva.exe started, its window found (every report before it read and closed).
bool Start(ChaosRound& r, const ChaosRoad& road) {
  r.quorva.emplace();
  if (!r.quorva->Start(Program(QUORVA_EXE, L"quorva.exe"), road.args)) {
    r.Fault("quorva.exe did not start");
    return false;
  }
  if (!r.Await([&] {
        r.window = r.quorva->FindWindowOf(kCaption);
        return r.window != nullptr && IsWindowEnabled(r.window) && r.quorva->FindMessageBox() == nullptr;
      })) {
    r.Fault(r.quorva->Running() ? "no usable window" : "Quorva ended at start-up");
    return false;
  }
  return true;
}

void Calculate(ChaosRound& r, const std::wstring& answer) {
  PostMessageW(r.Item(IDC_CMDSUM), BM_CLICK, 0, 0);
  if (!r.Await([&] { return WindowText(r.Item(IDC_TXTANS)) == answer; }, 10000)) {
    r.Fault("the answer is not " + Bytes(answer));
    return;
  }
  HandOver(r, answer);
}

// /selection: the selected expression comes in whole or not at all, then the editor button.
void PlaySelection(ChaosRound& r, const ChaosRoad& road) {
  if (!Start(r, road)) return;
  const std::wstring box = WindowText(r.Item(IDC_TXTCALC));
  const std::wstring expression = ToWide(FromAnsi(r.scene.expression));
  if (box.empty()) {
    r.outcome = "selection not read";
    if (r.reports.size() != 1 && EditorAlive(r)) r.Fault("a selection that could not be read gave " + std::to_string(r.reports.size()) + " reports");
    PostMessageW(r.window, WM_CLOSE, 0, 0);
    if (EditorAlive(r) && r.editor->TrueText() != r.scene.text) r.Fault("reading the selection changed the text");
    return;
  }
  if (box != expression) {
    r.Fault("the expression box holds text from the wrong place: " + Bytes(box));
    PostMessageW(r.window, WM_CLOSE, 0, 0);
    return;
  }
  if (!r.reports.empty()) r.Fault("a selection that was read whole was reported");
  Calculate(r, Answer(r.scene.value, road.wide));
}

// The window's main road: the expression typed into the box, Enter, the editor button.
void PlayWindow(ChaosRound& r, const ChaosRoad& road) {
  if (!Start(r, road)) return;
  SendMessageW(r.Item(IDC_TXTCALC), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(ToWide(FromAnsi(r.scene.expression)).c_str()));
  Calculate(r, Answer(r.scene.value, road.wide));
}

// /now: either Quorva ends with the answer in place, or (after one report) its window opens with
// the expression and its answer, or empty when the selection could not be read; never a text from
// the wrong place, and the editor's text as before or as promised.
void PlayNow(ChaosRound& r, const ChaosRoad& road) {
  r.quorva.emplace();
  if (!r.quorva->Start(Program(QUORVA_EXE, L"quorva.exe"), road.args)) {
    r.Fault("quorva.exe did not start");
    return;
  }
  const std::wstring answer = Answer(r.scene.value, road.wide);
  const std::string& text = r.scene.text;
  const std::string written = road.append ? r.scene.expression + " = " + Bytes(answer) : Bytes(answer);
  const std::string promised = text.substr(0, r.scene.selStart) + written + text.substr(r.scene.selEnd);
  if (!r.Await([&] {
        r.window = r.quorva->FindWindowOf(kCaption);
        return !r.quorva->Running() ||
               (r.window != nullptr && IsWindowEnabled(r.window) && r.quorva->FindMessageBox() == nullptr);
      })) {
    r.Fault("Quorva neither ended nor opened its window within the deadline");
    return;
  }
  const bool alive = EditorAlive(r);
  const std::string now = alive ? r.editor->TrueText() : std::string();
  if (!r.quorva->Running()) {
    r.outcome = "done in place";
    if (!r.reports.empty()) r.Fault("Quorva reported and still ended");
    if (alive && now != promised) r.Fault("the editor does not hold the answer in place: " + Difference(promised, now));
    return;
  }
  if (alive && now != text && now != promised) {
    r.Fault("the editor's text is neither as before nor as promised: " + Difference(text, now));
  }
  const std::wstring box = WindowText(r.Item(IDC_TXTCALC));
  if (box.empty()) {
    r.outcome = "selection not read";
    if (r.reports.size() != 1 && alive) r.Fault("a selection that could not be read gave " + std::to_string(r.reports.size()) + " reports");
  } else if (box != ToWide(FromAnsi(r.scene.expression))) {
    r.Fault("the expression box holds text from the wrong place: " + Bytes(box));
  } else {
    r.outcome = "hand-over reported";
    if (r.reports.size() != 1) r.Fault("a failed hand-over gave " + std::to_string(r.reports.size()) + " reports");
    if (WindowText(r.Item(IDC_TXTANS)) != answer) r.Fault("the answer was not kept after a failed hand-over");
  }
  PostMessageW(r.window, WM_CLOSE, 0, 0);
}

}  // namespace

bool ChaosRound::Await(const std::function<bool()>& done, DWORD timeoutMs) {
  return WaitUntil(
      [&] {
        if (HWND box = quorva->FindMessageBox()) {
          // A box just created may not show its text yet.
          std::wstring text;
          WaitUntil([&] { return !(text = MessageBoxText(box)).empty() || !IsWindow(box); }, 5000);
          reports.push_back(text);
          if (!FromCatalogue(text)) Fault("a report not from the catalogue: " + Bytes(text));
          PostMessageW(box, WM_COMMAND, IDOK, 0);
          WaitUntil([&] { return !IsWindow(box); }, 5000);
          return false;
        }
        return done();
      },
      timeoutMs);
}

const std::vector<ChaosRoad>& ChaosRoads() {
  static const std::vector<ChaosRoad> roads = {
      {"/selection, editor button", L"/selection", PlaySelection, false},
      {"window, editor button", L"", PlayWindow, false},
      {"/selection /wide, editor button", L"/selection /wide", PlaySelection, true},
      {"/now", L"/now", PlayNow, false},
      {"/now /append /wide", L"/now /append /wide", PlayNow, true, true},
  };
  return roads;
}

ChaosResult PlayChaosRound(uint64_t seed) {
  ChaosRound r;
  r.seed = seed;
  r.scene = qeditor::MakeChaosScene(seed);
  const ChaosRoad& road = ChaosRoads()[seed % ChaosRoads().size()];
  r.editor.emplace(Program(QUORVA_EDITOR_EXE, L"quorva-editor.exe"), L"--chaos " + std::to_wstring(seed) + L" --pos 0,0,360,240");
  if (!r.editor->Found() || !r.editor->InFront()) {
    r.Fault("the editor did not come to the front");
    return {r.faults, r.outcome};
  }
  road.play(r, road);
  if (r.quorva && !r.quorva->WaitForExit(kRoundMs / 4)) {
    r.Fault("Quorva did not end after its window was closed");
  } else if (r.quorva && r.quorva->ExitCode() != 0) {
    r.Fault("exit code " + std::to_string(r.quorva->ExitCode()) + " (3: terminate)");
  }
  return {r.faults, r.outcome};
}

}  // namespace quorva::test
