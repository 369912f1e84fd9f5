#include "win/system_code.h"

#include <utility>
#include <vector>

namespace {
// The library's windows live on the host's user-interface thread, and only
// their procedures count or queue here.
int g_depth = 0;
bool g_running = false;
std::vector<std::function<void()>>& Waiting() {
    static std::vector<std::function<void()>> waiting;
    return waiting;
}
}  // namespace

SystemCodeScope::SystemCodeScope() { ++g_depth; }

SystemCodeScope::~SystemCodeScope() { --g_depth; }

bool InsideSystemCode() { return g_depth > 0; }

void DestroyOutsideSystemCode(std::function<void()> destroy) {
    if (!destroy) return;
    if (g_depth == 0) {
        destroy();
        return;
    }
    Waiting().push_back(std::move(destroy));
}

void RunWaitingDestroys() {
    // A destroy may end inside another library window's procedure, which
    // calls this again: the outer loop takes what that adds.
    if (g_depth > 0 || g_running) return;
    g_running = true;
    std::vector<std::function<void()>>& waiting = Waiting();
    while (!waiting.empty()) {
        std::function<void()> destroy = std::move(waiting.front());
        waiting.erase(waiting.begin());
        destroy();
    }
    g_running = false;
}
