// Dialogs give back what they take: every dialog is created, shown, painted,
// hidden and destroyed a hundred times, and the process holds no more GDI or
// USER objects afterwards than after the first round (which may fill caches
// meant to last, such as pictures the skin loads once).
//
// How objects are counted: GetGuiResources when the system answers it. Wine
// does not (it returns 0); there the test counts at the import table of this
// program, which the library's objects are linked into, so every GDI object,
// DC and menu the library makes is seen whether it goes through a framework
// wrapper or not. A made object counts while it is still alive
// (GetObjectType, IsMenu), a DC from GetDC until it is released, and a window
// while it exists (all windows of this thread).
//
// A new dialog is one more entry in DialogEntries().
#include <windows.h>

#include <gtest/gtest.h>
#include <string.h>

#include <algorithm>
#include <functional>
#include <iostream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include <lobbyui/base_data_control.h>
#include <lobbyui/frame.h>
#include <lobbyui/party_dialogs.h>
#include <lobbyui/player_info.h>
#include <lobbyui/settings_dialogs.h>
#include <lobbyui/room.h>
#include <lobbyui/wnd.h>

#include "create/table_create_new_rules.h"
#include "host_window.h"
#include "resource.h"
#include "scratch_directory.h"
#include "test_util.h"
#include "win/wnd_views.h"

