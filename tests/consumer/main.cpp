// Links LobbyUi through its import library and calls into it, through the
// C++ facades and a C function; prints "consumer ok" when every call
// answered as documented.
//
// Like a real lobby client it owns its sound class and declares it itself,
// with the layout the library reads, before including the umbrella header.
#include <stddef.h>
#include <windows.h>

struct IDirectSound;
struct IDirectSoundBuffer;

#pragma pack(push, 4)
class DIRSOUND {
public:
    int Loaded() const { return m_nSoundCount; }

    int m_nSoundCount;
    IDirectSound* m_pDirectSound;
    IDirectSoundBuffer* m_pBuffer[1024];
    unsigned char m_ucArea4104[4096];
    IDirectSoundBuffer* m_pDuplicate[32];
    unsigned char m_ucArea8328[1072];
    int* m_piVolume;
    unsigned char m_ucArea9404[4];
    unsigned char m_bEnable;
    unsigned char m_ucArea9409[3];
};
#pragma pack(pop)
static_assert(sizeof(DIRSOUND) == 9412, "the host's sound object");

#include <lobbyui/lobbyui.h>
#include <lobbyui/lobbyui_c.h>

#include <stdio.h>

int main() {
    HICON cursor = ::LoadCursorA(nullptr, IDC_ARROW);
    bool hooked = RXCursorfun(&cursor) && RXCursorfun(nullptr);
    HWND desktop = ::GetDesktopWindow();
    CWnd* view = CWnd::FromHandle(desktop);
    bool sameView = view == CWnd::FromHandle(desktop) && view->m_hWnd == desktop && !CWnd::FromHandle(nullptr);
    static DIRSOUND sound = {};
    CBaseDataControl::SetSoundPointer(&sound);
    bool soundHandedIn = CBaseDataControl::GetSoundPointer() == &sound && sound.Loaded() == 0;
    CBaseDataControl::SetSoundPointer(nullptr);
    // The C interface from the same import library: its __stdcall names are
    // imported beside the C++ ones and reach the same DLL.
    CBaseDataControl_SetGameID(4242);
    bool cInterface = CBaseDataControl::GetGameID() == 4242 && CBaseDataControl_GetGameID() == 4242;
    // What the library hands back as a dialog or a button is a window the
    // host reaches through the public headers alone.
    HWND lobby = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr, nullptr, nullptr);
    CDialog* page = CWebDlgInterface::CreateNewWebDlg("about:blank", CRect(10, 20, 110, 70), CWnd::FromHandle(lobby));
    CWnd* pageWindow = page;
    bool pageReached = page && ::GetParent(page->m_hWnd) == lobby && pageWindow->GetClientRect() == CRect(0, 0, 100, 50);
    // A host that destroys the window itself still gives the object back.
    bool pageClosed = page && page->DestroyWindow() && !page->m_hWnd;
    CWebDlgInterface::DestroyWebDlg(page);
    CButton* room = CR_E_BtnInterface::CreateNewRE_Btn(nullptr, CWnd::FromHandle(lobby));
    bool buttonReached = room && ::GetDlgCtrlID(room->m_hWnd) == 9999 && ::GetParent(room->GetSafeHwnd()) == lobby;
    CR_E_BtnInterface::DeleteRE_Btn(room);
    ::DestroyWindow(lobby);
    if (!hooked || !sameView || !soundHandedIn || !cInterface || !pageReached || !pageClosed || !buttonReached) {
        printf("consumer failed: hooked=%d sameView=%d sound=%d c=%d page=%d/%d button=%d\n", hooked, sameView,
               soundHandedIn, cInterface, pageReached, pageClosed, buttonReached);
        return 1;
    }
    printf("consumer ok\n");
    return 0;
}
