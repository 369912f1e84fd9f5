#include "support/debug_window.h"


#include "support/platform.h"

NvtDebugWindow* NvtDebugWindow::Get() { return ManagedSingleton<NvtDebugWindow>::Get(); }

NvtDebugWindow* NvtDebugWindow::Existing() { return ManagedSingleton<NvtDebugWindow>::Existing(); }

int NvtDebugWindow::Initialize(NvtObject* partner) {
    int result = NvtObject::Initialize(partner);
    if (result != kNvtSuccess) return result;
    if (!m_hWnd) m_hWnd = DebugListBoxCreate();
    return m_hWnd ? kNvtSuccess : kNvtFailure;
}

int NvtDebugWindow::Finalize() {
    if (m_hWnd) {
        DebugListBoxClose(m_hWnd);
        m_hWnd = nullptr;
    }
    return kNvtSuccess;
}

void NvtDebugWindow::AddLine(const char* text) {
    if (m_hWnd && text) DebugListBoxAppend(m_hWnd, text);
}
