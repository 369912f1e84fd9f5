// Links LobbyUi through its import library and calls into it; prints
// "consumer ok" when every call answered as documented.
#include <lobbyui/lobbyui.h>

#include <stdio.h>

int main() {
    HICON cursor = ::LoadCursorA(nullptr, IDC_ARROW);
    bool hooked = RXCursorfun(&cursor) && RXCursorfun(nullptr);
    HWND desktop = ::GetDesktopWindow();
    CWnd* view = CWnd::FromHandle(desktop);
    bool sameView = view == CWnd::FromHandle(desktop) && view->m_hWnd == desktop && !CWnd::FromHandle(nullptr);
    if (!hooked || !sameView) {
        printf("consumer failed: hooked=%d sameView=%d\n", hooked, sameView);
        return 1;
    }
    printf("consumer ok\n");
    return 0;
}
