// Device contexts. CDC is a view over an HDC that paint routines draw into;
// CPaintDC, CClientDC and CMemoryDC own theirs. SelectGuard puts back what it
// replaced, so no paint routine leaves a DC changed.
#ifndef LOBBYUI_WIN_DC_H
#define LOBBYUI_WIN_DC_H

#include <windows.h>
#include <lobbyui/geometry.h>
#include <lobbyui/wnd.h>

// Every font of the library: the Chinese character set (134) at a variable
// pitch, so that the font mapper finds a face with the lobby's characters;
// the caller names the face.
inline LOGFONTA ChineseLogFont(int height, int weight) {
    LOGFONTA lf = {};
    lf.lfHeight = height;
    lf.lfWeight = weight;
    lf.lfCharSet = GB2312_CHARSET;
    lf.lfPitchAndFamily = VARIABLE_PITCH;
    return lf;
}

class CDC {
public:
    HDC m_hDC = nullptr;

    CDC() = default;
    explicit CDC(HDC dc) : m_hDC(dc) {}
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    HDC GetSafeHdc() const { return m_hDC; }
    operator HDC() const { return m_hDC; }

    COLORREF SetTextColor(COLORREF c) const { return ::SetTextColor(m_hDC, c); }
    COLORREF SetBkColor(COLORREF c) const { return ::SetBkColor(m_hDC, c); }
    int SetBkMode(int mode) const { return ::SetBkMode(m_hDC, mode); }
    BOOL TextOut(int x, int y, const char* text, int length = -1) const;
    int DrawText(const char* text, CRect rect, UINT format) const;
    SIZE GetTextExtent(const char* text, int length = -1) const;
    void FillSolidRect(const CRect& rect, COLORREF colour) const;
    void FrameRect(const CRect& rect, COLORREF colour) const;
    BOOL BitBlt(int x, int y, int width, int height, HDC source, int sx, int sy, DWORD rop = SRCCOPY) const {
        return ::BitBlt(m_hDC, x, y, width, height, source, sx, sy, rop);
    }
    BOOL StretchBlt(const CRect& dest, HDC source, const CRect& src, DWORD rop = SRCCOPY) const {
        return ::StretchBlt(m_hDC, dest.left, dest.top, dest.Width(), dest.Height(), source, src.left, src.top,
                            src.Width(), src.Height(), rop);
    }
    // Draws a whole bitmap into dest, stretched; transparent is a colour key or
    // CLR_INVALID for an opaque copy.
    BOOL DrawBitmap(HBITMAP bitmap, const CRect& dest, COLORREF transparent = CLR_INVALID) const;
};

class CPaintDC : public CDC {
public:
    explicit CPaintDC(HWND wnd) : m_wnd(wnd) { m_hDC = ::BeginPaint(wnd, &m_ps); }
    ~CPaintDC() { ::EndPaint(m_wnd, &m_ps); }
    const PAINTSTRUCT& ps() const { return m_ps; }

private:
    HWND m_wnd;
    PAINTSTRUCT m_ps = {};
};

class CClientDC : public CDC {
public:
    explicit CClientDC(HWND wnd) : m_wnd(wnd) { m_hDC = ::GetDC(wnd); }
    ~CClientDC() { if (m_hDC) ::ReleaseDC(m_wnd, m_hDC); }

private:
    HWND m_wnd;
};

// A memory DC compatible with another, deleted with the object.
class CMemoryDC : public CDC {
public:
    explicit CMemoryDC(HDC compatibleWith) { m_hDC = ::CreateCompatibleDC(compatibleWith); }
    ~CMemoryDC() { if (m_hDC) ::DeleteDC(m_hDC); }
};

class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ object) : m_dc(dc), m_old(object ? ::SelectObject(dc, object) : nullptr) {}
    ~SelectGuard() { if (m_old) ::SelectObject(m_dc, m_old); }
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_old;
};

#endif
