#include "settings/web_browser.h"

#include <ole2.h>

#include <string>

#include "frame/library_search.h"
#include "frame/lobby_app.h"
#include "support/texts_gbk.h"

namespace {

const char kBrowserClassId[] = "{8856F961-340A-11D0-A96B-00C04FD705A2}";
// The HTML document object: what the browser control shows pages with.
const CLSID kHtmlDocumentClassId = {0x25336920, 0x03F9, 0x11CF, {0x8F, 0xD0, 0x00, 0xAA, 0x00, 0x68, 0x6F, 0x13}};

std::wstring Wide(const char* text) {
    int n = ::MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    if (n <= 0) return std::wstring();
    std::wstring out(static_cast<size_t>(n), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, text, -1, &out[0], n);
    out.resize(static_cast<size_t>(n - 1));
    return out;
}

bool HtmlEngineInstalled() {
    // Without an HTML engine (Wine without its Gecko package, say) the
    // control can be made but stays blank. Asked at every dialog: the
    // thread's apartment is the host's and may change.
    IUnknown* document = nullptr;
    HRESULT hr = ::CoCreateInstance(kHtmlDocumentClassId, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                                    reinterpret_cast<void**>(&document));
    if (FAILED(hr) || !document) return false;
    document->Release();
    return true;
}

bool (*g_htmlEngineCheck)() = &HtmlEngineInstalled;

}  // namespace

bool IsPlatformBrowserServer(const char* serverPath) {
    if (!serverPath) return true;
    std::string name(serverPath);
    while (!name.empty() && (name.back() == '"' || name.back() == ' ')) name.pop_back();
    size_t start = name.find_first_not_of("\" ");
    name.erase(0, start == std::string::npos ? name.size() : start);
    size_t slash = name.find_last_of("\\/");
    if (slash != std::string::npos) name.erase(0, slash + 1);
    for (char& ch : name) ch = static_cast<char>(ch >= 'A' && ch <= 'Z' ? ch - 'A' + 'a' : ch);
    return name.empty() || name == "ieframe.dll" || name == "shdocvw.dll";
}

bool IsServedByPlatformBrowser(IUnknown* control) {
    if (!control) return true;
    // The module holding the object's function table is the one that serves
    // it, whatever the registry says and wherever it was loaded from.
    const void* table = *reinterpret_cast<void* const*>(control);
    HMODULE server = nullptr;
    if (!::GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                              static_cast<const char*>(table), &server)) {
        return true;
    }
    char path[MAX_PATH] = {0};
    if (!::GetModuleFileNameA(server, path, MAX_PATH)) return true;
    return IsPlatformBrowserServer(path);
}

void SetHtmlEngineCheckForTesting(bool (*check)()) { g_htmlEngineCheck = check ? check : &HtmlEngineInstalled; }

bool WebPagesAvailable() { return EnsureControlHosting() && g_htmlEngineCheck(); }

CWebBrowser2::~CWebBrowser2() { DestroyWindow(); }

BOOL CWebBrowser2::CreateControl(HWND parent, const CRect& rect, UINT id) {
    DestroyWindow();
    if (!CreateBrowser(parent, rect, id)) CreateUnavailableText(parent, rect, id);
    return m_hWnd != nullptr;
}

bool CWebBrowser2::CreateBrowser(HWND parent, const CRect& rect, UINT id) {
    if (!EnsureControlHosting()) return false;
    HWND window = ::CreateWindowExA(0, "AtlAxWin", kBrowserClassId, WS_CHILD | WS_VISIBLE, rect.left, rect.top,
                                    rect.Width(), rect.Height(), parent,
                                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleA(nullptr), nullptr);
    if (!window) return false;
    using AtlAxGetControlFn = HRESULT(WINAPI*)(HWND, IUnknown**);
    // The same system-folder atl.dll the hosting was started from, never
    // one found by its bare name.
    static const HMODULE atl = LoadSystemLibrary(L"atl.dll");
    auto getControl = atl ? reinterpret_cast<AtlAxGetControlFn>(reinterpret_cast<void*>(::GetProcAddress(atl, "AtlAxGetControl")))
                          : nullptr;
    IUnknown* control = nullptr;
    if (getControl && SUCCEEDED(getControl(window, &control)) && control) {
        // The platform's own browser stays blank without its HTML engine;
        // any other browser registered for the class is given the page.
        if (!IsServedByPlatformBrowser(control) || g_htmlEngineCheck()) {
            control->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&m_dispatch));
        }
        control->Release();
    }
    if (!m_dispatch) {
        ::DestroyWindow(window);
        return false;
    }
    m_hWnd = window;
    return true;
}

