/* A lobby host written in C99 against lobbyui/lobbyui_c.h only: it feeds a
   room, searches it, and drives the player list, the classic create-table
   dialog, the system settings dialog, a room-entrance button and a web
   dialog, checking every answer and every byte the library sends back. The
   same source is built by MinGW's gcc and, in the Visual C++ ABI, by clang
   with lld-link, which give it no C runtime start-up: LOBBYUI_HOST_ENTRY
   then names the entry point. */
#include <windows.h>
#include <commctrl.h>
#include <stdio.h>
#include <string.h>

#include <lobbyui/lobbyui_c.h>

static int g_failures;
/* The host's cursor variable: the library keeps its address and shows
   whatever it holds. */
static HCURSOR g_cursor;

#define CHECK(cond) check((cond) != 0, #cond, __LINE__)

static void check(int ok, const char* what, int line) {
    if (!ok) {
        printf("c_host.c:%d: failed: %s\n", line, what);
        ++g_failures;
    }
}

/* What the lobby window received: the last message of each kind, with its
   record copied while it was valid. */
typedef struct Received {
    int count;
    WPARAM wParam;
    LPARAM lParam;
    unsigned char bytes[64];
} Received;

static Received g_roomButton, g_create, g_playerList, g_settings;
static int g_friendQuestions;

static void Keep(Received* r, WPARAM w, LPARAM l, size_t size) {
    ++r->count;
    r->wParam = w;
    r->lParam = l;
    memset(r->bytes, 0, sizeof r->bytes);
    if (l && size) memcpy(r->bytes, (const void*)l, size < sizeof r->bytes ? size : sizeof r->bytes);
}

static LRESULT CALLBACK LobbyProc(HWND hwnd, UINT msg, WPARAM w, LPARAM l) {
    switch (msg) {
    case LOBBYUI_MSG_ROOM_BUTTON_PRESSED:
        Keep(&g_roomButton, w, l, 0);
        return 0;
    case LOBBYUI_MSG_CREATE_TABLE:
        Keep(&g_create, w, l, w == LOBBYUI_CREATE_TABLE_REQUEST ? sizeof(tagKWP_CREATE_TABLE_REQ) : 4);
        return 0;
    case LOBBYUI_MSG_PLAYER_LIST:
        if (w == LOBBYUI_PLAYER_LIST_IS_FRIEND) {
            ++g_friendQuestions;
            return strcmp((const char*)l, "bob") == 0;
        }
        Keep(&g_playerList, w, l, w == LOBBYUI_PLAYER_LIST_QUERY_RECORD ? 24 : w == LOBBYUI_PLAYER_LIST_INVITE ? 12 : strlen((const char*)l) + 1);
        return 0;
    case LOBBYUI_MSG_SYSTEM_SETTINGS:
        Keep(&g_settings, w, l, 0);
        return 0;
    default:
        return DefWindowProcA(hwnd, msg, w, l);
    }
}

static HWND MakeWindow(const char* className, DWORD style, HWND parent, int x, int y, int cx, int cy, int id) {
    return CreateWindowExA(0, className, "", style, x, y, cx, cy, parent, (HMENU)(INT_PTR)id, GetModuleHandleA(NULL), NULL);
}

/* A window of this thread (top-level, or inside the lobby) that holds control id. */
typedef struct Search {
    int id;
    HWND found;
} Search;

static BOOL CALLBACK HoldsControl(HWND hwnd, LPARAM l) {
    Search* s = (Search*)l;
    if (GetDlgItem(hwnd, s->id)) {
        s->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

static HWND DialogWithControl(HWND lobby, int id) {
    Search s;
    s.id = id;
    s.found = NULL;
    EnumThreadWindows(GetCurrentThreadId(), HoldsControl, (LPARAM)&s);
    if (!s.found) EnumChildWindows(lobby, HoldsControl, (LPARAM)&s);
    return s.found;
}

static void Command(HWND dialog, int id) {
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)GetDlgItem(dialog, id));
}

