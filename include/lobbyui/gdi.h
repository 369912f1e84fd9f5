// GDI handle wrappers. Owning and non-owning are different types: an owning
// object deletes its handle exactly once; a view (…Handle) never does. A host
// hands the library its bitmaps and image lists in either; the library only
// reads the handle and never frees what it did not make.
#ifndef LOBBYUI_GDI_H
#define LOBBYUI_GDI_H

#include <windows.h>
#include <commctrl.h>

template <class H, bool Owned>
class CGdiObjectT {
public:
    H m_hObject = nullptr;

    CGdiObjectT() = default;
    explicit CGdiObjectT(H handle) : m_hObject(handle) {}
    ~CGdiObjectT() { DeleteObject(); }
    CGdiObjectT(const CGdiObjectT&) = delete;
    CGdiObjectT& operator=(const CGdiObjectT&) = delete;
    CGdiObjectT(CGdiObjectT&& o) noexcept : m_hObject(o.m_hObject) { o.m_hObject = nullptr; }
    CGdiObjectT& operator=(CGdiObjectT&& o) noexcept {
        if (this != &o) { DeleteObject(); m_hObject = o.m_hObject; o.m_hObject = nullptr; }
        return *this;
    }

    H GetSafeHandle() const { return m_hObject; }
    operator H() const { return m_hObject; }
    void Attach(H handle) { DeleteObject(); m_hObject = handle; }
    H Detach() { H h = m_hObject; m_hObject = nullptr; return h; }
    // Deletes only what this object owns; a view just forgets the handle.
    void DeleteObject() {
        if (Owned && m_hObject) ::DeleteObject(reinterpret_cast<HGDIOBJ>(m_hObject));
        m_hObject = nullptr;
    }
};

template <bool Owned>
class CBitmapT : public CGdiObjectT<HBITMAP, Owned> {
public:
    CBitmapT() = default;
    explicit CBitmapT(HBITMAP h) : CGdiObjectT<HBITMAP, Owned>(h) {}
    BOOL CreateCompatibleBitmap(HDC dc, int width, int height) {
        this->Attach(::CreateCompatibleBitmap(dc, width, height));
        return this->m_hObject != nullptr;
    }
    // Width and height in pixels; 0 x 0 for no bitmap.
    SIZE GetSize() const {
        BITMAP info;
        SIZE size = {0, 0};
        if (this->m_hObject && ::GetObjectA(this->m_hObject, sizeof info, &info)) {
            size.cx = info.bmWidth;
            size.cy = info.bmHeight;
        }
        return size;
    }
};
using CBitmap = CBitmapT<true>;
using CBitmapHandle = CBitmapT<false>;

template <bool Owned>
class CFontT : public CGdiObjectT<HFONT, Owned> {
public:
    BOOL CreateFontIndirect(const LOGFONTA* lf) {
        this->Attach(::CreateFontIndirectA(lf));
        return this->m_hObject != nullptr;
    }
};
using CFont = CFontT<true>;

template <bool Owned>
class CBrushT : public CGdiObjectT<HBRUSH, Owned> {
public:
    CBrushT() = default;
    explicit CBrushT(COLORREF colour) : CGdiObjectT<HBRUSH, Owned>(::CreateSolidBrush(colour)) {}
};
using CBrush = CBrushT<true>;

template <bool Owned>
class CPenT : public CGdiObjectT<HPEN, Owned> {
public:
    CPenT() = default;
    CPenT(int style, int width, COLORREF colour) : CGdiObjectT<HPEN, Owned>(::CreatePen(style, width, colour)) {}
};
using CPen = CPenT<true>;

template <bool Owned>
class CRgnT : public CGdiObjectT<HRGN, Owned> {
public:
    CRgnT() = default;
    explicit CRgnT(HRGN h) : CGdiObjectT<HRGN, Owned>(h) {}
};
using CRgn = CRgnT<true>;

template <bool Owned>
class CImageListT {
public:
    HIMAGELIST m_hImageList = nullptr;

    CImageListT() = default;
    explicit CImageListT(HIMAGELIST h) : m_hImageList(h) {}
    ~CImageListT() { DeleteImageList(); }
    CImageListT(const CImageListT&) = delete;
    CImageListT& operator=(const CImageListT&) = delete;

    HIMAGELIST GetSafeHandle() const { return m_hImageList; }
    operator HIMAGELIST() const { return m_hImageList; }
    void Attach(HIMAGELIST h) { DeleteImageList(); m_hImageList = h; }
    HIMAGELIST Detach() { HIMAGELIST h = m_hImageList; m_hImageList = nullptr; return h; }
    BOOL Create(int cx, int cy, UINT flags, int initial, int grow) {
        Attach(::ImageList_Create(cx, cy, flags, initial, grow));
        return m_hImageList != nullptr;
    }
    int GetImageCount() const { return m_hImageList ? ::ImageList_GetImageCount(m_hImageList) : 0; }
    int Add(HBITMAP image, COLORREF mask) { return ::ImageList_AddMasked(m_hImageList, image, mask); }
    // The framework's spelling, for a host that keeps its pictures as CBitmaps.
    template <bool OwnedBitmap>
    int Add(const CBitmapT<OwnedBitmap>* image, COLORREF mask) {
        return image ? Add(image->GetSafeHandle(), mask) : -1;
    }
    // Draws image i at (x, y); out-of-range images and a missing list draw nothing.
    BOOL Draw(HDC dc, int i, int x, int y, UINT style = ILD_TRANSPARENT) const {
        if (!m_hImageList || i < 0 || i >= GetImageCount()) return FALSE;
        return ::ImageList_Draw(m_hImageList, i, dc, x, y, style);
    }
    void DeleteImageList() {
        if (Owned && m_hImageList) ::ImageList_Destroy(m_hImageList);
        m_hImageList = nullptr;
    }
};
using CImageList = CImageListT<true>;
using CImageListHandle = CImageListT<false>;

#endif