void CWebBrowser2::CreateUnavailableText(HWND parent, const CRect& rect, UINT id) {
    m_hWnd = ::CreateWindowExA(0, "STATIC", kGbkWebPageUnavailable, WS_CHILD | WS_VISIBLE | SS_CENTER | SS_NOPREFIX,
                               rect.left, rect.top, rect.Width(), rect.Height(), parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleA(nullptr), nullptr);
}

void CWebBrowser2::ShowUnavailable() {
    if (!m_hWnd) return;
    std::string text = std::string(kGbkWebPageUnavailable) + m_url;
    ::SetWindowTextA(m_hWnd, text.c_str());
}

void CWebBrowser2::Navigate(const char* url, VARIANT* flags, VARIANT* targetFrameName, VARIANT* postData,
                            VARIANT* headers) {
    m_url = url ? url : "";
    if (!m_hWnd) return;
    ::SetPropA(m_hWnd, kNavigatedUrlProperty, const_cast<char*>(m_url.c_str()));
    if (!m_dispatch) {
        ShowUnavailable();
        return;
    }
    std::wstring wide = Wide(m_url.c_str());
    BSTR address = ::SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
    // Arguments go last first.
    VARIANTARG args[5];
    VARIANT* optional[4] = {headers, postData, targetFrameName, flags};
    for (int i = 0; i < 4; ++i) {
        ::VariantInit(&args[i]);
        args[i].vt = VT_VARIANT | VT_BYREF;
        args[i].pvarVal = optional[i];
    }
    ::VariantInit(&args[4]);
    args[4].vt = VT_BSTR;
    args[4].bstrVal = address;
    DISPPARAMS params = {args, nullptr, 5, 0};
    HRESULT hr = m_dispatch->Invoke(kNavigateDispatchId, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr,
                                    nullptr, nullptr);
    ::SysFreeString(address);
    if (SUCCEEDED(hr)) return;
    // A control that refuses the page would stay blank: the text takes its place.
    HWND parent = ::GetParent(m_hWnd);
    UINT id = static_cast<UINT>(::GetDlgCtrlID(m_hWnd));
    RECT r;
    ::GetWindowRect(m_hWnd, &r);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    std::string keep = m_url;
    DestroyWindow();
    CreateUnavailableText(parent, FromRECT(r), id);
    m_url = keep;
    if (m_hWnd) ::SetPropA(m_hWnd, kNavigatedUrlProperty, const_cast<char*>(m_url.c_str()));
    ShowUnavailable();
}

void CWebBrowser2::DestroyWindow() {
    if (m_dispatch) {
        m_dispatch->Release();
        m_dispatch = nullptr;
    }
    if (m_hWnd && ::IsWindow(m_hWnd)) {
        ::RemovePropA(m_hWnd, kNavigatedUrlProperty);
        ::DestroyWindow(m_hWnd);
    }
    m_hWnd = nullptr;
}

std::string CWebBrowser2::GetLocationURL() const {
    if (!m_dispatch) return std::string();
    const DISPID kLocationUrl = 211;
    DISPPARAMS none = {nullptr, nullptr, 0, 0};
    VARIANT result;
    ::VariantInit(&result);
    HRESULT hr = m_dispatch->Invoke(kLocationUrl, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, &result,
                                    nullptr, nullptr);
    std::string out;
    if (SUCCEEDED(hr) && result.vt == VT_BSTR && result.bstrVal) {
        int n = ::WideCharToMultiByte(CP_ACP, 0, result.bstrVal, -1, nullptr, 0, nullptr, nullptr);
        if (n > 1) {
            out.resize(static_cast<size_t>(n));
            ::WideCharToMultiByte(CP_ACP, 0, result.bstrVal, -1, &out[0], n, nullptr, nullptr);
            out.resize(static_cast<size_t>(n - 1));
        }
    }
    ::VariantClear(&result);
    return out;
}
