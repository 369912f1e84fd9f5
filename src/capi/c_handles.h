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
// of 1035, and a web dialog's the CDialog pointer. The C interface remembers
// which it handed out and has not had back: only those are read for their
// window, since a C host has no m_hWnd to read.
inline CButton* ButtonOf(LOBBYUI_HBUTTON button) { return reinterpret_cast<CButton*>(button); }
LOBBYUI_HBUTTON HandOutButton(CButton* button);
CButton* TakeBackButton(LOBBYUI_HBUTTON button);
HWND ButtonWindow(LOBBYUI_HBUTTON button);

LOBBYUI_HWEBDLG HandOutWebDialog(CDialog* dialog);
CDialog* TakeBackWebDialog(LOBBYUI_HWEBDLG dialog);
HWND WebDialogWindow(LOBBYUI_HWEBDLG dialog);

}  // namespace lobbyui_c

#endif
