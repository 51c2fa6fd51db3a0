#pragma once
// Owners for what Windows hands out and the program has to give back: each gives its object back
// once, when it goes, on every road out (an exception included). The one place in the program
// that calls DeleteDC, DeleteObject, CloseHandle, GlobalFree and GlobalUnlock.
#include <windows.h>

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
}  // namespace handles

using MemoryDc = Owned<HDC, handles::Dc>;  // from CreateCompatibleDC
using Font = Owned<HFONT, handles::GdiObject>;
using Bitmap = Owned<HBITMAP, handles::GdiObject>;
using Pen = Owned<HPEN, handles::GdiObject>;
using Handle = Owned<HANDLE, handles::Kernel>;      // files, events, processes, threads
using GlobalMemory = Owned<HGLOBAL, handles::Global>;

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
