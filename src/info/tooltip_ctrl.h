// CToolTipCtrl: the score dialog's tooltip control. One object lives among
// the library's load-time globals (TheScoreTooltip); its window is made by
// each new score dialog and goes with it.
#ifndef LOBBYUI_INFO_TOOLTIP_CTRL_H
#define LOBBYUI_INFO_TOOLTIP_CTRL_H

#include <windows.h>
#include <commctrl.h>

class CToolTipCtrl {
public:
    CToolTipCtrl() = default;
    // The window belongs to the dialog it was made for, and goes with it;
    // at unload there is nothing left to free.
    ~CToolTipCtrl() = default;
    CToolTipCtrl(const CToolTipCtrl&) = delete;
    CToolTipCtrl& operator=(const CToolTipCtrl&) = delete;

    // A new tooltip window owned by parent, replacing any earlier one.
    BOOL Create(HWND parent, DWORD style);
    void DestroyWindow();
    // Destroys the window when it was made for owner; one made since for
    // another dialog stays.
    void DestroyIfOwnedBy(HWND owner);
    // A tool over rect of window, subclassing window to see the mouse.
    BOOL AddTool(HWND window, UINT id, const RECT& rect, HINSTANCE instance, const char* text);
    void UpdateTipText(const char* text, HWND window, UINT id);

    HWND m_hWnd = nullptr;

private:
    HWND m_hOwner = nullptr;
};

CToolTipCtrl& TheScoreTooltip();

#endif
