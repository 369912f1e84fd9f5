// NvtDebugWindow: the list-box window that shows the debug log's lines when
// the log is in its window mode. Made on first use, torn down through the
// object manager.
#ifndef LOBBYUI_SUPPORT_DEBUG_WINDOW_H
#define LOBBYUI_SUPPORT_DEBUG_WINDOW_H

#include "support/object_manager.h"

class NvtDebugWindow : public NvtObject {
public:
    NvtDebugWindow() = default;
    ~NvtDebugWindow() override { Finalize(); }

    // The window object, made (with its window) and registered on first use.
    static NvtDebugWindow* Get();
    // The window object if it has been made, without making it.
    static NvtDebugWindow* Existing();

    const char* GetClassName() const override { return "NvtDebugWindow"; }
    // Creates the window once the base initialisation succeeded;
    // kNvtFailure when the window cannot be made.
    int Initialize(NvtObject* partner) override;
    // Closes the window, if any.
    int Finalize() override;
    // Appends a line and scrolls one line down; nothing without a window.
    void AddLine(const char* text);
    bool HasWindow() const { return m_hWnd != nullptr; }

private:
    void* m_hWnd = nullptr;
};

#endif
