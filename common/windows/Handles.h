#pragma once
// Owners for what Windows hands out and the program has to give back: each gives its object back
// once, when it goes, on every road out (an exception included). The one place in the program
// that calls DeleteDC, ReleaseDC, DeleteObject, CloseHandle, CloseThemeData, UnhookWindowsHookEx,
// ReleaseMutex, DestroyWindow (but for a form's own window, which its window procedure owns),
// GlobalFree, GlobalUnlock, EndPaint, FreeLibrary, DestroyIcon, DeleteEnhMetaFile, DeleteMetaFile,
// DestroyMenu, CoUninitialize and a COM object's Release (through ComPtr).
#include <windows.h>
#include <uxtheme.h>
#include <wrl/client.h>

#include <utility>

namespace quorva {

template <typename T, typename Traits>
class Owned {
 public:
  Owned() = default;
  // A failed call's null or INVALID_HANDLE_VALUE is taken as nothing.
  explicit Owned(T object) : object_(Traits::Valid(object) ? object : nullptr) {}
  Owned(Owned&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
  Owned& operator=(Owned&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.object_, nullptr));
    return *this;
  }
  Owned(const Owned&) = delete;
  Owned& operator=(const Owned&) = delete;
  ~Owned() { Reset(); }

  T Get() const { return object_; }
  explicit operator bool() const { return object_ != nullptr; }
  // Gives back what it holds and takes object instead.
  void Reset(T object = nullptr) {
    if (object_) Traits::Free(object_);
    object_ = Traits::Valid(object) ? object : nullptr;
  }
  // Hands the object over (to the clipboard, say): no longer given back here.
  T Release() { return std::exchange(object_, nullptr); }

 private:
  T object_ = nullptr;
};

namespace handles {
struct Dc {
  static bool Valid(HDC dc) { return dc != nullptr; }
  static void Free(HDC dc) { DeleteDC(dc); }
};
struct GdiObject {
  static bool Valid(HGDIOBJ object) { return object != nullptr; }
  static void Free(HGDIOBJ object) { DeleteObject(object); }
};
struct Kernel {
  static bool Valid(HANDLE h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
  static void Free(HANDLE h) { CloseHandle(h); }
};
struct Global {
  static bool Valid(HGLOBAL mem) { return mem != nullptr; }
  static void Free(HGLOBAL mem) { GlobalFree(mem); }
};
struct Theme {
  static bool Valid(HTHEME theme) { return theme != nullptr; }
  static void Free(HTHEME theme) { CloseThemeData(theme); }
};
struct Hook {
  static bool Valid(HHOOK hook) { return hook != nullptr; }
  static void Free(HHOOK hook) { UnhookWindowsHookEx(hook); }
};
struct Icon {
  static bool Valid(HICON icon) { return icon != nullptr; }
  static void Free(HICON icon) { DestroyIcon(icon); }
};
struct Library {
  static bool Valid(HMODULE module) { return module != nullptr; }
  static void Free(HMODULE module) { FreeLibrary(module); }
};
struct EnhMetaFile {
  static bool Valid(HENHMETAFILE file) { return file != nullptr; }
  static void Free(HENHMETAFILE file) { DeleteEnhMetaFile(file); }
};
struct MetaFile {
  static bool Valid(HMETAFILE file) { return file != nullptr; }
  static void Free(HMETAFILE file) { DeleteMetaFile(file); }
};
struct Menu {
  static bool Valid(HMENU menu) { return menu != nullptr; }
  static void Free(HMENU menu) { DestroyMenu(menu); }
};
struct Window {
  // One the system destroyed already (with its owner, say) is not destroyed again.
  static bool Valid(HWND window) { return window != nullptr; }
  static void Free(HWND window) {
    if (IsWindow(window)) DestroyWindow(window);
  }
};
}  // namespace handles

using MemoryDc = Owned<HDC, handles::Dc>;  // from CreateCompatibleDC
using Font = Owned<HFONT, handles::GdiObject>;
using Bitmap = Owned<HBITMAP, handles::GdiObject>;
using Pen = Owned<HPEN, handles::GdiObject>;
using Handle = Owned<HANDLE, handles::Kernel>;      // files, events, processes, threads
using GlobalMemory = Owned<HGLOBAL, handles::Global>;
using Theme = Owned<HTHEME, handles::Theme>;        // from OpenThemeData
using Hook = Owned<HHOOK, handles::Hook>;           // from SetWindowsHookExW
using OwnedWindow = Owned<HWND, handles::Window>;  // a window that is not a form's own
using Library = Owned<HMODULE, handles::Library>;  // from LoadLibraryW
// A function of a library loaded when it is first needed; null where the library or the function
// is missing.
template <typename Fn>
Fn FunctionOf(const Library& library, const char* name) {
  return library ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(library.Get(), name))) : nullptr;
}
using Icon = Owned<HICON, handles::Icon>;          // from LoadImageW without LR_SHARED
// A process from CreateProcessW: its process and thread handles, given back when it goes.
struct StartedProcess {
  StartedProcess() = default;
  explicit StartedProcess(const PROCESS_INFORMATION& info)
      : process(info.hProcess), thread(info.hThread), id(info.dwProcessId) {}
  Handle process;
  Handle thread;
  DWORD id = 0;
};
using EnhMetaFile = Owned<HENHMETAFILE, handles::EnhMetaFile>;
using MetaFile = Owned<HMETAFILE, handles::MetaFile>;
using Menu = Owned<HMENU, handles::Menu>;  // from CreatePopupMenu
// COM objects: each reference is given back when its pointer goes.
template <typename T>
using ComPtr = Microsoft::WRL::ComPtr<T>;

