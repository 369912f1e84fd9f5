// What the C interface hands the C++ facades in place of a C host's handles,
// and what it hands back. A C host has no framework objects: its windows,
// image lists and bitmaps arrive as Win32 handles, its rectangles as RECT
// pointers, and the library's buttons and web dialogs leave as opaque handles.
#ifndef LOBBYUI_CAPI_C_HANDLES_H
#define LOBBYUI_CAPI_C_HANDLES_H

#include <lobbyui/lobbyui.h>
#include <lobbyui/lobbyui_c.h>

namespace lobbyui_c {

CWnd* WndOf(HWND hwnd);
// Lasting views: the dialogs keep the pointer, so one handle always gives the
// same object. The host's image list or bitmap is never freed through it.
CImageList* ImageListOf(HIMAGELIST images);
CBitmap* BitmapOf(HBITMAP bitmap);
CRect RectOf(const RECT* rect);

// A button's handle is the CButton pointer itself, so that it equals lParam
// of LOBBYUI_MSG_ROOM_BUTTON_PRESSED, and a web dialog's the CDialog
// pointer. A C host has no m_hWnd to read, so the window is read for it, but
// only of an object the library's own lists say is still handed out.
inline CButton* ButtonOf(LOBBYUI_HBUTTON button) { return reinterpret_cast<CButton*>(button); }
inline LOBBYUI_HBUTTON ButtonHandle(CButton* button) { return reinterpret_cast<LOBBYUI_HBUTTON>(button); }
HWND ButtonWindow(LOBBYUI_HBUTTON button);

inline CDialog* WebDialogOf(LOBBYUI_HWEBDLG dialog) { return reinterpret_cast<CDialog*>(dialog); }
inline LOBBYUI_HWEBDLG WebDialogHandle(CDialog* dialog) { return reinterpret_cast<LOBBYUI_HWEBDLG>(dialog); }
HWND WebDialogWindow(LOBBYUI_HWEBDLG dialog);

}  // namespace lobbyui_c

#endif
