// CDragDialog: the base of the library's movable dialogs. The caption is the
// only grab handle; the system's own move loop never starts, so a drag moves
// the window in throttled steps while the mouse moves (see DragTracker). A
// close box in the caption works as the system's does, and its close ends in
// the dialog's OnClose once, whatever the host does while it runs.
#ifndef LOBBYUI_FRAME_DRAG_DIALOG_H
#define LOBBYUI_FRAME_DRAG_DIALOG_H

#include "frame/drag_tracker.h"
#include "win/dialog.h"

class CDragDialog : public CDialog {
public:
    // parent is not used here: the window is made later by the facade's
    // Create with the host's window.
    CDragDialog(UINT templateId, CWnd* parent);

    void EnableDrag(bool enable) { m_drag.EnableDrag(enable); }
    bool IsDragging() const { return m_drag.IsDragging(); }

protected:
    INT_PTR DialogProc(UINT msg, WPARAM w, LPARAM l) override;

    // Set by the dialogs that show the host's cursor: they answer
    // WM_SETCURSOR with it, and without it answer FALSE and do nothing else.
    bool m_bUseHostCursor = false;

private:
    DragTracker m_drag;
};

#endif