static tagKWP_TABLE_LIST_DATA Table(unsigned short number, unsigned int a, unsigned int b, unsigned int score,
                                    unsigned int seat0, unsigned int seat1) {
    tagKWP_TABLE_LIST_DATA t;
    memset(&t, 0, sizeof t);
    t.usTableNum = number;
    t.ucSettingA = (unsigned char)a;
    t.ucSettingB = (unsigned char)b;
    t.uiScore = score;
    t.uiSeatPlayerID[0] = seat0;
    t.uiSeatPlayerID[1] = seat1;
    return t;
}

static tagKWP_PLAYER_LIST_DATA_EXTRA g_players[4];

static void Player(int i, unsigned int id, const char* name) {
    memset(&g_players[i], 0, sizeof g_players[i]);
    g_players[i].uiPlayerID = id;
    g_players[i].ucLevel = 3;
    strcpy(g_players[i].acNickName, name);
}

static void Room(void) {
    static tagKWP_ALL_TABLE_INFO batch;
    tagKWP_TABLE_LIST_DATA t;
    tagKWP_PLAYER_LIST_DATA_EXTRA* found = NULL;
    int i;

    memset(&batch, 0, sizeof batch);
    batch.stTable[0] = Table(5, 2, 8, 50, 11, 12);
    batch.stTable[1] = Table(9, 3, 4, 100, 13, 0);
    batch.stTable[2] = Table(17, 3, 4, 100, 0, 0);
    batch.stTable[2].bHavePassword = 1;
    CPT_MapInerface_SetTableArrayIsEmpty();
    CPT_MapInerface_InitArray(&batch);

    Player(0, 12345, "me");
    Player(1, 11, "alice");
    Player(2, 12, "bob");
    Player(3, 13, "carol");
    for (i = 0; i < 4; ++i) CHECK(CPT_MapInerface_AddNewPlayerToMap(&g_players[i]) == 1);
    CHECK(CPT_MapInerface_AddPlayerToTable(11, 5) == 1);
    CHECK(CPT_MapInerface_AddPlayerToTable(13, 9) == 1);
    CHECK(CPT_MapInerface_GetPlayerTableNum(13) == 9);
    CHECK(CPT_MapInerface_GetPlayerTableNum(12345) != 9);

    CHECK(CPT_MapInerface_GetAPlayerData(&found, 13) == 1);
    CHECK(found != NULL && strcmp(found->acNickName, "carol") == 0 && found != &g_players[3]);
    CHECK(CPT_MapInerface_GetAPlayerData(NULL, 13) == 0);
    CHECK(CPT_MapInerface_GetIsAngell("carol") == 0);

    CPT_MapInerface_GetTable_A_Struct(9, &t);
    CHECK(t.usTableNum == 9 && t.uiScore == 100 && t.ucSettingA == 3 && t.ucSettingB == 4 && t.uiSeatPlayerID[0] == 13);
    CPT_MapInerface_GetTable_A_Struct(9, NULL);

    /* Tables that need one more player: two seated, no password. */
    CPT_MapInerface_SetRedioState(0);
    CPT_MapInerface_FindTable1();
    CHECK(CPT_MapInerface_GetTableMax() == 1 && CPT_MapInerface_GetTableNum(0) == 5);

    /* By setting A alone: the locked table 17 is left out. */
    CPT_MapInerface_ClearCombo1();
    CPT_MapInerface_ClearCombo2();
    CPT_MapInerface_ClearCombo3();
    CPT_MapInerface_SetCombo2(3);
    CHECK(CPT_MapInerface_GetCombo2() == 1 && CPT_MapInerface_GetCombo1() == 0);
    CPT_MapInerface_FindTable3();
    CHECK(CPT_MapInerface_GetTableMax() == 1);
    CPT_MapInerface_GetTableBuf_A_StructEx(&t);
    CHECK(t.usTableNum == 9);

    CPT_MapInerface_SetEditState(5);
    CPT_MapInerface_FindTableNum();
    CPT_MapInerface_GetTableBuf_A_StructEx(&t);
    CHECK(t.usTableNum == 5 && t.uiScore == 50 && t.uiSeatPlayerID[1] == 12);

    CPT_MapInerface_FindPlayerName("carol");
    CPT_MapInerface_GetTableBuf_A_StructEx(&t);
    CHECK(t.usTableNum == 9);
    CPT_MapInerface_FindPlayerName(NULL);
    CPT_MapInerface_GetTableBuf_A_StructEx(NULL);
}