namespace {

// ---- counting at the import table ----

std::set<HGDIOBJ>& MadeGdiObjects() {
    static std::set<HGDIOBJ> objects;
    return objects;
}
std::set<HMENU>& MadeMenus() {
    static std::set<HMENU> menus;
    return menus;
}
long g_openDCs = 0;

template <class Handle>
Handle RememberGdi(Handle h) {
    if (h) MadeGdiObjects().insert(reinterpret_cast<HGDIOBJ>(h));
    return h;
}
HMENU RememberMenu(HMENU h) {
    if (h) MadeMenus().insert(h);
    return h;
}

// The originals, filled in as the hooks go in.
decltype(&::CreateCompatibleDC) g_createCompatibleDC;
decltype(&::CreateCompatibleBitmap) g_createCompatibleBitmap;
decltype(&::CreateSolidBrush) g_createSolidBrush;
decltype(&::CreatePen) g_createPen;
decltype(&::CreateFontIndirectA) g_createFontIndirectA;
decltype(&::CreateBitmap) g_createBitmap;
decltype(&::CreateDIBSection) g_createDIBSection;
decltype(&::CreateRectRgn) g_createRectRgn;
decltype(&::LoadBitmapA) g_loadBitmapA;
decltype(&::LoadImageA) g_loadImageA;
decltype(&::LoadImageW) g_loadImageW;
decltype(&::CreateRoundRectRgn) g_createRoundRectRgn;
decltype(&::CopyImage) g_copyImage;
decltype(&::GetDC) g_getDC;
decltype(&::GetWindowDC) g_getWindowDC;
decltype(&::ReleaseDC) g_releaseDC;
decltype(&::DeleteObject) g_deleteObject;
decltype(&::DeleteDC) g_deleteDC;
decltype(&::LoadMenuA) g_loadMenuA;
decltype(&::CreatePopupMenu) g_createPopupMenu;
decltype(&::CreateMenu) g_createMenu;

HDC WINAPI HookCreateCompatibleDC(HDC dc) { return RememberGdi(g_createCompatibleDC(dc)); }
HBITMAP WINAPI HookCreateCompatibleBitmap(HDC dc, int w, int h) { return RememberGdi(g_createCompatibleBitmap(dc, w, h)); }
HBRUSH WINAPI HookCreateSolidBrush(COLORREF c) { return RememberGdi(g_createSolidBrush(c)); }
HPEN WINAPI HookCreatePen(int style, int width, COLORREF c) { return RememberGdi(g_createPen(style, width, c)); }
HFONT WINAPI HookCreateFontIndirectA(const LOGFONTA* f) { return RememberGdi(g_createFontIndirectA(f)); }
HBITMAP WINAPI HookCreateBitmap(int w, int h, UINT planes, UINT bits, const void* data) {
    return RememberGdi(g_createBitmap(w, h, planes, bits, data));
}
HBITMAP WINAPI HookCreateDIBSection(HDC dc, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section,
                                    DWORD offset) {
    return RememberGdi(g_createDIBSection(dc, info, usage, bits, section, offset));
}
HRGN WINAPI HookCreateRectRgn(int l, int t, int r, int b) { return RememberGdi(g_createRectRgn(l, t, r, b)); }
HBITMAP WINAPI HookLoadBitmapA(HINSTANCE module, LPCSTR name) { return RememberGdi(g_loadBitmapA(module, name)); }
HANDLE WINAPI HookLoadImageA(HINSTANCE module, LPCSTR name, UINT type, int w, int h, UINT flags) {
    HANDLE image = g_loadImageA(module, name, type, w, h, flags);
    return type == IMAGE_BITMAP ? RememberGdi(image) : image;
}
HANDLE WINAPI HookLoadImageW(HINSTANCE module, LPCWSTR name, UINT type, int w, int h, UINT flags) {
    HANDLE image = g_loadImageW(module, name, type, w, h, flags);
    return type == IMAGE_BITMAP ? RememberGdi(image) : image;
}
HRGN WINAPI HookCreateRoundRectRgn(int l, int t, int r, int b, int w, int h) {
    return RememberGdi(g_createRoundRectRgn(l, t, r, b, w, h));
}
HANDLE WINAPI HookCopyImage(HANDLE image, UINT type, int w, int h, UINT flags) {
    HANDLE copy = g_copyImage(image, type, w, h, flags);
    return type == IMAGE_BITMAP ? RememberGdi(copy) : copy;
}
HDC WINAPI HookGetDC(HWND w) {
    HDC dc = g_getDC(w);
    if (dc) ++g_openDCs;
    return dc;
}
HDC WINAPI HookGetWindowDC(HWND w) {
    HDC dc = g_getWindowDC(w);
    if (dc) ++g_openDCs;
    return dc;
}
// A deleted handle leaves the record at once: the system may hand the same
// value to an object of its own a moment later.
BOOL WINAPI HookDeleteObject(HGDIOBJ h) {
    const BOOL deleted = g_deleteObject(h);
    if (deleted) MadeGdiObjects().erase(h);
    return deleted;
}
BOOL WINAPI HookDeleteDC(HDC dc) {
    const BOOL deleted = g_deleteDC(dc);
    if (deleted) MadeGdiObjects().erase(reinterpret_cast<HGDIOBJ>(dc));
    return deleted;
}
int WINAPI HookReleaseDC(HWND w, HDC dc) {
    const int released = g_releaseDC(w, dc);
    if (released) --g_openDCs;
    return released;
}
HMENU WINAPI HookLoadMenuA(HINSTANCE module, LPCSTR name) { return RememberMenu(g_loadMenuA(module, name)); }
HMENU WINAPI HookCreatePopupMenu() { return RememberMenu(g_createPopupMenu()); }
HMENU WINAPI HookCreateMenu() { return RememberMenu(g_createMenu()); }

// Points every import of dll!name in this program at hook; false when the
// program does not import it.
template <class Fn>
bool Hook(const char* dll, const char* name, Fn hook, Fn& original) {
    HMODULE exporter = ::GetModuleHandleA(dll);
    const FARPROC target = exporter ? ::GetProcAddress(exporter, name) : nullptr;
    if (!target) return false;
    original = reinterpret_cast<Fn>(reinterpret_cast<void*>(target));
    BYTE* base = reinterpret_cast<BYTE*>(::GetModuleHandleA(nullptr));
    const IMAGE_NT_HEADERS* nt =
        reinterpret_cast<const IMAGE_NT_HEADERS*>(base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    bool hooked = false;
    for (const IMAGE_IMPORT_DESCRIPTOR* d = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
         imports.VirtualAddress && d->Name; ++d) {
        for (IMAGE_THUNK_DATA* t = reinterpret_cast<IMAGE_THUNK_DATA*>(base + d->FirstThunk); t->u1.Function; ++t) {
            if (reinterpret_cast<FARPROC>(t->u1.Function) != target) continue;
            DWORD protection = 0;
            ::VirtualProtect(&t->u1.Function, sizeof t->u1.Function, PAGE_READWRITE, &protection);
            t->u1.Function = reinterpret_cast<ULONG_PTR>(reinterpret_cast<void*>(hook));
            ::VirtualProtect(&t->u1.Function, sizeof t->u1.Function, protection, &protection);
            hooked = true;
        }
    }
    return hooked;
}

// The hooks this program could place; the library uses at least the first two.
std::vector<std::string> InstallHooks() {
    std::vector<std::string> hooked;
    auto note = [&hooked](bool ok, const char* name) { if (ok) hooked.push_back(name); };
    note(Hook("gdi32.dll", "CreateCompatibleDC", &HookCreateCompatibleDC, g_createCompatibleDC), "CreateCompatibleDC");
    note(Hook("user32.dll", "LoadBitmapA", &HookLoadBitmapA, g_loadBitmapA), "LoadBitmapA");
    note(Hook("gdi32.dll", "CreateCompatibleBitmap", &HookCreateCompatibleBitmap, g_createCompatibleBitmap), "CreateCompatibleBitmap");
    note(Hook("gdi32.dll", "CreateSolidBrush", &HookCreateSolidBrush, g_createSolidBrush), "CreateSolidBrush");
    note(Hook("gdi32.dll", "CreatePen", &HookCreatePen, g_createPen), "CreatePen");
    note(Hook("gdi32.dll", "CreateFontIndirectA", &HookCreateFontIndirectA, g_createFontIndirectA), "CreateFontIndirectA");
    note(Hook("gdi32.dll", "CreateBitmap", &HookCreateBitmap, g_createBitmap), "CreateBitmap");
    note(Hook("gdi32.dll", "CreateDIBSection", &HookCreateDIBSection, g_createDIBSection), "CreateDIBSection");
    note(Hook("gdi32.dll", "CreateRectRgn", &HookCreateRectRgn, g_createRectRgn), "CreateRectRgn");
    note(Hook("user32.dll", "LoadImageA", &HookLoadImageA, g_loadImageA), "LoadImageA");
    note(Hook("user32.dll", "LoadImageW", &HookLoadImageW, g_loadImageW), "LoadImageW");
    note(Hook("gdi32.dll", "CreateRoundRectRgn", &HookCreateRoundRectRgn, g_createRoundRectRgn), "CreateRoundRectRgn");
    note(Hook("user32.dll", "CopyImage", &HookCopyImage, g_copyImage), "CopyImage");
    note(Hook("user32.dll", "GetDC", &HookGetDC, g_getDC), "GetDC");
    note(Hook("user32.dll", "GetWindowDC", &HookGetWindowDC, g_getWindowDC), "GetWindowDC");
    note(Hook("user32.dll", "ReleaseDC", &HookReleaseDC, g_releaseDC), "ReleaseDC");
    note(Hook("gdi32.dll", "DeleteObject", &HookDeleteObject, g_deleteObject), "DeleteObject");
    note(Hook("gdi32.dll", "DeleteDC", &HookDeleteDC, g_deleteDC), "DeleteDC");
    note(Hook("user32.dll", "LoadMenuA", &HookLoadMenuA, g_loadMenuA), "LoadMenuA");
    note(Hook("user32.dll", "CreatePopupMenu", &HookCreatePopupMenu, g_createPopupMenu), "CreatePopupMenu");
    note(Hook("user32.dll", "CreateMenu", &HookCreateMenu, g_createMenu), "CreateMenu");
    return hooked;
}

BOOL CALLBACK CollectChild(HWND w, LPARAM l) {
    reinterpret_cast<std::vector<HWND>*>(l)->push_back(w);
    return TRUE;
}
BOOL CALLBACK CollectTopLevel(HWND w, LPARAM l) {
    std::vector<HWND>& all = *reinterpret_cast<std::vector<HWND>*>(l);
    all.push_back(w);
    ::EnumChildWindows(w, &CollectChild, l);  // children at every depth
    return TRUE;
}
std::vector<HWND> ThreadWindows() {
    std::vector<HWND> all;
    ::EnumThreadWindows(::GetCurrentThreadId(), &CollectTopLevel, reinterpret_cast<LPARAM>(&all));
    return all;
}

struct Counts {
    long gdi;
    long user;
};

// GetGuiResources is taken as answered when it sees one more GDI object
// after this test makes one.
bool GuiResourcesAnswered() {
    const DWORD before = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    HBRUSH probe = ::CreateSolidBrush(RGB(1, 2, 3));
    const DWORD during = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    ::DeleteObject(probe);
    return before != 0 && during == before + 1;
}

Counts CountNow(bool system) {
    PumpMessages();
    if (system) {
        return {static_cast<long>(::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS)),
                static_cast<long>(::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS))};
    }
    // Objects the system deletes for us (a window's region) leave the record
    // when they are seen gone.
    std::set<HGDIOBJ>& made = MadeGdiObjects();
    for (auto h = made.begin(); h != made.end();) h = ::GetObjectType(*h) == 0 ? made.erase(h) : std::next(h);
    long gdi = g_openDCs + static_cast<long>(made.size());
    long user = static_cast<long>(ThreadWindows().size());
    for (HMENU m : MadeMenus())
        if (::IsMenu(m)) ++user;
    return {gdi, user};
}

