// Destroying a window while the system's own procedure for one of the
// library's controls is running under us frees what that procedure reads as
// soon as it gets control back: a list box that asks its owner to draw a row
// (and the library then asks the host, who destroys the dialog) goes on with
// its freed row data. So a destroy the host asks for while such a procedure
// is on the stack waits until the outermost one has returned; the dialog is
// retired at once (its show ended, hidden, quiet) and is gone by the time the
// host's outermost call into the system returns.
// Portable: the UI thread's count and queue, nothing of Win32.
#ifndef LOBBYUI_WIN_SYSTEM_CODE_H
#define LOBBYUI_WIN_SYSTEM_CODE_H

#include <functional>

// Held around every call into a control's own procedure.
class SystemCodeScope {
public:
    SystemCodeScope();
    ~SystemCodeScope();
    SystemCodeScope(const SystemCodeScope&) = delete;
    SystemCodeScope& operator=(const SystemCodeScope&) = delete;
};

// True while a control's own procedure is on this thread's stack.
bool InsideSystemCode();

// Runs destroy now when no control's procedure is on the stack, else once
// the outermost has returned (RunWaitingDestroys).
void DestroyOutsideSystemCode(std::function<void()> destroy);

// Runs the destroys that waited, in the order they were asked for, once no
// control's procedure is on the stack any more; nothing otherwise. Called
// where a library window procedure ends.
void RunWaitingDestroys();

#endif