static int RowOf(HWND list, const tagKWP_PLAYER_LIST_DATA_EXTRA* player) {
    int i, count = (int)SendMessageA(list, LB_GETCOUNT, 0, 0);
    for (i = 0; i < count; ++i) {
        if ((const void*)SendMessageA(list, LB_GETITEMDATA, (WPARAM)i, 0) == (const void*)player) return i;
    }
    return -1;
}

static void PlayerList(HWND lobby, HIMAGELIST images) {
    static tagTRACK_POP_MENU popup;
    HWND holder = MakeWindow("STATIC", WS_CHILD | WS_VISIBLE, lobby, 0, 0, 300, 400, 0);
    HWND dialog, list;
    int i, row, whisper = -1;

    /* The host's popup-menu window, in which the library shows its menus. */
    memset(&popup, 0, sizeof popup);
    popup.hWnd = MakeWindow("STATIC", WS_POPUP, NULL, 0, 0, 50, 100, 0);
    for (i = 1011; i <= 1015; ++i) MakeWindow("BUTTON", WS_CHILD | BS_PUSHBUTTON, popup.hWnd, 0, 0, 5, 5, i);
    CBaseDataControl_SetTrackPopMenu(&popup);
    CHECK(CBaseDataControl_GetTrackPopMenu() == &popup);

    CPartyDlg_DlgInerface_CreatePlayerLBDlg(holder);
    for (i = PLPG_ROW_FRAME; i <= PLPG_SEX_1; ++i) CPartyDlg_DlgInerface_SetPlayerLBImgList(images, (ePALYER_LIST_PIC_GROUP)i);
    CPartyDlg_DlgInerface_SetPlayerLB_BG_Bitmap(NULL);
    CPartyDlg_DlgInerface_ShowPlayerLBDlg();
    for (i = 0; i < 4; ++i) CPartyDlg_DlgInerface_AddPlayer(&g_players[i], 0, 1);
    dialog = GetWindow(holder, GW_CHILD);
    list = GetDlgItem(dialog, 229);
    CHECK(list != NULL && SendMessageA(list, LB_GETCOUNT, 0, 0) == 4);

    /* Friends first, after the local player: the host's answer decides. */
    Command(dialog, 32773);
    CHECK(g_friendQuestions > 0);
    CHECK(RowOf(list, &g_players[0]) == 0 && RowOf(list, &g_players[2]) == 1);

    /* A right-click fills the popup record; the host's popup passes the
       chosen command on, and the list reports it with the nickname. */
    row = RowOf(list, &g_players[3]);
    SendMessageA(list, WM_RBUTTONUP, 0, MAKELPARAM(20, row * 43 + 10));
    for (i = 0; i < popup.nCount && i < 5; ++i) {
        if (popup.uCmd[i] == 32786) whisper = i;
    }
    CHECK(popup.nCount > 0 && whisper >= 0 && popup.hOwner != NULL);
    if (whisper >= 0) SendMessageA(popup.hOwner, WM_COMMAND, popup.uCmd[whisper], 0);
    CHECK(g_playerList.count == 1 && g_playerList.wParam == LOBBYUI_PLAYER_LIST_WHISPER);
    CHECK(strcmp((const char*)g_playerList.bytes, "carol") == 0);

    CPartyDlg_DlgInerface_RemoveAPlayer(13);
    CHECK(SendMessageA(list, LB_GETCOUNT, 0, 0) == 3);
    CPartyDlg_DlgInerface_DestroyPlayerLBDlg();
    CPartyDlg_DlgInerface_DestroyPlayerLBDlg();
    CHECK(CPartyDlg_DlgInerface_GetPopupMenuHandle() == NULL);
    DestroyWindow(popup.hWnd);
    DestroyWindow(holder);
}

