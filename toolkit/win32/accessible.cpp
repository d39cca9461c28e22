// What Active Accessibility gives a screen reader for the main window's
// client area, the edit fields and the option buttons: the object Windows
// makes for the window, with the page's texts added to the client area as
// static texts after its controls (in reading order), a field's description,
// where what changed on the page is told, and an option button's kind and
// check (Wine's object takes any button for a plain client area).

#include "toolkit/win32/win32_bridge.h"

#include <oleacc.h>

#include <string>
#include <vector>

namespace tk {

namespace {

BSTR WideString(const std::string& cp1252) {
    const int length =
        MultiByteToWideChar(1252, 0, cp1252.data(), static_cast<int>(cp1252.size()), nullptr, 0);
    BSTR out = SysAllocStringLen(nullptr, static_cast<UINT>(length));
    if (out != nullptr)
        MultiByteToWideChar(1252, 0, cp1252.data(), static_cast<int>(cp1252.size()), out, length);
    return out;
}

// Interfaces are named by __uuidof: the IID_ constants of mingw's oleacc
// import library are not the interfaces' identifiers.

// Windows' own object with the page's texts (for the client area), a
// description (for a field) or a kind and check (for an option button)
// added; everything else is Windows'.
class Accessible final : public IAccessible {
public:
    Accessible(IAccessible* standard, HWND hwnd, Accessed kind)
        : standard_(standard), hwnd_(hwnd), page_(kind == Accessed::Page), kind_(kind) {}

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** out) override {
        if (out == nullptr) return E_POINTER;
        if (id == __uuidof(IUnknown) || id == __uuidof(IDispatch) || id == __uuidof(IAccessible)) {
            *out = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0) {
            standard_->Release();
            delete this;
        }
        return left;
    }

    // IDispatch: none; screen readers call IAccessible itself.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (count != nullptr) *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        return E_NOTIMPL;
    }

    // IAccessible
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** out) override {
        return standard_->get_accParent(out);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
        const HRESULT result = standard_->get_accChildCount(count);
        if (SUCCEEDED(result) && page_) *count += static_cast<long>(PageTexts().size());
        return result;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
        if (Text(child) < 0) return standard_->get_accChild(child, out);
        *out = nullptr;
        return S_FALSE;  // a simple element, named through this object
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* out) override {
        const long text = Text(child);
        if (text < 0) return standard_->get_accName(child, out);
        const std::vector<ShownText> texts = PageTexts();
        if (out == nullptr || text >= static_cast<long>(texts.size())) return E_INVALIDARG;
        *out = WideString(texts[static_cast<std::size_t>(text)].text);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* out) override {
        if (Text(child) < 0) return standard_->get_accValue(child, out);
        *out = nullptr;
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* out) override {
        if (kind_ != Accessed::Field || child.vt != VT_I4 || child.lVal != CHILDID_SELF)
            return Nothing(child, out);
        const std::string& said = FieldDescription(hwnd_);
        if (said.empty()) return standard_->get_accDescription(child, out);
        *out = WideString(said);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* out) override {
        const LONG_PTR type = GetWindowLongPtrA(hwnd_, GWL_STYLE) & BS_TYPEMASK;
        long role = Text(child) >= 0 ? ROLE_SYSTEM_STATICTEXT : 0;
        if (kind_ == Accessed::Option && (type == BS_AUTORADIOBUTTON || type == BS_RADIOBUTTON))
            role = ROLE_SYSTEM_RADIOBUTTON;
        if (kind_ == Accessed::Option && (type == BS_AUTOCHECKBOX || type == BS_CHECKBOX))
            role = ROLE_SYSTEM_CHECKBUTTON;
        if (role == 0) return standard_->get_accRole(child, out);
        out->vt = VT_I4;
        out->lVal = role;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* out) override {
        if (Text(child) >= 0) {
            out->vt = VT_I4;
            out->lVal = STATE_SYSTEM_READONLY;
            return S_OK;
        }
        const HRESULT result = standard_->get_accState(child, out);
        if (SUCCEEDED(result) && kind_ == Accessed::Option && out->vt == VT_I4 &&
            SendMessageA(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED)
            out->lVal |= STATE_SYSTEM_CHECKED;
        return result;
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* out) override {
        return Text(child) < 0 ? standard_->get_accHelp(child, out) : Nothing(child, out);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
        return standard_->get_accHelpTopic(file, Self(child), topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* out) override {
        return Text(child) < 0 ? standard_->get_accKeyboardShortcut(child, out)
                               : Nothing(child, out);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* out) override {
        return standard_->get_accFocus(out);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* out) override {
        return standard_->get_accSelection(out);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* out) override {
        return Text(child) < 0 ? standard_->get_accDefaultAction(child, out) : Nothing(child, out);
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
        return Text(child) < 0 ? standard_->accSelect(flags, child) : S_FALSE;
    }
    // A text's place is its point on the client area.
    HRESULT STDMETHODCALLTYPE accLocation(long* x, long* y, long* width, long* height,
                                          VARIANT child) override {
        const long text = Text(child);
        if (text < 0) return standard_->accLocation(x, y, width, height, child);
        const std::vector<ShownText> texts = PageTexts();
        if (text >= static_cast<long>(texts.size())) return E_INVALIDARG;
        POINT at{texts[static_cast<std::size_t>(text)].x, texts[static_cast<std::size_t>(text)].y};
        ClientToScreen(hwnd_, &at);
        *x = at.x, *y = at.y, *width = 1, *height = 1;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* out) override {
        return standard_->accNavigate(direction, Self(start), out);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* out) override {
        return standard_->accHitTest(x, y, out);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return Text(child) < 0 ? standard_->accDoDefaultAction(child) : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
        return standard_->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return Text(child) < 0 ? standard_->put_accValue(child, value) : S_FALSE;
    }

private:
    // The index of the page text a child id names, or -1 for the object
    // itself and Windows' own children (its controls).
    long Text(const VARIANT& child) const {
        if (!page_ || child.vt != VT_I4 || child.lVal <= 0) return -1;
        long controls = 0;
        if (FAILED(standard_->get_accChildCount(&controls))) return -1;
        return child.lVal > controls ? child.lVal - controls - 1 : -1;
    }
    // A page text is asked about through the object itself.
    VARIANT Self(const VARIANT& child) const {
        if (Text(child) < 0) return child;
        VARIANT self;
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        return self;
    }
    static HRESULT Nothing(const VARIANT&, BSTR* out) {
        if (out != nullptr) *out = nullptr;
        return S_FALSE;
    }

    IAccessible* standard_;
    HWND hwnd_;
    bool page_;
    Accessed kind_;
    ULONG references_ = 1;
};

}  // namespace

LRESULT AccessibleObject(HWND hwnd, WPARAM wParam, LPARAM lParam, Accessed kind) {
    if (static_cast<long>(lParam) != OBJID_CLIENT) return 0;
    // The object is handed over through COM, started once a screen reader
    // first asks: a start without one costs nothing.
    static const bool com = SUCCEEDED(CoInitialize(nullptr));
    if (!com) return 0;
    IAccessible* standard = nullptr;
    if (FAILED(CreateStdAccessibleObject(hwnd, OBJID_CLIENT, __uuidof(IAccessible),
                                         reinterpret_cast<void**>(&standard))))
        return 0;
    auto* object = new Accessible(standard, hwnd, kind);
    const LRESULT result = LresultFromObject(__uuidof(IAccessible), wParam, object);
    object->Release();
    return result;
}

}  // namespace tk
