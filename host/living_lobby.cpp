#include "living_lobby.h"

#include <string.h>
#include <wchar.h>

namespace {

bool IsDialog(HWND hwnd) {
    wchar_t name[16] = {0};
    ::GetClassNameW(hwnd, name, 16);
    return wcscmp(name, L"#32770") == 0;
}

// The library's dialog a message is for: the nearest dialog that holds the
// window it was sent to, whether a popup or a child of the lobby.
HWND DialogOf(HWND hwnd) {
    for (HWND h = hwnd; h; h = ::GetParent(h)) {
        if (IsDialog(h)) return h;
        if (!(::GetWindowLongW(h, GWL_STYLE) & WS_CHILD)) break;
    }
    return nullptr;
}

struct DialogSearch {
    int controlId;
    HWND found;
};

BOOL CALLBACK FindVisibleDialogWith(HWND hwnd, LPARAM l) {
    DialogSearch* search = reinterpret_cast<DialogSearch*>(l);
    DWORD process = 0;
    ::GetWindowThreadProcessId(hwnd, &process);
    if (process != ::GetCurrentProcessId() || !::IsWindowVisible(hwnd) || !IsDialog(hwnd)) return TRUE;
    if (!::GetDlgItem(hwnd, search->controlId)) return TRUE;
    search->found = hwnd;
    return FALSE;
}

const int kJoinFindPartner = 252;
const unsigned kTablesRepaintMs = 50;  // the join dialog's button that slides the search panel out

}  // namespace

LivingLobby::LivingLobby(DemoRoom& room, LobbyWindow& lobby, DemoSession& session, MessageLog& log,
                         const LivingLobbyOptions& options)
    : m_room(room), m_lobby(lobby), m_session(session), m_log(log), m_options(options),
      m_server(m_model, lobby, log, m_post, room.localPlayerId()), m_rows(m_post, room.localPlayerId()),
      m_live(m_model, room.localPlayerId(), options.serverRate) {
    if (options.fullRoom) m_server.SetRoomSize(750, 200);
    m_lobby.SetPoster(&m_post);
    m_lobby.SetMessageHandler([this](UINT msg, WPARAM w, LPARAM l) { return m_server.Answer(msg, w, l); });
    m_lobby.SetCommandHandler([this](int id) { OnCommand(id); });
    // On the server's thread, under the room's lock: only posts.
    m_model.SetListener([this](const RoomChange& change) { OnRoomChange(change); });
}

LivingLobby::~LivingLobby() {
    m_live.Stop();
    m_model.SetListener(nullptr);
    m_lobby.SetMessageHandler(nullptr);
    m_lobby.SetCommandHandler(nullptr);
    if (m_web) CWebDlgInterface::DestroyWebDlg(m_web);
    for (CButton* b : m_roomButtons) CR_E_BtnInterface::DeleteRE_Btn(b);
    delete m_buttonFaces;
    // The list's rows leave before their records (in the rows' destructor);
    // the posts still queued die unrun.
    m_lobby.SetPoster(nullptr);
}

void LivingLobby::OnRoomChange(const RoomChange& change) {
    switch (change.kind) {
    case RoomChange::kReloaded: {
        unsigned generation = change.generation;
        m_post.Post([this, generation] {
            m_generation = generation;
            m_rows.Reload(m_model.Players());
            m_lobby.RepaintLobby();
        });
        break;
    }
    case RoomChange::kArrived: {
        tagKWP_PLAYER_LIST_DATA_EXTRA player = change.player;
        unsigned generation = change.generation;
        m_post.Post([this, player, generation] {
            if (generation == m_generation) m_rows.Arrived(player);
        });
        break;
    }
    case RoomChange::kLeft: {
        unsigned id = change.playerId, generation = change.generation;
        m_post.Post([this, id, generation] {
            if (generation == m_generation) m_rows.Left(id);
        });
        break;
    }
    case RoomChange::kTables:
        // Many changes, one repaint, at most twenty a second: the eye sees
        // no more, and the lobby's drawing is the UI thread's largest cost.
        if (::InterlockedExchange(&m_tablesDirty, 1) == 0) {
            m_post.Post([this] {
                m_post.After(kTablesRepaintMs, [this] {
                    ::InterlockedExchange(&m_tablesDirty, 0);
                    m_lobby.RepaintTables();
                });
            });
        }
        break;
    }
}

void LivingLobby::Start() {
    CPartyDlg_DlgInerface::ShowPlayerLBDlg();
    m_server.SwitchServer(0);  // loads the room: the rows follow from the loop
    PumpWaiting();
    CPartyDlg_DlgInerface::ShowPlayerLB();
    CPartyDlg_DlgInerface::IsShowConTestBtn(1, 17);
    CPartyDlg_DlgInerface::RedrawPlayerLB(1);
    CreateRoomButtons();
    m_live.Start();
    m_log.Note("lobby_demo: the server changes the room " + std::to_string(static_cast<int>(m_options.serverRate)) +
               " times a second (" + std::to_string(m_model.PlayerCount()) + " players, " +
               std::to_string(m_model.TableCount()) + " tables)");
}