// ---- the dialogs ----

// The host's windows a dialog may be made under: its main window, and a
// child of it standing for the lobby's view (where the player list lives).
struct HostWindows {
    CWnd* main;
    CWnd* view;
};

struct DialogEntry {
    const char* name;
    std::function<void(const HostWindows& host)> create;
    std::function<void()> show;
    std::function<void()> hide;
    std::function<void()> destroy;
};

// What the dialogs are shown with: a room with one table of two players.
tagKWP_TABLE_LIST_DATA g_table;
tagKWP_PLAYER_LIST_DATA_EXTRA g_players[3];
tagTRACK_POP_MENU g_popupRecord;
HMENU g_menu = nullptr;
tagKWP_TABLE_SET_DEFAULT g_defaults;
tagKWP_MERIT_DETAIL g_merit;
tagKWPCEN_PREVIEW_DATA g_preview;
CDialog* g_web = nullptr;
CButton* g_roomButton = nullptr;
CImageList g_roomButtonFaces;
// A server record: two bytes of the host's, then the name.
const char g_server[] = "\x01\x02Room";
char g_name[] = "ann";

// The host's popup-menu window with its five buttons, bound once per process
// as a host binds it.
HWND PopupWindow() {
    static HWND popup = [] {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = ::DefWindowProcA;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.lpszClassName = "ResourceTestPopup";
        ::RegisterClassA(&wc);
        HWND w = ::CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance,
                                   nullptr);
        for (int id = 1011; id <= 1015; ++id)
            ::CreateWindowExA(0, "BUTTON", "", WS_CHILD | BS_PUSHBUTTON, 0, 0, 5, 5, w,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), wc.hInstance, nullptr);
        g_popupRecord.hWnd = w;
        CBaseDataControl::SetTrackPopMenu(&g_popupRecord);
        return w;
    }();
    return popup;
}

