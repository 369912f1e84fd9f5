#include "settings/sys_set_dialog.h"

#include <lobbyui/settings_dialogs.h>

#include "frame/dialog_singleton.h"
#include "res/settings_ids.h"
#include "settings/sys_set_rules.h"

namespace {

const CRect kMusicBar(42, 26, 106, 61);
const CRect kSoundBar(42, 98, 106, 133);

struct ControlPlace {
    UINT id;
    int left;
    int top;
    int width;
    int height;
};

const ControlPlace kControls[] = {
    {IDC_SS_MUSIC_DOWN, 8, 32, 24, 29},   {IDC_SS_MUSIC_UP, 119, 32, 24, 29},
    {IDC_SS_SOUND_DOWN, 8, 104, 24, 29},  {IDC_SS_SOUND_UP, 119, 104, 24, 29},
    {IDC_SS_OS_OFF, 16, 176, 22, 19},     {IDC_SS_OS_ON, 83, 176, 22, 19},
    {IDC_SS_CARD_TYPE_OFF, 16, 244, 22, 19}, {IDC_SS_CARD_TYPE_ON, 83, 244, 22, 19},
};

}  // namespace

CSysSetDlg::CSysSetDlg() : CDragDialog(IDD_SYS_SET, nullptr) { m_bUseHostCursor = true; }

BOOL CSysSetDlg::OnInitDialog() {
    Skin::ApplyWindowSkin(m_hWnd, "SysSet");
    m_pictures.Open("SysSetDlgPic");
    return TRUE;
}

void CSysSetDlg::OnDestroy() { m_pictures.Close(); }

void CSysSetDlg::PlaceAndShow() {
    if (!m_hWnd) return;
    const unsigned int call = ++m_uVisibilityCalls;
    // The controls first: placing the window moves the activation, the host
    // may call back from there, and what it does then stands.
    for (const ControlPlace& c : kControls) {
        HWND control = GetDlgItem(static_cast<int>(c.id));
        ::MoveWindow(control, c.left, c.top, c.width, c.height, TRUE);
        ::ShowWindow(control, SW_SHOW);
    }
    // The frame is whatever the skin and the system give the window now.
    CRect window = GetWindowRect();
    CRect client = GetClientRect();
    int width = kClientWidth + window.Width() - client.Width();
    int height = kClientHeight + window.Height() - client.Height();
    LifeWatch watch(*this);
    SetWindowPos(HWND_TOP, kScreenX, kScreenY, width, height, SWP_HIDEWINDOW);
    // Gone, or shown or hidden by the host meanwhile: the host's call stands.
    if (watch.Gone() || call != m_uVisibilityCalls) return;
    ShowWindow(SW_SHOW);
}

void CSysSetDlg::Hide() {
    ++m_uVisibilityCalls;
    ShowWindow(SW_HIDE);
}

void CSysSetDlg::SwitchShow() {
    if (!m_hWnd) return;
    if (IsWindowVisible()) {
        Hide();
        return;
    }
    PlaceAndShow();
}

void CSysSetDlg::SetPair(UINT off, UINT on, bool isOn) {
    ::SendMessageA(GetDlgItem(static_cast<int>(off)), BM_SETCHECK, isOn ? BST_UNCHECKED : BST_CHECKED, 0);
    ::SendMessageA(GetDlgItem(static_cast<int>(on)), BM_SETCHECK, isOn ? BST_CHECKED : BST_UNCHECKED, 0);
}

// The host's value is kept as given and read back as given; the boxes show
// "on" for any value but 0.
void CSysSetDlg::SetOsOn(unsigned char on) {
    m_osOn = on;
    SetPair(IDC_SS_OS_OFF, IDC_SS_OS_ON, m_osOn != 0);
}

void CSysSetDlg::SetCardTypeOn(unsigned char on) {
    m_cardTypeOn = on;
    SetPair(IDC_SS_CARD_TYPE_OFF, IDC_SS_CARD_TYPE_ON, m_cardTypeOn != 0);
}

void CSysSetDlg::Paint(CDC& dc) {
    m_pictures.Draw("BG", dc, kMusicBar);
    m_pictures.Draw("BG", dc, kSoundBar);
    CRect music = SysSetRules::VolumeValueRect(kMusicBar, musicVolume);
    if (!music.IsRectEmpty()) m_pictures.Draw("Value", dc, music);
    CRect sound = SysSetRules::VolumeValueRect(kSoundBar, soundVolume);
    if (!sound.IsRectEmpty()) m_pictures.Draw("Value", dc, sound);
}

void CSysSetDlg::StepVolume(int& volume, bool up, const CRect& bar, WPARAM code) {
    SysSetRules::VolumeStep step = SysSetRules::StepVolume(volume, up);
    volume = step.volume;
    if (step.changed) {
        RECT r = ToRECT(bar);
        ::InvalidateRect(m_hWnd, &r, FALSE);
    }
    // At a bound the host still hears the press, with the value unchanged.
    SendToOwner(LOBBYUI_MSG_SYSTEM_SETTINGS, code, volume);
}