static void ClassicCreateTable(HWND lobby) {
    tagKWP_TABLE_SET_DEFAULT defaults;
    unsigned char expected[56];
    HWND dialog;

    memset(&defaults, 0, sizeof defaults);
    defaults.uiScoreMask = (1u << 2) | (1u << 3) | (1u << 5) | (1u << 6);
    defaults.ucScoreIndex = 5;
    defaults.ucSettingAMin = 1;
    defaults.ucSettingAMax = 3;
    defaults.ucSettingADefault = 2;
    defaults.ucSettingBMin = 4;
    defaults.ucSettingBMax = 20;
    defaults.ucSettingBDefault = 8;
    defaults.ucSpecialCardTypes = 2;

    CPartyDlg_DlgInerface_CreateCTDlg(lobby);
    dialog = DialogWithControl(lobby, 213);
    CHECK(dialog != NULL);
    CPartyDlg_DlgInerface_ShowCTDlg(&defaults, 101);
    CHECK(CPartyDlg_DlgInerface_GetIfPartyBtnLock() == 1);
    SetDlgItemTextA(dialog, 215, "C table");
    Command(dialog, 213);

    memset(expected, 0, sizeof expected);
    expected[0] = 101;
    expected[4] = 0x39;  /* game id 12345 */
    expected[5] = 0x30;
    memcpy(expected + 8, "C table", 7);
    expected[36] = 50;
    expected[40] = 2;
    expected[41] = 8;
    expected[42] = 2;
    CHECK(g_create.count == 1 && g_create.wParam == LOBBYUI_CREATE_TABLE_REQUEST);
    CHECK(memcmp(g_create.bytes, expected, sizeof expected) == 0);
    CHECK(CPartyDlg_DlgInerface_GetIfPartyBtnLock() == 0);

    /* A null record shows nothing: no second message when hidden. */
    CPartyDlg_DlgInerface_ShowCTDlg(NULL, 102);
    CPartyDlg_DlgInerface_HideCTDlg();
    CHECK(g_create.count == 1);
    CPartyDlg_DlgInerface_DestroyCTDlg();
}

static void SystemSettings(HWND lobby) {
    HWND dialog;
    CHECK(CSysSetDlg_Interface_GetSysSoundVolume() == 0);
    CSysSetDlg_Interface_CreateDlg(lobby);
    CSysSetDlg_Interface_SetSysSoundVolume(3);
    CSysSetDlg_Interface_SetSysMusicVolume(8);
    CHECK(CSysSetDlg_Interface_GetSysSoundVolume() == 3 && CSysSetDlg_Interface_GetSysMusicVolume() == 8);
    CSysSetDlg_Interface_ShowDlg();
    dialog = DialogWithControl(lobby, 218);
    CHECK(dialog != NULL);
    Command(dialog, 218);
    CHECK(g_settings.count == 1 && g_settings.wParam == LOBBYUI_SETTINGS_SOUND_UP && g_settings.lParam == 4);
    Command(dialog, 220);
    CHECK(g_settings.count == 2 && g_settings.wParam == LOBBYUI_SETTINGS_MUSIC_UP && g_settings.lParam == 8);

    /* The cursor the host holds at that moment, over a library window. */
    g_cursor = LoadCursorA(NULL, (LPCSTR)IDC_HAND);
    CHECK(SendMessageA(dialog, WM_SETCURSOR, (WPARAM)dialog, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)) == 1);
    CHECK(GetCursor() == g_cursor);
    CSysSetDlg_Interface_DestroyDlg();
    CHECK(CSysSetDlg_Interface_GetSysSoundVolume() == 0);
}