// The window of this thread that has a control with this id.
HWND DialogWith(int controlId) {
    for (HWND w : ThreadWindows())
        if (::GetDlgItem(w, controlId)) return w;
    return nullptr;
}

std::vector<DialogEntry> DialogEntries() {
    using Party = CPartyDlg_DlgInerface;
    return {
        {"player list",
         [](const HostWindows& host) { Party::CreatePlayerLBDlg(host.view); },
         [] {
             Party::ShowPlayerLBDlg();
             for (tagKWP_PLAYER_LIST_DATA_EXTRA& p : g_players) Party::AddPlayer(&p, 0, 1);
         },
         [] { Party::HidePlayerLBDlg(); },
         [] {
             for (const tagKWP_PLAYER_LIST_DATA_EXTRA& p : g_players) Party::RemoveAPlayer(static_cast<int>(p.uiPlayerID));
             Party::DestroyPlayerLBDlg();
         }},
        {"join table",
         [](const HostWindows& host) { Party::CreateJTDlg(host.main); },
         [] { Party::ShowJTDlg(JTAT_JOIN, &g_table); },
         [] { Party::HideJTDlg(); },
         [] { Party::DestroyJTDlg(); }},
        {"join table with the partner search out",
         [](const HostWindows& host) { Party::CreateJTDlg(host.main); },
         [] {
             Party::ShowJTDlg(JTAT_JOIN, &g_table);
             ::SendMessageA(DialogWith(IDC_JT_ARROW_OUT), WM_COMMAND, IDC_JT_ARROW_OUT, 0);
         },
         [] {
             ::SendMessageA(DialogWith(IDC_JT_ARROW_IN), WM_COMMAND, IDC_JT_ARROW_IN, 0);
             Party::HideJTDlg();
         },
         [] { Party::DestroyJTDlg(); }},
        {"password",
         [](const HostWindows& host) { Party::CreatePWDlg(host.main); },
         [] { Party::ShowPWDlg(12); },
         [] { Party::HidePWDlg(); },
         [] { Party::DestroyPWDlg(); }},
        {"base-data popup menu",
         [](const HostWindows&) {
             g_menu = ::CreatePopupMenu();
             ::AppendMenuA(g_menu, MF_STRING, 501, "Invite");
             ::AppendMenuA(g_menu, MF_STRING | MF_GRAYED, 502, "Watch");
         },
         [] {
             POINT at = {40, 40};
             CBaseDataControl::TrackPopMenu(at, PopupWindow(), g_menu);
         },
         [] { ::ShowWindow(PopupWindow(), SW_HIDE); },
         [] {
             ::DestroyMenu(g_menu);
             g_menu = nullptr;
         }},
        {"classic create table",
         [](const HostWindows& host) { Party::CreateCTDlg(host.main); },
         [] { Party::ShowCTDlg(&g_defaults, 120); },
         [] { Party::HideCTDlg(); },
         [] { Party::DestroyCTDlg(); }},
        {"new create table",
         [](const HostWindows& host) { Party::CteateCTDlgNew(host.view); },
         [] { Party::ShowCTDlgNew(&g_defaults, 120); },
         [] { Party::HideCTDlgNew(); },
         [] { Party::DestroyCTDlgNew(); }},
        {"player score",
         [](const HostWindows& host) { CPSDlg_Interface::CreatePS_Dlg(host.main); },
         [] {
             CPSDlg_Interface::SetPS_DlgData(&g_merit);
             CPSDlg_Interface::ShowPS_Dlg(g_name);
         },
         [] { CPSDlg_Interface::HidePS_Dlg(); },
         [] { CPSDlg_Interface::DestroyPS_Dlg(); }},
        {"base-data panel",
         [](const HostWindows& host) { CPBDDlg_Interface::CreatePBD_Dlg(host.view); },
         [] {
             CPBDDlg_Interface::RefreshPBD_Dlg(&g_preview, 0);
             CPBDDlg_Interface::ShowPBD_Dlg();
         },
         [] { CPBDDlg_Interface::HidePBD_Dlg(); },
         [] { CPBDDlg_Interface::DestroyPDB_Dlg(); }},
        {"system settings",
         [](const HostWindows& host) { CSysSetDlg_Interface::CreateDlg(host.main); },
         [] { CSysSetDlg_Interface::ShowDlg(); },
         [] { CSysSetDlg_Interface::HideDlg(); },
         [] { CSysSetDlg_Interface::DestroyDlg(); }},
        {"web page",
         [](const HostWindows& host) {
             g_web = CWebDlgInterface::CreateNewWebDlg(CString("about:blank"), CRect(10, 20, 410, 320), host.view);
         },
         [] { g_web->ShowWindow(SW_SHOW); },
         [] { g_web->ShowWindow(SW_HIDE); },
         [] {
             CWebDlgInterface::DestroyWebDlg(g_web);
             g_web = nullptr;
         }},
        {"room-entrance button",
         [](const HostWindows& host) {
             if (!g_roomButtonFaces.m_hImageList) {
                 g_roomButtonFaces.Create(13, 20, ILC_COLOR24, 9, 0);
                 for (int i = 0; i < 9; ++i) {
                     HBITMAP face = ::CreateBitmap(13, 20, 1, 32, nullptr);
                     ::ImageList_Add(g_roomButtonFaces.m_hImageList, face, nullptr);
                     ::DeleteObject(face);
                 }
             }
             g_roomButton = CR_E_BtnInterface::CreateNewRE_Btn(&g_roomButtonFaces, host.view);
             CR_E_BtnInterface::SetGSData(g_roomButton,
                                          reinterpret_cast<tagGameServerInfo*>(const_cast<char*>(g_server)));
             CR_E_BtnInterface::SetBtnSize(g_roomButton, CRect(5, 5, 80, 25));
         },
         [] { CR_E_BtnInterface::ShowBtn(g_roomButton); },
         [] { CR_E_BtnInterface::HideBtn(g_roomButton); },
         [] {
             CR_E_BtnInterface::DeleteRE_Btn(g_roomButton);
             g_roomButton = nullptr;
         }},
    };
}

