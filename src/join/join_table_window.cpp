#include "join/join_table_window.h"

#include "info/csv_text.h"
#include "join/join_table_rules.h"
#include "support/safe_format.h"
#include "win/dialog.h"

void LoadTableText(int textNumber, char* slot, size_t slotSize) {
    CCsvText reader;
    reader.DetectLanguage();
    reader.Load(textNumber, reader.simplified);
    SafeFormat(slot, slotSize, reader.text, {});
}

void SizeClientAndCentre(HWND window, HWND parent, int clientWidth, int clientHeight) {
    if (!::IsWindow(window)) return;
    RECT frame = {0, 0, clientWidth, clientHeight};
    ::AdjustWindowRectEx(&frame, static_cast<DWORD>(::GetWindowLongA(window, GWL_STYLE)), FALSE,
                         static_cast<DWORD>(::GetWindowLongA(window, GWL_EXSTYLE)));
    int width = frame.right - frame.left;
    int height = frame.bottom - frame.top;
    RECT around = {0, 0, 0, 0};
    if (!parent || !::GetWindowRect(parent, &around)) ::GetWindowRect(::GetDesktopWindow(), &around);
    CPoint at = CentredOn(CWnd::FromRECT(around), width, height);
    ::SetWindowPos(window, nullptr, at.x, at.y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}
