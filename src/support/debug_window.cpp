#include "support/debug_window.h"

#include <atomic>
#include <new>

#include "support/debug_platform.h"

namespace {

class DebugWindowHolder : public NvtReleasable {
public:
    void Release() override;
    NvtDebugWindow window;
};

std::atomic<DebugWindowHolder*> g_windowHolder{nullptr};

void DebugWindowHolder::Release() {
    g_windowHolder.store(nullptr, std::memory_order_release);
    delete this;
}

}  // namespace

NvtDebugWindow* NvtDebugWindow::Get() {
    DebugWindowHolder* holder = g_windowHolder.load(std::memory_order_acquire);
    if (holder) return &holder->window;
    NvtLockGuard guard(SingletonCreationLock());
    holder = g_windowHolder.load(std::memory_order_relaxed);
    if (holder) return &holder->window;
    holder = new (std::nothrow) DebugWindowHolder;
    if (!holder) return nullptr;
    holder->window.Initialize(nullptr);
    g_windowHolder.store(holder, std::memory_order_release);
    if (NvtObjectManager* manager = NvtObjectManager::Instance()) manager->RegisterObject(holder);
    return &holder->window;
}

NvtDebugWindow* NvtDebugWindow::Existing() {
    DebugWindowHolder* holder = g_windowHolder.load(std::memory_order_acquire);
    return holder ? &holder->window : nullptr;
}

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
