// The interactive lobby driven like a person: real input (SendInput) at the
// toolbar's buttons, the tables and the dialogs' controls, with the
// simulated server answering and, in the last test, churning the room.
// Runs in the demo's folder, where the library finds its pictures and texts.
#include <windows.h>

#include <string.h>
#include <wchar.h>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <lobbyui/lobbyui.h>
#include <lobbyui/messages.h>

#include "demo_room.h"
#include "demo_setup.h"
#include "live_bench.h"
#include "living_lobby.h"
#include "lobby_window.h"
#include "message_log.h"

namespace {

const int kClassicCreate = 213;
const int kJoin = 227;
const int kPasswordEdit = 215;

struct World {
    MessageLog log;
    DemoRoom room;
    LobbyWindow lobby{room, log};
    std::unique_ptr<DemoSession> session;
    std::unique_ptr<LivingLobby> living;
};
World* g_world = nullptr;

bool IsDialog(HWND hwnd) {
    wchar_t name[16] = {0};
    ::GetClassNameW(hwnd, name, 16);
    return wcscmp(name, L"#32770") == 0;
}

BOOL CALLBACK CollectDialog(HWND hwnd, LPARAM l) {
    if (::IsWindowVisible(hwnd) && IsDialog(hwnd)) reinterpret_cast<std::set<HWND>*>(l)->insert(hwnd);
    return TRUE;
}

BOOL CALLBACK CollectTopLevel(HWND hwnd, LPARAM l) {
    DWORD process = 0;
    ::GetWindowThreadProcessId(hwnd, &process);
    if (process != ::GetCurrentProcessId() || !::IsWindowVisible(hwnd)) return TRUE;
    CollectDialog(hwnd, l);
    ::EnumChildWindows(hwnd, &CollectDialog, l);
    return TRUE;
}

// Every visible dialog of the lobby, popups and children alike.
std::set<HWND> VisibleDialogs() {
    std::set<HWND> found;
    ::EnumWindows(&CollectTopLevel, reinterpret_cast<LPARAM>(&found));
    return found;
}

std::set<HWND> Appeared(const std::set<HWND>& before) {
    std::set<HWND> out;
    for (HWND h : VisibleDialogs()) {
        if (!before.count(h)) out.insert(h);
    }
    return out;
}

// Runs the lobby's loop until done() holds or ms pass.
bool PumpUntil(const std::function<bool()>& done, DWORD ms = 4000) {
    const DWORD start = ::GetTickCount();
    for (;;) {
        g_world->living->PumpWaiting();
        if (done()) return true;
        if (::GetTickCount() - start > ms) return false;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 15, QS_ALLINPUT);
    }
}

void Settle(DWORD ms = 150) {
    const DWORD start = ::GetTickCount();
    PumpUntil([&] { return ::GetTickCount() - start > ms; }, ms + 100);
}

