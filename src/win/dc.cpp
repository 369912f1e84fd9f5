#include "win/dc.h"

#include <string.h>

BOOL CDC::TextOut(int x, int y, const char* text, int length) const {
    if (!text) return FALSE;
    return ::TextOutA(m_hDC, x, y, text, length < 0 ? static_cast<int>(strlen(text)) : length);
}

int CDC::DrawText(const char* text, CRect rect, UINT format) const {
    if (!text) return 0;
    RECT r = CWnd::ToRECT(rect);
    return ::DrawTextA(m_hDC, text, -1, &r, format);
}

SIZE CDC::GetTextExtent(const char* text, int length) const {
    SIZE size = {0, 0};
    if (text) ::GetTextExtentPoint32A(m_hDC, text, length < 0 ? static_cast<int>(strlen(text)) : length, &size);
    return size;
}

void CDC::FillSolidRect(const CRect& rect, COLORREF colour) const {
    RECT r = CWnd::ToRECT(rect);
    COLORREF old = ::SetBkColor(m_hDC, colour);
    ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
    ::SetBkColor(m_hDC, old);
}

void CDC::FrameRect(const CRect& rect, COLORREF colour) const {
    RECT r = CWnd::ToRECT(rect);
    HBRUSH brush = ::CreateSolidBrush(colour);
    ::FrameRect(m_hDC, &r, brush);
    ::DeleteObject(brush);
}

BOOL CDC::DrawBitmap(HBITMAP bitmap, const CRect& dest, COLORREF transparent) const {
    BITMAP info;
    if (!bitmap || !::GetObjectA(bitmap, sizeof info, &info)) return FALSE;
    CMemoryDC source(m_hDC);
    SelectGuard select(source, bitmap);
    if (transparent == CLR_INVALID) {
        return ::StretchBlt(m_hDC, dest.left, dest.top, dest.Width(), dest.Height(), source, 0, 0, info.bmWidth,
                            info.bmHeight, SRCCOPY);
    }
    return ::TransparentBlt(m_hDC, dest.left, dest.top, dest.Width(), dest.Height(), source, 0, 0, info.bmWidth,
                            info.bmHeight, transparent);
}