static void RoomButton(HWND lobby, HIMAGELIST images) {
    /* The host's server record: the library reads the name from byte 2. */
    static const char server[] = "\x01\x02Room A";
    RECT size = {4, 2, 104, 26};
    RECT placed;
    LOBBYUI_HBUTTON button = CR_E_BtnInterface_CreateNewRE_Btn(images, lobby);
    HWND window = CR_E_BtnInterface_GetBtnWindow(button);

    CHECK(button != NULL && window != NULL && GetParent(window) == lobby && GetDlgCtrlID(window) == 9999);
    CR_E_BtnInterface_SetGSData(button, (tagGameServerInfo*)server);
    CR_E_BtnInterface_SetBtnSize(button, &size);
    CR_E_BtnInterface_ShowBtn(button);
    GetWindowRect(window, &placed);
    MapWindowPoints(NULL, lobby, (POINT*)&placed, 2);
    CHECK(placed.left == 4 && placed.top == 2 && placed.right == 104 && placed.bottom == 26);

    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    CHECK(g_roomButton.count == 1);
    CHECK(g_roomButton.wParam == (WPARAM)server && g_roomButton.lParam == (LPARAM)button);
    CHECK(CR_E_BtnInterface_GetBtnStatus(button) == BTN_DOWN);
    SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));

    /* A null rectangle is an empty one; a handle the library never made is ignored. */
    CR_E_BtnInterface_SetBtnSize(button, NULL);
    GetWindowRect(window, &placed);
    CHECK(placed.right == placed.left && placed.bottom == placed.top);
    CR_E_BtnInterface_ShowBtn((LOBBYUI_HBUTTON)&size);
    CHECK(CR_E_BtnInterface_GetBtnWindow((LOBBYUI_HBUTTON)&size) == NULL);
    CHECK(CR_E_BtnInterface_GetBtnStatus(NULL) == BTN_NORMAL);

    CR_E_BtnInterface_DeleteRE_Btn(button);
    CHECK(!IsWindow(window));
    CHECK(CR_E_BtnInterface_GetBtnWindow(button) == NULL);
    CR_E_BtnInterface_DeleteRE_Btn(button);
}

static void WebDialog(HWND lobby) {
    RECT at = {10, 20, 110, 70};
    RECT placed;
    LOBBYUI_HWEBDLG page = CWebDlgInterface_CreateNewWebDlg("about:blank", &at, lobby);
    HWND window = CWebDlgInterface_GetWebDlgWindow(page);

    CHECK(page != NULL && window != NULL && GetParent(window) == lobby && !IsWindowVisible(window));
    GetWindowRect(window, &placed);
    MapWindowPoints(NULL, lobby, (POINT*)&placed, 2);
    CHECK(placed.left == 10 && placed.top == 20 && placed.right == 110 && placed.bottom == 70);
    CHECK(GetDlgItem(window, 100) != NULL);
    ShowWindow(window, SW_SHOW);
    CHECK(IsWindowVisible(window));

    CWebDlgInterface_DestroyWebDlg(page);
    CHECK(!IsWindow(window));
    CHECK(CWebDlgInterface_GetWebDlgWindow(page) == NULL);
    CWebDlgInterface_DestroyWebDlg(page);
    CWebDlgInterface_DestroyWebDlg(NULL);
    CHECK(CWebDlgInterface_GetWebDlgWindow(NULL) == NULL);
}

int main(void) {
    WNDCLASSA wc;
    HWND lobby;
    HIMAGELIST images;

    memset(&wc, 0, sizeof wc);
    wc.lpfnWndProc = LobbyProc;
    wc.hInstance = GetModuleHandleA(NULL);
    wc.lpszClassName = "CLobbyHost";
    RegisterClassA(&wc);
    lobby = CreateWindowExA(0, wc.lpszClassName, "C lobby", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0, 800, 600,
                            NULL, NULL, wc.hInstance, NULL);
    ShowWindow(lobby, SW_SHOWNOACTIVATE);
    images = ImageList_Create(16, 16, ILC_COLOR24, 4, 4);

    g_cursor = LoadCursorA(NULL, (LPCSTR)IDC_ARROW);
    CHECK(LobbyUi_RXCursorfun(&g_cursor) == 1);
    CBaseDataControl_SetGameID(12345);
    CHECK(CBaseDataControl_GetGameID() == 12345);
    Room();
    PlayerList(lobby, images);
    ClassicCreateTable(lobby);
    SystemSettings(lobby);
    RoomButton(lobby, images);
    WebDialog(lobby);
    CHECK(LobbyUi_RXCursorfun(NULL) == 1);

    CPT_MapInerface_RemoveAllPlayerFromMap();
    DestroyWindow(lobby);
    ImageList_Destroy(images);
    if (g_failures) {
        printf("c host: %d checks failed\n", g_failures);
        return 1;
    }
    printf("c host ok\n");
    return 0;
}

#if defined(LOBBYUI_HOST_ENTRY)
/* The entry point when no C runtime start-up code is linked. */
void __cdecl LOBBYUI_HOST_ENTRY(void) { ExitProcess((UINT)main()); }
#endif