// Painting as the system and as a test would ask for it: a real paint of
// every window of the thread, and WM_PRINTCLIENT into a canvas.
void PaintEverything() {
    TestCanvas canvas(900, 700);
    for (HWND w : ThreadWindows()) {
        if (!::IsWindow(w) || !::IsWindowVisible(w)) continue;
        ::RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
        ::SendMessageA(w, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc()), PRF_CLIENT | PRF_ERASEBKGND);
    }
}

class DialogResourcesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { s_hooked = InstallHooks(); }

    void SetUp() override {
        ScratchDirectory::Write("STCSV\\PlayerScore_Sim.csv", TextTable());
        memset(&g_table, 0, sizeof g_table);
        g_table.usTableNum = 12;
        g_table.uiSeatPlayerID[0] = 71;
        g_table.uiSeatPlayerID[1] = 72;
        strcpy(g_table.acTableName, "table");
        tagKWP_ALL_TABLE_INFO batch;
        memset(&batch, 0, sizeof batch);
        batch.stTable[0] = g_table;
        CPT_MapInerface::InitArray(&batch);
        for (unsigned int i = 0; i < 3; ++i) {
            memset(&g_players[i], 0, sizeof g_players[i]);
            g_players[i].uiPlayerID = 71 + i;
            g_players[i].ucLevel = static_cast<unsigned char>(3 + i);
            strcpy(g_players[i].acNickName, i == 0 ? "ann" : i == 1 ? "bo" : "cy");
            CPT_MapInerface::AddNewPlayerToMap(&g_players[i]);
        }
        CPT_MapInerface::AddPlayerToTable(71, 12);
        memset(&g_defaults, 0, sizeof g_defaults);
        g_defaults.uiScoreMask = 0x30;
        g_defaults.ucSettingAMax = 9;
        g_defaults.ucSettingBMin = 4;
        g_defaults.ucSettingBMax = 20;
        memset(&g_merit, 0, sizeof g_merit);
        g_merit.ucLevel = 12;
        memset(&g_preview, 0, sizeof g_preview);
        strcpy(g_preview.acName, "ann");
        g_preview.ucIcon = 3;
        // The new create-table dialog's pictures, so that it loads and frees them.
        for (int i = 0; i < kNewCreatePictureCount; ++i)
            ScratchDirectory::Write(std::string(NewCreatePictureName(i)).substr(1), FlatBitmap(16, 16, RGB(i, 90, 200)));
        PopupWindow();
        ::ShowWindow(host.hwnd(), SW_SHOWNOACTIVATE);
        parent = ::CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 820, 560,
                                   host.hwnd(), nullptr, ::GetModuleHandleA(nullptr), nullptr);
    }
    void TearDown() override {
        CPT_MapInerface::RemoveAllPlayerFromMap();
        CPT_MapInerface::RemoveAllPlayerFromTable();
        CPT_MapInerface::SetTableArrayIsEmpty();
    }

    static std::string TextTable() {
        std::string csv;
        for (int n = 1; n <= 90; ++n) csv += std::to_string(n) + ",t" + std::to_string(n) + "\r\n";
        return csv;
    }

    // One round; returns what was held while the dialog was up.
    Counts Cycle(const DialogEntry& entry, bool system) {
        entry.create(HostWindows{host.wnd(), CWnd::FromHandle(parent)});
        entry.show();
        PaintEverything();
        const Counts shown = CountNow(system);
        entry.hide();
        PaintEverything();
        entry.destroy();
        return shown;
    }

    static std::vector<std::string> s_hooked;
    ScratchDirectory scratch;
    HostWindow host{0, 0, 900, 620};
    HWND parent = nullptr;
};
std::vector<std::string> DialogResourcesTest::s_hooked;

