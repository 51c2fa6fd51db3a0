#pragma once
// The calculator window: its layout, commands and keyboard handling.
#include <windows.h>

#include <array>
#include <functional>
#include <memory>
#include <string>

#include "bridge/clsTeraPad.h"
#include "channels/EditorFace.h"
#include "common/windows/Handles.h"
#include "common/history/History.h"
#include "engine/FormatAnswer.h"
#include "engine/NumberLocale.h"
#include "ui/window/ControlTable.h"
#include "ui/window/ExpressionRecall.h"
#include "ui/form/Form.h"
#include "ui/form/clsForm.h"

namespace quorva {

class frmCalc final : public Form {
 public:
  // How the window tells the user what went wrong with the editor (the run's notices).
  using EditorTeller = std::function<void(const EditorOutcome&)>;

  // Creates the window and its controls (not shown yet) and attaches its helper. bridge is the
  // run's editor bridge (null: none), which the window uses but does not own and forgets as the
  // first step of its unloading; tell tells the user when the editor button's hand-over fails;
  // history is the run's (null: none). onUnloaded runs as the last step of unloading.
  frmCalc(clsTeraPad* bridge, EditorTeller tell, History* history, std::function<void()> onUnloaded = {});
  ~frmCalc() override;

  // Shows the window modeless, centred on the screen.
  void Show();
  // An answer worked out before the window opened; the buttons that hand it on follow it.
  void PutAnswer(const std::wstring& answer);
  // The calculate command, as Enter in the expression box gives it.
  void PressCalculate();

  // From the form's own table: GetDlgItem would ask the window manager each time.
  HWND Item(int id) const {
    for (const Control& c : Controls()) {
      if (c.Id == id) return c.hWnd;
    }
    return nullptr;
  }
  const NumberLocale& Locale() const { return locale_; }
  // How the calculate command rounds the answer's last place (/round).
  void SetRounding(Rounding rounding) { rounding_ = rounding; }

 protected:
  void Form_KeyDown(uint16_t& KeyCode, uint16_t Shift) override;
  void Form_Unload(int16_t& Cancel) override;
  void OnCommand(int id, int code, HWND control) override;
  void OnDpiChanged(UINT dpi, const RECT& suggested) override;
  LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  void CreateControls();
  void LoadPictures();
  void DrawButton(const DRAWITEMSTRUCT& item);
  void CreateTooltips();
  void MakeFonts();  // for the window's DPI
  HFONT FontOf(FontKind kind) const;
  void GiveFont(const ControlRow& row, HWND control);
  // Where a control goes at the window's DPI, in client pixels; labels are measured on measure.
  RECT ControlRect(const ControlRow& row, HDC measure) const;
  // The window's rectangle at dpi; centred on the screen for CW_USEDEFAULT.
  static RECT FormRect(UINT dpi, int left, int top);
  void FitClientArea();
  // Moves and sizes the window for its DPI; centred on the screen for CW_USEDEFAULT.
  void PlaceWindow(int left, int top);
  void ApplyLayout(int left, int top);
  void Form_Initialize();

  void cmdSum_Click();
  // Sets the answer box, showing its right end.
  void ShowAnswer(const std::u16string& answer);
  void cmdClr_Click();
  void cmdCopy_Click();
  void cmdTeraPad_Click();
  void txtAns_Change();
  void txtCalc_Change();
  void txtCalc_GotFocus();
  void txtAfter_GotFocus();
  bool HasEditor() const { return bridge_ && bridge_->hEdit(); }

  clsTeraPad* bridge_;
  EditorTeller tell_;
  History* history_;
  std::unique_ptr<clsForm> clsFrm;
  std::function<void()> onUnloaded_;
  NumberLocale locale_;
  Rounding rounding_ = Rounding::kHalf;
  Font fontDefault_, fontBold_, fontFixed_;
  std::array<Bitmap, kPictureCount> pictures_;
  std::array<Bitmap, kPictureCount> greyed_;  // the pictures as disabled buttons show them
  OwnedWindow tooltip_;
  ExpressionRecall recall_;
};

}  // namespace quorva