void CSysSetDlg::ChooseSwitch(UINT chosen, UINT partner, WPARAM code) {
    HWND chosenBox = GetDlgItem(static_cast<int>(chosen));
    HWND partnerBox = GetDlgItem(static_cast<int>(partner));
    if (::SendMessageA(chosenBox, BM_GETCHECK, 0, 0) == BST_CHECKED) return;
    ::SendMessageA(chosenBox, BM_SETCHECK, BST_CHECKED, 0);
    ::SendMessageA(partnerBox, BM_SETCHECK, BST_UNCHECKED, 0);
    // Both the boxes and the dialog's face under them: a skin may draw the
    // switch on either.
    for (HWND box : {chosenBox, partnerBox}) {
        ::InvalidateRect(box, nullptr, FALSE);
        RECT r;
        ::GetWindowRect(box, &r);
        ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&r), 2);
        ::InvalidateRect(m_hWnd, &r, FALSE);
    }
    // The stored switch stays as it is: the host answers with the setter.
    SendToOwner(LOBBYUI_MSG_SYSTEM_SETTINGS, code, 0);
}

BOOL CSysSetDlg::OnCommand(UINT id, UINT notifyCode, HWND control) {
    if (notifyCode != BN_CLICKED) return CDragDialog::OnCommand(id, notifyCode, control);
    switch (id) {
    case IDC_SS_SOUND_UP: StepVolume(soundVolume, true, kSoundBar, LOBBYUI_SETTINGS_SOUND_UP); return TRUE;
    case IDC_SS_SOUND_DOWN: StepVolume(soundVolume, false, kSoundBar, LOBBYUI_SETTINGS_SOUND_DOWN); return TRUE;
    case IDC_SS_MUSIC_UP: StepVolume(musicVolume, true, kMusicBar, LOBBYUI_SETTINGS_MUSIC_UP); return TRUE;
    case IDC_SS_MUSIC_DOWN: StepVolume(musicVolume, false, kMusicBar, LOBBYUI_SETTINGS_MUSIC_DOWN); return TRUE;
    case IDC_SS_OS_OFF: ChooseSwitch(IDC_SS_OS_OFF, IDC_SS_OS_ON, LOBBYUI_SETTINGS_OS_OFF); return TRUE;
    case IDC_SS_OS_ON: ChooseSwitch(IDC_SS_OS_ON, IDC_SS_OS_OFF, LOBBYUI_SETTINGS_OS_ON); return TRUE;
    case IDC_SS_CARD_TYPE_OFF: ChooseSwitch(IDC_SS_CARD_TYPE_OFF, IDC_SS_CARD_TYPE_ON, LOBBYUI_SETTINGS_CARD_TYPE_OFF); return TRUE;
    case IDC_SS_CARD_TYPE_ON: ChooseSwitch(IDC_SS_CARD_TYPE_ON, IDC_SS_CARD_TYPE_OFF, LOBBYUI_SETTINGS_CARD_TYPE_ON); return TRUE;
    default: return CDragDialog::OnCommand(id, notifyCode, control);
    }
}

// Enter and Escape end a modeless dialog the way the system ends any
// dialog: it hides, and the host hears nothing.
void CSysSetDlg::OnOK() { Hide(); }

void CSysSetDlg::OnCancel() { Hide(); }

namespace {
DialogSingleton<CSysSetDlg> g_sysSetDialog;
}

void CSysSetDlg_Interface::CreateDlg(CWnd* parent) { g_sysSetDialog.Create(parent); }

void CSysSetDlg_Interface::ShowDlg() {
    g_sysSetDialog.With([](CSysSetDlg& d) { d.PlaceAndShow(); });
}

void CSysSetDlg_Interface::HideDlg() {
    g_sysSetDialog.With([](CSysSetDlg& d) { d.Hide(); });
}

void CSysSetDlg_Interface::SwitchShowDlg() {
    g_sysSetDialog.With([](CSysSetDlg& d) { d.SwitchShow(); });
}

void CSysSetDlg_Interface::SetSysMusicVolume(int volume) {
    g_sysSetDialog.With([volume](CSysSetDlg& d) { d.musicVolume = volume; });
}

int CSysSetDlg_Interface::GetSysMusicVolume() {
    return g_sysSetDialog.Ask<int>([](CSysSetDlg& d) { return d.musicVolume; });
}

void CSysSetDlg_Interface::SetSysSoundVolume(int volume) {
    g_sysSetDialog.With([volume](CSysSetDlg& d) { d.soundVolume = volume; });
}

int CSysSetDlg_Interface::GetSysSoundVolume() {
    return g_sysSetDialog.Ask<int>([](CSysSetDlg& d) { return d.soundVolume; });
}

void CSysSetDlg_Interface::SetIfOS_On(unsigned char on) {
    g_sysSetDialog.With([on](CSysSetDlg& d) { d.SetOsOn(on); });
}

unsigned char CSysSetDlg_Interface::GetIfOS_On() {
    return g_sysSetDialog.Ask<unsigned char>([](CSysSetDlg& d) { return d.osOn(); });
}

void CSysSetDlg_Interface::SetIfCardType_On(unsigned char on) {
    g_sysSetDialog.With([on](CSysSetDlg& d) { d.SetCardTypeOn(on); });
}

unsigned char CSysSetDlg_Interface::GetIfCardType_On() {
    return g_sysSetDialog.Ask<unsigned char>([](CSysSetDlg& d) { return d.cardTypeOn(); });
}

void CSysSetDlg_Interface::DestroyDlg() { g_sysSetDialog.Destroy(); }