TEST_F(DialogResourcesTest, HundredRoundsOfEveryDialogLeaveNoGdiOrUserObjectBehind) {
    const bool system = GuiResourcesAnswered();
    if (!system) {
        const bool counted = std::find(s_hooked.begin(), s_hooked.end(), "CreateCompatibleDC") != s_hooked.end() &&
                             std::find(s_hooked.begin(), s_hooked.end(), "LoadBitmapA") != s_hooked.end();
        ASSERT_TRUE(counted) << "neither GetGuiResources nor the import table can count objects here";
    }
    std::cout << "[ counting ] " << (system ? "GetGuiResources" : "import table of this program (GetGuiResources does not answer)")
              << "\n";
    for (const DialogEntry& entry : DialogEntries()) {
        Cycle(entry, system);  // first round: what is made once and kept is made here
        const Counts before = CountNow(system);
        Counts shown = before;
        for (int round = 1; round < 100; ++round) shown = Cycle(entry, system);
        const Counts after = CountNow(system);
        // The rounds did make something: a dialog that failed to appear
        // would pass for one that gives everything back.
        EXPECT_GT(shown.user, after.user) << entry.name << ": nothing was made";
        EXPECT_EQ(before.gdi, after.gdi) << entry.name << ": GDI objects";
        EXPECT_EQ(before.user, after.user) << entry.name << ": USER objects";
        std::cout << "[ counting ] " << entry.name << ": GDI " << before.gdi << " -> " << after.gdi << " (" << shown.gdi
                  << " while up), USER " << before.user << " -> " << after.user << " (" << shown.user
                  << " while up)\n";
    }
}