void LivingLobby::CreateRoomButtons() {
    m_buttonFaces = new CImageList;
    m_buttonFaces->Create(13, 26, ILC_COLOR24 | ILC_MASK, 9, 0);
    HBITMAP strip = static_cast<HBITMAP>(
        ::LoadImageA(nullptr, "lobby\\room_button.bmp", IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    if (strip) {
        m_buttonFaces->Add(strip, RGB(255, 0, 255));
        ::DeleteObject(strip);
    }
    // In the title band, right of the room's name: as wide as each name.
    int left = 162;
    std::vector<SimServerEntry>& servers = SimServer::Servers();
    for (SimServerEntry& server : servers) {
        int bytes = static_cast<int>(strlen(server.name));
        int width = (bytes >= 2 ? 13 * (bytes / 2 - 1) + 9 : 0) + 22;
        CButton* button = CR_E_BtnInterface::CreateNewRE_Btn(m_buttonFaces, CWnd::FromHandle(m_lobby.lobbyView()));
        CR_E_BtnInterface::SetGSData(button, reinterpret_cast<tagGameServerInfo*>(&server));
        CR_E_BtnInterface::SetBtnSize(button, CRect(left, 5, left + width, 31));
        CR_E_BtnInterface::ShowBtn(button);
        m_roomButtons.push_back(button);
        left += width + 4;
    }
}

void LivingLobby::OnCommand(int id) {
    tagKWP_TABLE_SET_DEFAULT defaults = DemoRoom::CreateDefaults();
    switch (id) {
    case 4001:
        CPartyDlg_DlgInerface::ShowCTDlg(&defaults, static_cast<unsigned short>(m_model.FreeTableNumber()));
        break;
    case 4002:
        CPartyDlg_DlgInerface::ShowCTDlgNew(&defaults, static_cast<unsigned short>(m_model.FreeTableNumber()));
        break;
    case 4003:
        OpenFindPartner();
        break;
    case 4004:
        m_server.ShowScoreOf(m_room.localPlayerId());
        break;
    case 4005:
        ToggleBaseData();
        break;
    case 4006:
        CSysSetDlg_Interface::SwitchShowDlg();
        break;
    case 4007:
        ToggleNotice();
        break;
    default:
        break;
    }
}

void LivingLobby::OpenFindPartner() {
    // The join dialog on the local player's table, its search panel out.
    unsigned number = m_model.TableOf(m_room.localPlayerId());
    tagKWP_TABLE_LIST_DATA table = m_model.Table(number ? number : 1);
    for (unsigned n = 1; !table.usTableNum && n <= RoomModel::kTables; ++n) table = m_model.Table(n);
    CPartyDlg_DlgInerface::ShowJTDlg(JTAT_JOIN, &table);
    CPartyDlg_DlgInerface::SetJTBtnStatus(0, 1, 1);
    DialogSearch search = {kJoinFindPartner, nullptr};
    ::EnumWindows(&FindVisibleDialogWith, reinterpret_cast<LPARAM>(&search));
    if (search.found) {
        ::SendMessageW(search.found, WM_COMMAND, MAKEWPARAM(kJoinFindPartner, BN_CLICKED),
                       reinterpret_cast<LPARAM>(::GetDlgItem(search.found, kJoinFindPartner)));
    }
}

void LivingLobby::ToggleBaseData() {
    HWND panel = ::FindWindowExW(m_lobby.baseDataHolder(), nullptr, L"#32770", nullptr);
    if (panel && ::IsWindowVisible(panel)) {
        CPBDDlg_Interface::HidePBD_Dlg();
        return;
    }
    CPBDDlg_Interface::PBDDLG_SetYuCoinUse(false);
    m_server.RefreshBaseData();
    CPBDDlg_Interface::ShowPBD_Dlg();
}

void LivingLobby::ToggleNotice() {
    if (!m_web) {
        m_web = CWebDlgInterface::CreateNewWebDlg(NoticePage().c_str(), CRect(8, 42, 408, 322),
                                                  CWnd::FromHandle(m_lobby.lobbyView()));
        if (m_web) m_web->ShowWindow(SW_SHOW);
        return;
    }
    m_web->ShowWindow(::IsWindowVisible(m_web->m_hWnd) ? SW_HIDE : SW_SHOW);
}

void LivingLobby::Dispatch(MSG& msg) {
    // A dialog whose focused control was hidden (the join dialog when its
    // search panel comes out) is active with the focus nowhere: the system
    // then sends plain keys as system keys to the active window, which
    // IsDialogMessage ignores. They go to the dialog as the keys they are.
    const bool altDown = (msg.lParam & (1 << 29)) != 0;
    if ((msg.message == WM_SYSKEYDOWN || msg.message == WM_SYSKEYUP || msg.message == WM_SYSCHAR) && !altDown &&
        !::GetFocus() && msg.hwnd == ::GetActiveWindow() && DialogOf(msg.hwnd) == msg.hwnd) {
        ::SetFocus(msg.hwnd);
        msg.message = msg.message == WM_SYSKEYDOWN ? WM_KEYDOWN : msg.message == WM_SYSKEYUP ? WM_KEYUP : WM_CHAR;
    }
    // The library's dialogs are modeless: they get Tab, Enter and Escape
    // only through IsDialogMessage, each the one holding the window the
    // keys go to, child dialogs of the lobby as much as popups.
    HWND dialog = DialogOf(msg.hwnd);
    if (dialog && ::IsDialogMessageW(dialog, &msg)) return;
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
}

bool LivingLobby::PumpWaiting() {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            return false;
        }
        Dispatch(msg);
    }
    return true;
}

int LivingLobby::Run() {
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) Dispatch(msg);
    return 0;
}
