#include "create/check_button.h"

BOOL CCHECKBUTTON::TakeOver(UINT id, const CWnd& owner, const NewCreatePictures* pictures) {
    if (!SubclassDlgItem(id, owner)) return FALSE;
    m_pPictures = pictures;
    m_look = NewCreateControlRow(id).look;
    if (!m_look.region.IsRectEmpty()) {
        const CRect& r = m_look.region;
        HRGN region = ::CreateRoundRectRgn(r.left, r.top, r.right, r.bottom, m_look.corner, m_look.corner);
        // The window owns the region from here on.
        if (region && !::SetWindowRgn(m_hWnd, region, TRUE)) ::DeleteObject(region);
    }
    return TRUE;
}

void CCHECKBUTTON::SetImage(const std::wstring& path) {
    // The dialog sets the same picture on every paint; only a change loads.
    if (path != m_normalPath || !m_normal) {
        m_normalPath = path;
        m_normal.Attach(LoadPictureFile(path));
    }
    if (m_hWnd) Invalidate(FALSE);
}

void CCHECKBUTTON::SetImage(int pictureIndex) {
    m_normalIndex = pictureIndex;
    SetImage(m_pPictures ? m_pPictures->Path(pictureIndex) : std::wstring());
}

HBITMAP CCHECKBUTTON::LoadOnce(CBitmap& slot, int index) {
    // A failed load is tried again at the next paint: the file may yet come.
    if (!slot && m_pPictures && index >= 0) slot.Attach(LoadPictureFile(m_pPictures->Path(index)));
    return slot;
}

HBITMAP CCHECKBUTTON::PictureFor(UINT itemState) {
    // A look without hovered and pressed pictures (a check box) always
    // shows the picture its owner gave it.
    HBITMAP picture = nullptr;
    if (itemState & ODS_SELECTED) {
        picture = LoadOnce(m_pressed, m_look.pressed);
    } else if (IsHovered()) {
        picture = LoadOnce(m_hover, m_look.hover);
    }
    return picture ? picture : static_cast<HBITMAP>(m_normal);
}

BOOL CCHECKBUTTON::OnChildNotify(UINT msg, WPARAM, LPARAM l, LRESULT* result) {
    if (msg != WM_DRAWITEM || !l) return FALSE;
    const DRAWITEMSTRUCT* item = reinterpret_cast<const DRAWITEMSTRUCT*>(l);
    CDC dc(item->hDC);
    const RECT& r = item->rcItem;
    if (!m_look.region.IsRectEmpty()) {
        HBITMAP picture = PictureFor(item->itemState);
        if (picture) {
            CMemoryDC source(dc);
            SelectGuard select(source, picture);
            dc.BitBlt(r.left, r.top, r.right - r.left, r.bottom - r.top, source, 0, 0, SRCCOPY);
        }
    } else {
        // Buttons without a look of their own show their outline only.
        ::Rectangle(dc, r.left, r.top, r.right, r.bottom);
    }
    *result = TRUE;
    return TRUE;
}