// The counting itself: an object made and not given back shows, and shows
// no more once it is given back.
TEST_F(DialogResourcesTest, TheCountingSeesAnObjectThatIsNotGivenBack) {
    const bool system = GuiResourcesAnswered();
    const Counts before = CountNow(system);
    HDC leaked = ::CreateCompatibleDC(nullptr);
    HMENU menu = ::CreatePopupMenu();
    const Counts during = CountNow(system);
    EXPECT_EQ(before.gdi + 1, during.gdi);
    EXPECT_EQ(before.user + 1, during.user);
    ::DeleteDC(leaked);
    ::DestroyMenu(menu);
    const Counts after = CountNow(system);
    EXPECT_EQ(before.gdi, after.gdi);
    EXPECT_EQ(before.user, after.user);
}

// Views of windows the host makes and destroys all day are recycled, so the
// number of views follows the windows alive at once, not all there ever were.
TEST(CWndViewBoundTest, ViewsOfDestroyedWindowsAreRecycledAndLiveOnesKept) {
    HostWindow host;
    std::vector<HWND> kept;
    std::vector<CWnd*> keptViews;
    for (int i = 0; i < 50; ++i) {
        kept.push_back(::CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 5, 5, host.hwnd(), nullptr,
                                         ::GetModuleHandleA(nullptr), nullptr));
        keptViews.push_back(CWnd::FromHandle(kept.back()));
    }
    const size_t start = FromHandleViewCount();
    HWND gone = ::CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 5, 5, host.hwnd(), nullptr,
                                  ::GetModuleHandleA(nullptr), nullptr);
    CWnd* goneView = CWnd::FromHandle(gone);
    ::DestroyWindow(gone);
    // Right after its window went, a kept view still holds the dead handle.
    EXPECT_EQ(gone, goneView->m_hWnd);
    EXPECT_FALSE(goneView->IsWindow());

    for (int i = 0; i < 5000; ++i) {
        HWND w = ::CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 5, 5, host.hwnd(), nullptr,
                                   ::GetModuleHandleA(nullptr), nullptr);
        CWnd* view = CWnd::FromHandle(w);
        ASSERT_EQ(w, view->m_hWnd);
        ASSERT_EQ(view, CWnd::FromHandle(w));
        ::DestroyWindow(w);
    }
    EXPECT_LE(FromHandleViewCount(), start + 600);
    for (size_t i = 0; i < kept.size(); ++i) {
        EXPECT_EQ(keptViews[i], CWnd::FromHandle(kept[i]));
        EXPECT_EQ(kept[i], keptViews[i]->m_hWnd);
    }
    for (HWND w : kept) ::DestroyWindow(w);
}

}  // namespace
