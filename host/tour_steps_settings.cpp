// The tour's steps for the system settings dialog, the web dialog and the
// room-entrance buttons: what a user does with each, and what the host must
// receive for it.
#include <lobbyui/lobbyui.h>
#include <lobbyui/messages.h>

#include <string.h>

#include <string>
#include <utility>
#include <vector>

#include "demo_setup.h"
#include "tour.h"

namespace {

const UINT kRoomButton = LOBBYUI_MSG_ROOM_BUTTON_PRESSED;
const UINT kSettings = LOBBYUI_MSG_SYSTEM_SETTINGS;

// The values (wParam, lParam) of the messages msg that arrived since the
// step's action began.
std::vector<std::pair<WPARAM, LPARAM>> SentSince(TourContext& c, const std::string& step, UINT msg) {
    std::vector<std::pair<WPARAM, LPARAM>> out;
    const std::vector<LoggedMessage>& all = c.log.messages();
    for (size_t i = c.chosen[step + ":first"]; i < all.size(); ++i) {
        if (all[i].msg == msg) out.push_back({all[i].wParam, all[i].lParam});
    }
    return out;
}

void MarkStart(TourContext& c, const std::string& step) { c.chosen[step + ":first"] = c.log.messages().size(); }

std::string Describe(const std::vector<std::pair<WPARAM, LPARAM>>& sent) {
    std::string out;
    for (const auto& s : sent) out += " " + std::to_string(s.first) + "/" + std::to_string(static_cast<long>(s.second));
    return out.empty() ? std::string(" nothing") : out;
}

// A window's rectangle in its parent's client coordinates.
RECT InParent(HWND window) {
    RECT r = {0, 0, 0, 0};
    ::GetWindowRect(window, &r);
    ::MapWindowPoints(nullptr, ::GetParent(window), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

HWND Settings(TourContext& c) { return c.Dialog("system-settings"); }

bool Checked(HWND dialog, int id) { return ::SendMessageW(::GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED; }

// Presses buttons of the settings dialog and checks that exactly the
// expected 1335 messages came back.
void AddPresses(std::vector<TourStep>& steps, const char* name, std::vector<int> buttons,
                std::vector<std::pair<WPARAM, LPARAM>> expected, std::vector<std::pair<UINT, WPARAM>> codes) {
    std::string step = name;
    steps.push_back({step, [step, buttons](TourContext& c) {
                         MarkStart(c, step);
                         for (int id : buttons) c.Click(Settings(c), id);
                     }, Expect::Nothing, codes, [step, expected](TourContext& c) {
                         std::vector<std::pair<WPARAM, LPARAM>> sent = SentSince(c, step, kSettings);
                         if (sent != expected) return "1335 sent" + Describe(sent) + ", expected" + Describe(expected);
                         return std::string();
                     }});
}

void AddSettingsDialogSteps(std::vector<TourStep>& steps) {
    // The host writes what it keeps into the dialog, then opens it.
    steps.push_back({"system-settings", [](TourContext&) {
                         CSysSetDlg_Interface::SetSysMusicVolume(7);
                         CSysSetDlg_Interface::SetSysSoundVolume(1);
                         CSysSetDlg_Interface::SetIfOS_On(1);
                         CSysSetDlg_Interface::SetIfCardType_On(0);
                         CSysSetDlg_Interface::ShowDlg();
                     }, Expect::Dialog, {}, [](TourContext& c) {
                         HWND d = Settings(c);
                         RECT window, client;
                         ::GetWindowRect(d, &window);
                         ::GetClientRect(d, &client);
                         if (window.left != 480 || window.top != 380) return std::string("not at screen (480, 380)");
                         if (client.right != 152 || client.bottom != 271) return std::string("the client area is not 152 x 271");
                         if (!Checked(d, 235) || Checked(d, 223) || !Checked(d, 402) || Checked(d, 403)) {
                             return std::string("the switches do not show what the host set");
                         }
                         return std::string();
                     }});
    // Music from 7 up twice: the second press is at the top and still reported.
    AddPresses(steps, "settings-music-to-top", {220, 220}, {{3, 8}, {3, 8}}, {{kSettings, 3}});
    // Sound from 1 down twice: the bar empties and the second press reports 0 again.
    AddPresses(steps, "settings-sound-to-bottom", {217, 217}, {{2, 0}, {2, 0}}, {{kSettings, 2}});
    AddPresses(steps, "settings-music-down-sound-up", {219, 218}, {{4, 7}, {1, 1}}, {{kSettings, 4}, {kSettings, 1}});

    // The switches: the dialog reports the choice, the host applies it.
    steps.push_back({"settings-switches-flipped", [](TourContext& c) {
                         MarkStart(c, "settings-switches-flipped");
                         c.Click(Settings(c), 235);  // already on: nothing
                         c.Click(Settings(c), 223);
                         c.Click(Settings(c), 403);
                         c.chosen["os-before-host"] = CSysSetDlg_Interface::GetIfOS_On();
                         c.chosen["card-before-host"] = CSysSetDlg_Interface::GetIfCardType_On();
                         CSysSetDlg_Interface::SetIfOS_On(0);
                         CSysSetDlg_Interface::SetIfCardType_On(1);
                     }, Expect::Nothing, {{kSettings, 5}, {kSettings, 8}}, [](TourContext& c) {
                         std::vector<std::pair<WPARAM, LPARAM>> sent = SentSince(c, "settings-switches-flipped", kSettings);
                         if (sent != std::vector<std::pair<WPARAM, LPARAM>>({{5, 0}, {8, 0}})) return "1335 sent" + Describe(sent);
                         if (c.chosen["os-before-host"] != 1 || c.chosen["card-before-host"] != 0) {
                             return std::string("a click changed the stored switches before the host did");
                         }
                         HWND d = Settings(c);
                         if (!Checked(d, 223) || Checked(d, 235) || Checked(d, 402) || !Checked(d, 403)) {
                             return std::string("a switch pair is not exclusive");
                         }
                         return std::string();
                     }});
    AddPresses(steps, "settings-switches-back", {235, 402}, {{6, 0}, {7, 0}}, {{kSettings, 6}, {kSettings, 7}});
    steps.push_back({"settings-closed", [](TourContext&) { CSysSetDlg_Interface::SwitchShowDlg(); }, Expect::Nothing, {},
                     [](TourContext& c) {
                         if (::IsWindowVisible(Settings(c))) return std::string("the dialog is still shown");
                         if (CSysSetDlg_Interface::GetSysMusicVolume() != 7 || CSysSetDlg_Interface::GetSysSoundVolume() != 1) {
                             return std::string("the volumes did not survive");
                         }
                         return std::string();
                     }});
}

CDialog* g_webDialog = nullptr;

std::string WebDialogShown(TourContext& c) {
    HWND d = g_webDialog->m_hWnd;
    if (!::IsWindowVisible(d)) return "the web dialog is not shown";
    if (::GetParent(d) != c.lobby.lobbyView()) return "the web dialog is not the lobby's child";
    RECT r = InParent(d);
    if (r.left != 8 || r.top != 42 || r.right != 408 || r.bottom != 322) return "the web dialog is not where the host put it";
    HWND browser = ::GetDlgItem(d, 100);
    RECT client, filled = InParent(browser);
    ::GetClientRect(d, &client);
    if (!browser || !::EqualRect(&client, &filled)) return "child 100 does not fill the dialog";
    const char* url = static_cast<const char*>(::GetPropA(browser, "LobbyUi.NavigatedUrl"));
    if (!url || NoticePage() != url) return "the page was not opened";
    char className[32] = {0};
    ::GetClassNameA(browser, className, sizeof className);
    if (_stricmp(className, "Static") == 0) {
        char text[600] = {0};
        ::GetWindowTextA(browser, text, sizeof text);
        if (!strstr(text, url)) return "the text in place of the page does not name it";
        c.log.Note("  no HTML engine here: the dialog says the page cannot be shown");
    }
    return std::string();
}

void AddWebDialogSteps(std::vector<TourStep>& steps) {
    steps.push_back({"web-page", [](TourContext& c) {
                         g_webDialog = CWebDlgInterface::CreateNewWebDlg(NoticePage().c_str(), CRect(8, 42, 408, 322),
                                                                         CWnd::FromHandle(c.lobby.lobbyView()));
                         g_webDialog->ShowWindow(SW_SHOW);
                     }, Expect::Dialog, {}, &WebDialogShown});
    // Enter and Escape reach the page's dialog and leave it open.
    steps.push_back({"web-page-keys", [](TourContext&) {
                         HWND d = g_webDialog->m_hWnd;
                         ::SendMessageW(d, WM_COMMAND, IDOK, 0);
                         ::SendMessageW(d, WM_COMMAND, IDCANCEL, 0);
                     }, Expect::Nothing, {}, &WebDialogShown});
    steps.push_back({"web-page-closed", [](TourContext& c) {
                         c.chosen["web-window"] = reinterpret_cast<uintptr_t>(g_webDialog->m_hWnd);
                         CWebDlgInterface::DestroyWebDlg(g_webDialog);
                         g_webDialog = nullptr;
                     }, Expect::Nothing, {}, [](TourContext& c) {
                         return ::IsWindow(reinterpret_cast<HWND>(c.chosen["web-window"])) ? std::string("the web dialog is still there")
                                                                                           : std::string();
                     }});
}

// The host's server records: two bytes of its own, then the name.
struct DemoServer {
    unsigned char head[2];
    char name[30];
};

DemoServer g_servers[] = {
    {{1, 0}, "8"},
    {{2, 0}, "\xD0\xC2\xCA\xD6"},                  // 新手
    {{3, 0}, "\xD6\xD0\xBC\xB6\xB3\xA1"},          // 中级场
    {{4, 0}, "\xB8\xDF\xCA\xD6\xBE\xBA\xBC\xBC"},  // 高手竞技
};
const int kServers = 4;
CButton* g_buttons[kServers] = {};
CImageList* g_faces = nullptr;

const int kButtonTop = 5;
const int kButtonHeight = 26;

// Where button i sits in the lobby's title bar, between the room's name and
// its counts: as wide as its face, which
// ends 13 pixels after its last middle piece.
RECT ButtonPlace(int i) {
    static const int kLefts[kServers] = {160, 186, 234, 295};
    int bytes = static_cast<int>(strlen(g_servers[i].name));
    int last = bytes >= 2 ? 13 * (bytes / 2 - 1) + 9 : 0;
    RECT r = {kLefts[i], kButtonTop, kLefts[i] + last + 9 + 13, kButtonTop + kButtonHeight};
    return r;
}

// The library's buttons share child id 9999; a host knows each by the
// CButton it was handed.
HWND ButtonWindow(TourContext&, int i) { return g_buttons[i] ? g_buttons[i]->m_hWnd : nullptr; }

// The pointer a user moves onto button i, and what the system then sends.
void MouseOnto(TourContext& c, int i) {
    HWND button = ButtonWindow(c, i);
    POINT centre = {12, 13};
    ::ClientToScreen(button, &centre);
    ::SetCursorPos(centre.x, centre.y);
    ::SendMessageW(button, WM_MOUSEMOVE, 0, MAKELPARAM(12, 13));
}

std::string States(const std::vector<eBTN_CONDITION>& want) {
    for (int i = 0; i < kServers; ++i) {
        eBTN_CONDITION got = CR_E_BtnInterface::GetBtnStatus(g_buttons[i]);
        if (got != want[static_cast<size_t>(i)]) {
            return "button " + std::to_string(i) + " is in state " + std::to_string(got) + ", not " +
                   std::to_string(want[static_cast<size_t>(i)]);
        }
    }
    return std::string();
}

void AddRoomButtonSteps(std::vector<TourStep>& steps) {
    // One button per server, names of 1, 4, 6 and 8 bytes, in the title bar.
    steps.push_back({"room-buttons", [](TourContext& c) {
                         g_faces = new CImageList;
                         g_faces->Create(13, 26, ILC_COLOR24 | ILC_MASK, 9, 0);
                         HBITMAP strip = static_cast<HBITMAP>(::LoadImageA(nullptr, "lobby\\room_button.bmp", IMAGE_BITMAP, 0, 0,
                                                                          LR_LOADFROMFILE | LR_CREATEDIBSECTION));
                         if (strip) {
                             g_faces->Add(strip, RGB(255, 0, 255));
                             ::DeleteObject(strip);
                         }
                         for (int i = 0; i < kServers; ++i) {
                             RECT r = ButtonPlace(i);
                             g_buttons[i] = CR_E_BtnInterface::CreateNewRE_Btn(g_faces, CWnd::FromHandle(c.lobby.lobbyView()));
                             CR_E_BtnInterface::SetGSData(g_buttons[i], reinterpret_cast<tagGameServerInfo*>(&g_servers[i]));
                             CR_E_BtnInterface::SetBtnSize(g_buttons[i], CRect(r.left, r.top, r.right, r.bottom));
                             CR_E_BtnInterface::ShowBtn(g_buttons[i]);
                         }
                     }, Expect::Nothing, {}, [](TourContext& c) {
                         if (g_faces->GetImageCount() != 9) return std::string("the demo's button pictures are missing");
                         for (int i = 0; i < kServers; ++i) {
                             HWND button = ButtonWindow(c, i);
                             if (!::IsWindowVisible(button)) return "button " + std::to_string(i) + " is not shown";
                             RECT place = InParent(button), want = ButtonPlace(i);
                             if (::GetParent(button) != c.lobby.lobbyView() || ::GetDlgCtrlID(button) != 9999 ||
                                 !::EqualRect(&place, &want)) {
                                 return "button " + std::to_string(i) + " is not the lobby's child 9999 where the host put it";
                             }
                         }
                         return States({BTN_NORMAL, BTN_NORMAL, BTN_NORMAL, BTN_NORMAL});
                     }});
    steps.push_back({"room-button-hover", [](TourContext& c) { MouseOnto(c, 2); }, Expect::Nothing, {},
                     [](TourContext&) { return States({BTN_NORMAL, BTN_NORMAL, BTN_HOVER, BTN_NORMAL}); }});
    // Moving to another button: the first hears the mouse leave.
    steps.push_back({"room-button-pressed", [](TourContext& c) {
                         ::SendMessageW(ButtonWindow(c, 2), WM_MOUSELEAVE, 0, 0);
                         MouseOnto(c, 3);
                         // The system's own move from putting the cursor there
                         // comes first, as it would for a user.
                         Settle();
                         HWND button = ButtonWindow(c, 3);
                         ::SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(12, 13));
                         ::SendMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(12, 13));
                     }, Expect::Nothing, {{kRoomButton, kAnyCode}}, [](TourContext& c) {
                         std::vector<std::pair<WPARAM, LPARAM>> sent;
                         for (const LoggedMessage& m : c.log.messages()) {
                             if (m.msg == kRoomButton) sent.push_back({m.wParam, m.lParam});
                         }
                         if (sent.size() != 1) return "1035 arrived " + std::to_string(sent.size()) + " times";
                         if (sent[0].first != reinterpret_cast<WPARAM>(&g_servers[3])) return std::string("1035 names another server");
                         if (sent[0].second != reinterpret_cast<LPARAM>(g_buttons[3])) return std::string("1035 names another button");
                         // Releasing keeps the pressed look until the mouse moves.
                         return States({BTN_NORMAL, BTN_NORMAL, BTN_NORMAL, BTN_DOWN});
                     }});
    steps.push_back({"room-buttons-removed", [](TourContext& c) {
                         CR_E_BtnInterface::HideBtn(g_buttons[3]);
                         c.chosen["hidden-state"] = CR_E_BtnInterface::GetBtnStatus(g_buttons[3]);
                         for (CButton*& b : g_buttons) {
                             CR_E_BtnInterface::DeleteRE_Btn(b);
                             b = nullptr;
                         }
                         delete g_faces;
                         g_faces = nullptr;
                         ::SetCursorPos(0, 0);
                     }, Expect::Nothing, {}, [](TourContext& c) {
                         if (c.chosen["hidden-state"] != BTN_NORMAL) return std::string("a hidden button is not reported normal");
                         if (::GetDlgItem(c.lobby.lobbyView(), 9999)) return std::string("a room button is left");
                         return std::string();
                     }});
}

}  // namespace

void AddSettingsSteps(std::vector<TourStep>& steps) {
    AddSettingsDialogSteps(steps);
    AddWebDialogSteps(steps);
    AddRoomButtonSteps(steps);
}