// The mouse goes to a point of the screen and clicks there, as a hand would.
void ClickAtScreen(POINT p) {
    const int cx = ::GetSystemMetrics(SM_CXSCREEN), cy = ::GetSystemMetrics(SM_CYSCREEN);
    INPUT in[3] = {};
    for (INPUT& i : in) {
        i.type = INPUT_MOUSE;
        i.mi.dx = static_cast<LONG>((p.x * 65535LL + cx / 2) / (cx - 1));
        i.mi.dy = static_cast<LONG>((p.y * 65535LL + cy / 2) / (cy - 1));
    }
    in[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    in[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_ABSOLUTE;
    in[2].mi.dwFlags = MOUSEEVENTF_LEFTUP | MOUSEEVENTF_ABSOLUTE;
    ::SendInput(3, in, sizeof(INPUT));
    Settle(80);
}

void Click(HWND window) {
    ASSERT_TRUE(::IsWindowVisible(window));
    ::SetForegroundWindow(::GetAncestor(window, GA_ROOT));
    RECT r;
    ::GetWindowRect(window, &r);
    ClickAtScreen({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
}

void Key(WORD vk) {
    INPUT in[2] = {};
    in[0].type = in[1].type = INPUT_KEYBOARD;
    in[0].ki.wVk = in[1].ki.wVk = vk;
    in[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ::SendInput(2, in, sizeof(INPUT));
    Settle(60);
}

void TypeDigits(const char* digits) {
    for (const char* d = digits; *d; ++d) Key(static_cast<WORD>(*d));
}

HWND ToolbarButton(const wchar_t* caption) {
    return ::FindWindowExW(g_world->lobby.main(), nullptr, L"Button", caption);
}

size_t CountMessages(UINT msg, WPARAM code) {
    size_t n = 0;
    for (const LoggedMessage& m : g_world->log.messages()) n += m.msg == msg && m.wParam == code;
    return n;
}

unsigned LocalId() { return g_world->room.localPlayerId(); }

bool SeatedAt(unsigned number) {
    if (static_cast<unsigned>(CPT_MapInerface::GetPlayerTableNum(LocalId())) != number) return false;
    tagKWP_TABLE_LIST_DATA t = CPT_MapInerface::GetTable_A_Struct(number);
    return t.uiSeatPlayerID[0] == LocalId() || t.uiSeatPlayerID[1] == LocalId() || t.uiSeatPlayerID[2] == LocalId();
}

// A table shown in the lobby, not the local player's, with a free seat and
// a password or not.
unsigned TableWithFreeSeat(bool locked) {
    for (unsigned n = 1; n <= RoomModel::kTables; ++n) {
        tagKWP_TABLE_LIST_DATA t = g_world->living->model().Table(n);
        RECT cell;
        if (!t.usTableNum || !!t.bHavePassword != locked || !g_world->lobby.TableCell(n, cell)) continue;
        if (n == g_world->living->model().TableOf(LocalId())) continue;
        if (!t.uiSeatPlayerID[0] || !t.uiSeatPlayerID[1] || !t.uiSeatPlayerID[2]) return n;
    }
    return 0;
}

void ClickTable(unsigned number) {
    RECT cell;
    ASSERT_TRUE(g_world->lobby.TableCell(number, cell));
    POINT centre = {(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
    ::ClientToScreen(g_world->lobby.lobbyView(), &centre);
    ::SetForegroundWindow(g_world->lobby.main());
    ClickAtScreen(centre);
}

// The newly shown dialog that holds control id.
HWND NewDialogWith(const std::set<HWND>& before, int id) {
    HWND found = nullptr;
    PumpUntil([&] {
        for (HWND h : Appeared(before)) {
            if (::GetDlgItem(h, id)) found = h;
        }
        return found != nullptr;
    });
    return found;
}

BOOL CALLBACK FindLongList(HWND hwnd, LPARAM l) {
    wchar_t name[16] = {0};
    ::GetClassNameW(hwnd, name, 16);
    if (_wcsicmp(name, L"ListBox") != 0 || ::SendMessageW(hwnd, LB_GETCOUNT, 0, 0) < 100) return TRUE;
    *reinterpret_cast<HWND*>(l) = hwnd;
    return FALSE;
}

// The player list's list box: the one in the lobby holding the room.
HWND PlayerListBox() {
    HWND found = nullptr;
    ::EnumChildWindows(g_world->lobby.lobbyView(), &FindLongList, reinterpret_cast<LPARAM>(&found));
    return found;
}

class LivingLobbyTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        g_world = new World;
        ASSERT_TRUE(g_world->lobby.Create(::GetModuleHandleW(nullptr)));
        g_world->session.reset(new DemoSession(g_world->room, g_world->lobby));
        g_world->session->Start();
        LivingLobbyOptions calm;
        calm.serverRate = 0;  // the churn has a test of its own
        g_world->living.reset(new LivingLobby(g_world->room, g_world->lobby, *g_world->session, g_world->log, calm));
        g_world->living->Start();
        ::SetForegroundWindow(g_world->lobby.main());
        Settle(300);
    }
    static void TearDownTestSuite() {
        g_world->living.reset();
        g_world->session.reset();
        delete g_world;
        g_world = nullptr;
    }
    void TearDown() override {
        // Each test leaves the lobby with no dialog of its own open.
        CPartyDlg_DlgInerface::HideCTDlg();
        CPartyDlg_DlgInerface::HideCTDlgNew();
        CPartyDlg_DlgInerface::HideJTDlg();
        CPartyDlg_DlgInerface::HidePWDlg();
        CPSDlg_Interface::HidePS_Dlg();
        CPBDDlg_Interface::HidePBD_Dlg();
        CSysSetDlg_Interface::HideDlg();
        if (CDialog* web = g_world->living->webDialog()) web->ShowWindow(SW_HIDE);
        Settle(100);
    }
};

// How each toolbar button's dialog answers Escape, and what it then tells the host.
struct ToolbarCase {
    const wchar_t* caption;
    int controlId;  // a control of the dialog the keys go to (0: the first that appeared)
    bool escapeCloses;
    UINT closeMessage;  // 0: none expected
    WPARAM closeCode;
};

TEST_F(LivingLobbyTest, EveryToolbarButtonOpensItsDialogAndEscapeClosesThoseThatAllowIt) {
    const ToolbarCase cases[] = {
        {L"经典建桌", kClassicCreate, true, LOBBYUI_MSG_CREATE_TABLE, LOBBYUI_CREATE_TABLE_CLOSED},
        {L"新版建桌", 0, false, 0, 0},
        // The search panel comes out beside the join dialog; the keys go to the dialog.
        {L"找搭档", kJoin, true, LOBBYUI_MSG_JOIN_TABLE, LOBBYUI_JOIN_TABLE_CLOSED},
        {L"我的战绩", 0, false, 0, 0},
        {L"个人资料", 0, false, 0, 0},
        {L"系统设置", 0, false, 0, 0},
        {L"公告", 0, false, 0, 0},
    };
    ASSERT_EQ(LobbyWindow::Toolbar().size(), sizeof cases / sizeof cases[0]);
    for (const ToolbarCase& c : cases) {
        SCOPED_TRACE("toolbar button " + std::to_string(&c - cases));
        HWND button = ToolbarButton(c.caption);
        ASSERT_NE(button, nullptr) << "no toolbar button has this caption";
        std::set<HWND> before = VisibleDialogs();
        Click(button);
        std::set<HWND> shown;
        ASSERT_TRUE(PumpUntil([&] { return !(shown = Appeared(before)).empty(); })) << "the button opened nothing";
        HWND dialog = *shown.begin();
        for (HWND h : shown) {
            if (c.controlId && ::GetDlgItem(h, c.controlId)) dialog = h;
        }

        // Escape goes to the dialog the keyboard is in.
        const size_t closes = c.closeMessage ? CountMessages(c.closeMessage, c.closeCode) : 0;
        ::SetForegroundWindow(::GetAncestor(dialog, GA_ROOT));
        if (::GetWindowLongW(dialog, GWL_STYLE) & WS_CHILD) ::SetFocus(dialog);
        Key(VK_ESCAPE);
        Settle(200);
        if (c.escapeCloses) {
            EXPECT_FALSE(::IsWindowVisible(dialog)) << "Escape left it open";
            EXPECT_EQ(CountMessages(c.closeMessage, c.closeCode), closes + 1);
        } else if (::GetWindowLongW(dialog, GWL_STYLE) & WS_CHILD) {
            EXPECT_TRUE(::IsWindowVisible(dialog)) << "Escape closed a dialog that keeps open";
        }
        TearDown();
    }
}

TEST_F(LivingLobbyTest, ClassicCreateByClickOpensTheTableWithTheCreatorSeated) {
    const unsigned expected = g_world->living->model().FreeTableNumber();
    std::set<HWND> before = VisibleDialogs();
    Click(ToolbarButton(L"经典建桌"));
    HWND dialog = NewDialogWith(before, kClassicCreate);
    ASSERT_NE(dialog, nullptr);
    const size_t requests = CountMessages(LOBBYUI_MSG_CREATE_TABLE, LOBBYUI_CREATE_TABLE_REQUEST);
    Click(::GetDlgItem(dialog, kClassicCreate));
    ASSERT_TRUE(PumpUntil([&] { return SeatedAt(expected); })) << "table " << expected << " did not seat the creator";
    EXPECT_EQ(CountMessages(LOBBYUI_MSG_CREATE_TABLE, LOBBYUI_CREATE_TABLE_REQUEST), requests + 1);
    EXPECT_FALSE(::IsWindowVisible(dialog));
    RECT cell;
    EXPECT_TRUE(g_world->lobby.TableCell(expected, cell) || expected > 120) << "the new table is not drawn";
}

TEST_F(LivingLobbyTest, ClickOnATableAndJoinSeatsThePlayer) {
    const unsigned number = TableWithFreeSeat(false);
    ASSERT_NE(number, 0u);
    std::set<HWND> before = VisibleDialogs();
    ClickTable(number);
    HWND dialog = NewDialogWith(before, kJoin);
    ASSERT_NE(dialog, nullptr) << "the click on table " << number << " opened no join dialog";
    ASSERT_TRUE(PumpUntil([&] { return ::IsWindowEnabled(::GetDlgItem(dialog, kJoin)) != FALSE; }));
    Click(::GetDlgItem(dialog, kJoin));
    EXPECT_TRUE(PumpUntil([&] { return SeatedAt(number); })) << "the join did not seat the player";
}

TEST_F(LivingLobbyTest, AFullTableRefusesTheJoinWithItsMessage) {
    const unsigned number = TableWithFreeSeat(false);
    ASSERT_NE(number, 0u);
    RoomModel& model = g_world->living->model();
    // Strangers fill it between the look and the join.
    for (unsigned id = 60001; model.Table(number).uiSeatPlayerID[2] == 0 || !model.Table(number).uiSeatPlayerID[0] ||
                              !model.Table(number).uiSeatPlayerID[1];
         ++id) {
        ASSERT_TRUE(model.Arrive(DemoRoom::MakePlayer(id, id)));
        ASSERT_TRUE(model.Seat(id, number));
    }
    const unsigned before = static_cast<unsigned>(CPT_MapInerface::GetPlayerTableNum(LocalId()));
    g_world->living->server().Join(number);
    Settle();
    EXPECT_EQ(static_cast<unsigned>(CPT_MapInerface::GetPlayerTableNum(LocalId())), before);
    EXPECT_EQ(CPartyDlg_DlgInerface::GetJTActType(), JTAT_MESSAGE);
    EXPECT_EQ(CPartyDlg_DlgInerface::GetJTFocusTableIndx(), number);
}

TEST_F(LivingLobbyTest, AWrongPasswordIsRefusedAndTheRightOneSeats) {
    const unsigned number = TableWithFreeSeat(true);
    ASSERT_NE(number, 0u);
    std::set<HWND> before = VisibleDialogs();
    ClickTable(number);
    HWND join = NewDialogWith(before, kJoin);
    ASSERT_NE(join, nullptr);
    ASSERT_TRUE(PumpUntil([&] { return ::IsWindowEnabled(::GetDlgItem(join, kJoin)) != FALSE; }));
    before = VisibleDialogs();
    Click(::GetDlgItem(join, kJoin));
    HWND password = NewDialogWith(before, kPasswordEdit);
    ASSERT_NE(password, nullptr) << "a locked table opened no password dialog";

    const size_t sent = CountMessages(LOBBYUI_MSG_PASSWORD, number);
    Click(::GetDlgItem(password, kPasswordEdit));
    TypeDigits("1111");
    Key(VK_RETURN);
    ASSERT_TRUE(PumpUntil([&] { return CountMessages(LOBBYUI_MSG_PASSWORD, number) == sent + 1; }));
    // Refused: the dialog is back for another try and nobody sat down.
    EXPECT_TRUE(PumpUntil([&] { return ::IsWindowVisible(password) != FALSE; }));
    EXPECT_FALSE(SeatedAt(number));

    Click(::GetDlgItem(password, kPasswordEdit));
    ::SetDlgItemTextA(password, kPasswordEdit, "");
    TypeDigits("8888");
    Key(VK_RETURN);
    EXPECT_TRUE(PumpUntil([&] { return SeatedAt(number); })) << "the right password did not seat the player";
    EXPECT_EQ(CountMessages(LOBBYUI_MSG_PASSWORD, number), sent + 2);
    EXPECT_FALSE(::IsWindowVisible(password));
}

TEST_F(LivingLobbyTest, SettingsClicksAreKeptAndShownByTheLobby) {
    std::set<HWND> before = VisibleDialogs();
    Click(ToolbarButton(L"系统设置"));
    HWND settings = NewDialogWith(before, 220);
    ASSERT_NE(settings, nullptr);
    const int music = g_world->living->server().musicVolume();
    Click(::GetDlgItem(settings, 219));  // music down
    EXPECT_TRUE(PumpUntil([&] { return g_world->living->server().musicVolume() == music - 1; }));
    EXPECT_EQ(CSysSetDlg_Interface::GetSysMusicVolume(), music - 1) << "the host did not write the volume back";
}

TEST_F(LivingLobbyTest, TheLobbyKeepsAnsweringAndItsListFollowsWhileTheServerChurns) {
    // The calm room of the other tests, made busy: 200 changes a second.
    LiveRoom churn(g_world->living->model(), LocalId(), 200);
    g_world->living->post().TakeLatencies();
    churn.Start();
    HWND button = ToolbarButton(L"系统设置");
    for (int round = 0; round < 4; ++round) {
        std::set<HWND> before = VisibleDialogs();
        Click(button);
        EXPECT_TRUE(PumpUntil([&] { return !Appeared(before).empty(); }, 3000)) << "round " << round;
        CSysSetDlg_Interface::HideDlg();
        Settle(200);
    }
    churn.Stop();
    EXPECT_GT(churn.changes(), 100u);
    // Once the posts are handled the list holds exactly the room.
    ASSERT_TRUE(PumpUntil([] { return g_world->living->post().Pending() == 0 && g_world->living->rows().waiting() == 0; }));
    Settle(200);
    std::vector<unsigned> ids = g_world->living->model().PlayerIds();
    EXPECT_EQ(g_world->living->rows().size(), ids.size());
    for (unsigned id : ids) EXPECT_TRUE(g_world->living->rows().Has(id)) << id;
    EXPECT_EQ(static_cast<size_t>(::SendMessageW(PlayerListBox(), LB_GETCOUNT, 0, 0)), ids.size());
    // Generous bounds: a test proves the lobby answers, the benchmark measures how fast.
    std::vector<double> waits = g_world->living->post().TakeLatencies();
    ASSERT_FALSE(waits.empty());
    EXPECT_LT(Percentile(waits, 0.5), 250000.0);
}

}  // namespace
