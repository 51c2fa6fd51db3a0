#pragma once
// A top-level window with a table of named controls, key preview, and helpers that receive the
// window's events after the window's own handlers (the way clsForm is attached to a form).
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace quorva {

// The kinds of control. The system's documents tell controls apart by their run-time type names
// ("TextBox", "CheckBox", ...), which are these names one for one: a kind is compared instead.
enum class Kind { TextBox, ComboBox, CheckBox, OptionButton, CommandButton, Frame, Label };

// One control of a form. Collection order is TabIndex order.
struct Control {
  HWND hWnd = nullptr;
  int Id = 0;
  std::wstring Name;
  Kind ControlKind = Kind::TextBox;
  std::wstring Tag;
};

// Layout is designed in twips, 1/1440 inch; the system's 100 % is 96 dots per inch (15 twips to
// a pixel), and fonts are sized in points, 1/72 inch.
inline constexpr int kTwipsPerInch = 1440;
inline constexpr UINT kBaseDpi = 96;
inline constexpr int kPointsPerInch = 72;

inline int TwipsToPixels(int twips, UINT dpi) { return MulDiv(twips, static_cast<int>(dpi), kTwipsPerInch); }
inline int PixelsToTwips(int pixels, UINT dpi) { return MulDiv(pixels, kTwipsPerInch, static_cast<int>(dpi)); }

// Shift state of a key event, as key handlers receive it.
inline constexpr uint16_t kShiftMask = 1, kCtrlMask = 2, kAltMask = 4;

// Receives a form's events after the form's own handlers.
class FormEvents {
 public:
  virtual void GotFocus() {}
  virtual void KeyDown(uint16_t& KeyCode, uint16_t Shift) { (void)KeyCode, (void)Shift; }
  virtual void KeyPress(uint16_t& KeyAscii) { (void)KeyAscii; }
  virtual void Paint(HDC hdc) { (void)hdc; }

 protected:
  ~FormEvents() = default;
};

class Form {
 public:
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;
  virtual ~Form();

  HWND hWnd() const { return hwnd_; }
  static Form* FromHandle(HWND hwnd);

  const std::vector<Control>& Controls() const { return controls_; }
  const Control* Find(HWND hwnd) const;
  // The control that holds the focus, or null when none of this form's controls does.
  const Control* ActiveControl() const;

  // Twips to pixels at the window's current DPI.
  int Pixels(int twips) const { return TwipsToPixels(twips, dpi_); }
  UINT Dpi() const { return dpi_; }

  void Attach(FormEvents* helper);
  void Detach(FormEvents* helper);

  // Key preview: the message loop calls these for every key aimed at one of the form's
  // controls, before the control sees it. A key code or character set to 0 is consumed.
  void PreviewKeyDown(uint16_t& KeyCode, uint16_t Shift);
  void PreviewKeyPress(uint16_t& KeyAscii);
  // Moves the focus to the next (or previous) control that takes it, in collection order.
  void TabNext(bool backwards);

  // Unloads the form: Form_Unload, then the window is destroyed unless the handler cancels.
  void Unload();
  bool Unloaded() const { return unloaded_; }

  // True while the form gives the focus back to the control that had it before the user went
  // to another window.
  bool RestoringFocus() const { return restoringFocus_; }

 protected:
  Form() = default;

  // Creates the window (not shown), at place (screen pixels) when given. Call once, from the
  // derived constructor. The icons (the small one drawn for the caption; the large one when
  // null) become the form class's icons.
  void CreateFormWindow(const wchar_t* caption, DWORD style, DWORD exStyle, HICON icon, HICON smallIcon = nullptr,
                        const RECT* place = nullptr);
  // Creates a control as a direct child of the window, at place (client pixels), and adds it to
  // the collection.
  HWND AddControl(const wchar_t* className, DWORD style, DWORD exStyle, int id, const wchar_t* name, Kind kind,
                  const wchar_t* text = L"", const wchar_t* tag = L"", const RECT& place = {});

  virtual void Form_GotFocus() {}
  virtual void Form_KeyDown(uint16_t& KeyCode, uint16_t Shift) { (void)KeyCode, (void)Shift; }
  virtual void Form_KeyPress(uint16_t& KeyAscii) { (void)KeyAscii; }
  virtual void Form_Paint(HDC hdc) { (void)hdc; }
  virtual void Form_Unload(int16_t& Cancel) { (void)Cancel; }
  virtual void OnCommand(int id, int code, HWND control) { (void)id, (void)code, (void)control; }
  virtual void OnDpiChanged(UINT dpi, const RECT& suggested) { (void)dpi, (void)suggested; }
  virtual LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam);

  void SetDpi(UINT dpi) { dpi_ = dpi; }

 private:
  // The window procedure: Dispatch at the program's boundary.
  static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  static LRESULT Dispatch(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  void OnActivate(WPARAM wParam);
  void OnSetFocus();
  void OnPaint();
  void OnDestroy();

  HWND hwnd_ = nullptr;
  UINT dpi_ = kBaseDpi;
  bool unloaded_ = false;
  bool restoringFocus_ = false;
  HWND lastFocus_ = nullptr;
  std::vector<Control> controls_;
  std::vector<FormEvents*> helpers_;
};

}  // namespace quorva
