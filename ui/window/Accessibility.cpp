#include "ui/window/Accessibility.h"

#include <oleacc.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "common/windows/Boundary.h"
#include "common/windows/Handles.h"
#include "ui/window/ControlTable.h"
#include "ui/window/resource.h"

namespace quorva {

namespace {

// oleacc, ole32 and oleaut32 are loaded when a screen reader first asks, not at start-up, and
// kept until the program ends. COM is left before the libraries go: leaving it releases what a
// screen reader still holds, which calls into oleacc.
struct Oleacc {
  Library ole32{LoadLibraryW(L"ole32.dll")};
  Library oleacc{LoadLibraryW(L"oleacc.dll")};
  Library oleaut{LoadLibraryW(L"oleaut32.dll")};
  // Handing an object out marshals it, which needs COM on this thread.
  ComScope com{COINIT_APARTMENTTHREADED, FunctionOf<ComScope::Enter>(ole32, "CoInitializeEx"),
               FunctionOf<ComScope::Leave>(ole32, "CoUninitialize")};
  decltype(&CreateStdAccessibleObject) CreateStd = FunctionOf<decltype(CreateStd)>(oleacc, "CreateStdAccessibleObject");
  decltype(&LresultFromObject) Lresult = FunctionOf<decltype(Lresult)>(oleacc, "LresultFromObject");
  decltype(&SysAllocString) AllocString = FunctionOf<decltype(AllocString)>(oleaut, "SysAllocString");

  static const Oleacc* Get() {
    static const Oleacc api;
    return api.CreateStd && api.Lresult && api.AllocString ? &api : nullptr;
  }
};

bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

// The system's own accessible object of the control, with the name replaced; everything else is
// passed on unchanged.
class NamedAccessible final : public IAccessible {
 public:
  NamedAccessible(ComPtr<IAccessible> inner, const wchar_t* name, const Oleacc& api)
      : inner_(std::move(inner)), name_(name), api_(api) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
    if (!out) return E_POINTER;
    if (riid == __uuidof(IUnknown) || riid == __uuidof(IDispatch) || riid == __uuidof(IAccessible)) {
      *out = static_cast<IAccessible*>(this);
      AddRef();
      return S_OK;
    }
    return inner_->QueryInterface(riid, out);  // IEnumVARIANT, IOleWindow and the like
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&refs_); }
  ULONG STDMETHODCALLTYPE Release() override {
    ULONG left = InterlockedDecrement(&refs_);
    if (left == 0) delete this;
    return left;
  }

  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    if (!IsSelf(child)) return inner_->get_accName(child, name);
    if (!name) return E_POINTER;
    *name = api_.AllocString(name_);
    return *name ? S_OK : E_OUTOFMEMORY;
  }

  // Passed on.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* n) override { return inner_->GetTypeInfoCount(n); }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT i, LCID lcid, ITypeInfo** info) override { return inner_->GetTypeInfo(i, lcid, info); }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT n, LCID lcid, DISPID* ids) override {
    return inner_->GetIDsOfNames(riid, names, n, lcid, ids);
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                                   EXCEPINFO* exc, UINT* arg) override {
    return inner_->Invoke(id, riid, lcid, flags, params, result, exc, arg);
  }
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** p) override { return inner_->get_accParent(p); }
  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* n) override { return inner_->get_accChildCount(n); }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT c, IDispatch** p) override { return inner_->get_accChild(c, p); }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT c, BSTR* v) override { return inner_->get_accValue(c, v); }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT c, BSTR* d) override { return inner_->get_accDescription(c, d); }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT c, VARIANT* r) override { return inner_->get_accRole(c, r); }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT c, VARIANT* s) override { return inner_->get_accState(c, s); }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT c, BSTR* h) override { return inner_->get_accHelp(c, h); }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* f, VARIANT c, LONG* t) override { return inner_->get_accHelpTopic(f, c, t); }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT c, BSTR* k) override { return inner_->get_accKeyboardShortcut(c, k); }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* c) override { return inner_->get_accFocus(c); }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* c) override { return inner_->get_accSelection(c); }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT c, BSTR* a) override { return inner_->get_accDefaultAction(c, a); }
  HRESULT STDMETHODCALLTYPE accSelect(LONG f, VARIANT c) override { return inner_->accSelect(f, c); }
  HRESULT STDMETHODCALLTYPE accLocation(LONG* x, LONG* y, LONG* w, LONG* h, VARIANT c) override {
    return inner_->accLocation(x, y, w, h, c);
  }
  HRESULT STDMETHODCALLTYPE accNavigate(LONG dir, VARIANT start, VARIANT* end) override { return inner_->accNavigate(dir, start, end); }
  HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* c) override { return inner_->accHitTest(x, y, c); }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT c) override { return inner_->accDoDefaultAction(c); }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT c, BSTR n) override { return inner_->put_accName(c, n); }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT c, BSTR v) override { return inner_->put_accValue(c, v); }

 private:
  ~NamedAccessible() = default;
  LONG refs_ = 1;  // the creator's reference
  const ComPtr<IAccessible> inner_;
  const wchar_t* name_;
  const Oleacc& api_;
};