// A window's device context from GetDC (the screen's for nullptr), until the scope ends.
class WindowDc {
 public:
  explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~WindowDc() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC Get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// A window's paint: BeginPaint here, EndPaint when the scope ends, also when the painting throws.
class PaintDc {
 public:
  explicit PaintDc(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
  ~PaintDc() {
    if (dc_) EndPaint(window_, &paint_);
  }
  PaintDc(const PaintDc&) = delete;
  PaintDc& operator=(const PaintDc&) = delete;
  HDC Get() const { return dc_; }
  const RECT& Dirty() const { return paint_.rcPaint; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

// COM entered on this thread until the scope ends; left again only if entering it succeeded
// (a thread already in another apartment model is not left). The functions can be handed in
// for a program that loads ole32 only when it needs it.
class ComScope {
 public:
  using Enter = HRESULT(WINAPI*)(LPVOID, DWORD);
  using Leave = void(WINAPI*)();
  explicit ComScope(DWORD model) : ComScope(model, &CoInitializeEx, &CoUninitialize) {}
  ComScope(DWORD model, Enter enter, Leave leave)
      : leave_(enter && leave && SUCCEEDED(enter(nullptr, model)) ? leave : nullptr) {}
  ~ComScope() {
    if (leave_) leave_();
  }
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;
  bool Entered() const { return leave_ != nullptr; }

 private:
  Leave leave_;
};

// A mutex waited for and held until the scope ends. One that a process left behind when it
// ended (abandoned) is held as well. Held() is false when the wait failed; Error() then says why.
class MutexLock {
 public:
  MutexLock(HANDLE mutex, DWORD waitMs) : mutex_(mutex) {
    const DWORD wait = mutex ? WaitForSingleObject(mutex, waitMs) : WAIT_FAILED;
    held_ = wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED;
    if (!held_) error_ = wait == WAIT_TIMEOUT ? ERROR_TIMEOUT : mutex ? GetLastError() : ERROR_INVALID_HANDLE;
  }
  ~MutexLock() {
    if (held_) ReleaseMutex(mutex_);
  }
  MutexLock(const MutexLock&) = delete;
  MutexLock& operator=(const MutexLock&) = delete;
  bool Held() const { return held_; }
  DWORD Error() const { return error_; }

 private:
  HANDLE mutex_;
  bool held_ = false;
  DWORD error_ = 0;
};

// An object selected into a device context until the scope ends; then the one before is back.
class Selected {
 public:
  Selected(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~Selected() { SelectObject(dc_, previous_); }
  Selected(const Selected&) = delete;
  Selected& operator=(const Selected&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// Global memory locked until the scope ends; Data() is nullptr when it could not be locked.
template <typename T>
class Locked {
 public:
  explicit Locked(HGLOBAL mem) : mem_(mem), data_(static_cast<T*>(GlobalLock(mem))) {}
  ~Locked() {
    if (data_) GlobalUnlock(mem_);
  }
  Locked(const Locked&) = delete;
  Locked& operator=(const Locked&) = delete;
  T* Data() const { return data_; }

 private:
  HGLOBAL mem_;
  T* data_;
};

}  // namespace quorva
