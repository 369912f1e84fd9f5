// Reaching a dialog's windows and controls from a Win32 test as a host would
// see them: owned pop-ups with known controls, pressed the way a button
// reports a press.
#ifndef LOBBYUI_TESTS_DIALOG_CONTROLS_H
#define LOBBYUI_TESTS_DIALOG_CONTROLS_H

#include <windows.h>
#include <commctrl.h>

struct OwnedDialogSearch {
    HWND owner;
    int id;
    HWND found;
};

inline BOOL CALLBACK MatchOwnedDialog(HWND h, LPARAM p) {
    OwnedDialogSearch* s = reinterpret_cast<OwnedDialogSearch*>(p);
    if (::GetWindow(h, GW_OWNER) == s->owner && ::GetDlgItem(h, s->id)) {
        s->found = h;
        return FALSE;
    }
    return TRUE;
}

// The top-level window of this thread owned by owner that has a control id.
inline HWND FindOwnedDialog(HWND owner, int controlId) {
    OwnedDialogSearch search = {owner, controlId, nullptr};
    ::EnumThreadWindows(::GetCurrentThreadId(), &MatchOwnedDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

struct OwnedTooltipSearch {
    HWND owner;
    HWND found;
};

inline BOOL CALLBACK MatchOwnedTooltip(HWND h, LPARAM p) {
    OwnedTooltipSearch* s = reinterpret_cast<OwnedTooltipSearch*>(p);
    char name[32] = {0};
    ::GetClassNameA(h, name, sizeof name);
    if (::GetWindow(h, GW_OWNER) == s->owner && lstrcmpA(name, TOOLTIPS_CLASSA) == 0) {
        s->found = h;
        return FALSE;
    }
    return TRUE;
}

// The tooltip window of this thread that owner owns: a pop-up, not a child.
inline HWND FindOwnedTooltip(HWND owner) {
    OwnedTooltipSearch search = {owner, nullptr};
    ::EnumThreadWindows(::GetCurrentThreadId(), &MatchOwnedTooltip, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// A button press as the button reports it to its dialog.
inline void Click(HWND dialog, int id) {
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

// A control's rectangle in its dialog's client coordinates.
inline RECT ControlRect(HWND dialog, int id) {
    RECT r = {0, 0, 0, 0};
    ::GetWindowRect(::GetDlgItem(dialog, id), &r);
    ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

inline bool Visible(HWND dialog, int id) { return ::IsWindowVisible(::GetDlgItem(dialog, id)) != FALSE; }
inline bool Enabled(HWND dialog, int id) { return ::IsWindowEnabled(::GetDlgItem(dialog, id)) != FALSE; }

#endif