// The named controls and the window procedures they had. A plain subclass: the lookup stays in
// this process, where a comctl32 subclass would ask the window manager for its data on every
// message the control receives.
struct Named {
  HWND Control;
  WNDPROC Previous;
  const wchar_t* Name;
};
std::vector<Named>& NamedControls() {
  static std::vector<Named> controls;
  return controls;
}

LRESULT NamedControlMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto& controls = NamedControls();
  auto it = std::find_if(controls.begin(), controls.end(), [hwnd](const Named& n) { return n.Control == hwnd; });
  if (it == controls.end()) return DefWindowProcW(hwnd, msg, wParam, lParam);
  const Named named = *it;
  if (msg == WM_GETOBJECT) {
    const LONG object = static_cast<LONG>(lParam);
    const Oleacc* api = (object == OBJID_CLIENT || object == OBJID_WINDOW) ? Oleacc::Get() : nullptr;
    ComPtr<IAccessible> inner;
    if (api && SUCCEEDED(api->CreateStd(hwnd, object, __uuidof(IAccessible), reinterpret_cast<void**>(inner.GetAddressOf())))) {
      ComPtr<IAccessible> accessible;
      accessible.Attach(new NamedAccessible(std::move(inner), named.Name, *api));
      return api->Lresult(__uuidof(IAccessible), wParam, accessible.Get());
    }
  } else if (msg == WM_NCDESTROY) {
    controls.erase(it);
  }
  return CallWindowProcW(named.Previous, hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK NamedControlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return AtBoundary([&] { return NamedControlMessage(hwnd, msg, wParam, lParam); },
                    [&] {
                      // The control's own procedure answers what the name could not.
                      for (const Named& n : NamedControls()) {
                        if (n.Control == hwnd) return CallWindowProcW(n.Previous, hwnd, msg, wParam, lParam);
                      }
                      return DefWindowProcW(hwnd, msg, wParam, lParam);
                    });
}

}  // namespace

// Buttons and text boxes: the buttons show only a picture, and the boxes' own text is their value.
std::wstring_view AccessibleName(int controlId) {
  const ControlRow* row = RowOf(controlId);
  if (!row || (row->ControlKind != Kind::CommandButton && row->ControlKind != Kind::TextBox)) return {};
  const wchar_t* name = row->AccessibleName ? row->AccessibleName : row->Tooltip;
  return name ? name : std::wstring_view{};
}

void GiveAccessibleNames(const std::function<HWND(int)>& item) {
  for (const ControlRow& row : kControls) {
    const std::wstring_view name = AccessibleName(row.Id);
    HWND control = name.empty() ? nullptr : item(row.Id);
    if (!control) continue;
    auto previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&NamedControlProc)));
    NamedControls().push_back(Named{control, previous, name.data()});
  }
}

}  // namespace quorva
