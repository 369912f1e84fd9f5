#include "tour.h"

#include <ctype.h>
#include <stdio.h>

#include <set>

#include "tour_gallery.h"

namespace {

struct WindowSearch {
    DWORD process;
    std::vector<HWND> found;
};

bool IsDialogWindow(HWND hwnd) {
    wchar_t name[16] = {0};
    ::GetClassNameW(hwnd, name, 16);
    return wcscmp(name, L"#32770") == 0;
}

BOOL CALLBACK CollectChild(HWND hwnd, LPARAM l) {
    WindowSearch* search = reinterpret_cast<WindowSearch*>(l);
    if (::IsWindowVisible(hwnd) && IsDialogWindow(hwnd)) search->found.push_back(hwnd);
    return TRUE;
}

BOOL CALLBACK CollectTopLevel(HWND hwnd, LPARAM l) {
    WindowSearch* search = reinterpret_cast<WindowSearch*>(l);
    DWORD process = 0;
    ::GetWindowThreadProcessId(hwnd, &process);
    if (process != search->process || !::IsWindowVisible(hwnd)) return TRUE;
    search->found.push_back(hwnd);
    ::EnumChildWindows(hwnd, &CollectChild, l);
    return TRUE;
}

// Every visible window of the demo: top-level ones and dialogs inside them.
std::vector<HWND> VisibleWindows() {
    WindowSearch search = {::GetCurrentProcessId(), {}};
    ::EnumWindows(&CollectTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string StepFileName(size_t number, const std::string& name) {
    char prefix[8];
    snprintf(prefix, sizeof prefix, "%02u-", static_cast<unsigned>(number));
    return prefix + name + ".png";
}

// The part of a capture that shows window.
RgbImage Crop(const RgbImage& image, const RECT& imageRect, HWND window) {
    RECT r;
    ::GetWindowRect(window, &r);
    RECT part;
    RgbImage out;
    if (!::IntersectRect(&part, &r, &imageRect)) return out;
    out.width = part.right - part.left;
    out.height = part.bottom - part.top;
    for (int y = part.top; y < part.bottom; ++y) {
        const uint8_t* row = &image.rgb[(static_cast<size_t>(y - imageRect.top) * image.width + (part.left - imageRect.left)) * 3];
        out.rgb.insert(out.rgb.end(), row, row + static_cast<size_t>(out.width) * 3);
    }
    return out;
}

}  // namespace

void TourContext::Click(HWND dialog, int controlId) const {
    HWND control = ::GetDlgItem(dialog, controlId);
    ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(controlId, BN_CLICKED), reinterpret_cast<LPARAM>(control));
}

void TourContext::Type(HWND dialog, int controlId, const char* text) const {
    HWND edit = ::GetDlgItem(dialog, controlId);
    ::SetFocus(edit);
    for (const char* p = text; *p; ++p) ::SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(*p), 1);
}

void TourContext::RightClick(HWND window, int x, int y) const {
    // Menus open where the cursor is, so the cursor goes there first.
    POINT screen = {x, y};
    ::ClientToScreen(window, &screen);
    ::SetCursorPos(screen.x, screen.y);
    LPARAM at = MAKELPARAM(x, y);
    ::SendMessageW(window, WM_MOUSEMOVE, 0, at);
    ::SendMessageW(window, WM_RBUTTONDOWN, MK_RBUTTON, at);
    ::SendMessageW(window, WM_RBUTTONUP, 0, at);
}

void TourContext::DoubleClick(HWND window, int x, int y) const {
    LPARAM at = MAKELPARAM(x, y);
    ::SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::SendMessageW(window, WM_LBUTTONUP, 0, at);
    ::SendMessageW(window, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    ::SendMessageW(window, WM_LBUTTONUP, 0, at);
}

HWND TourContext::FindChild(HWND parent, const wchar_t* className) {
    return parent ? ::FindWindowExW(parent, nullptr, className, nullptr) : nullptr;
}

void Settle() {
    for (int round = 0; round < 3; ++round) {
        MSG msg;
        for (int i = 0; i < 10000 && ::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
            if (msg.message == WM_QUIT) {
                ::PostQuitMessage(static_cast<int>(msg.wParam));
                return;
            }
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        for (HWND hwnd : VisibleWindows()) ::RedrawWindow(hwnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        ::GdiFlush();
        // Wine copies window surfaces to the X server on its own schedule.
        ::Sleep(60);
    }
}

RgbImage CaptureDemoScreen(RECT* captured) {
    RECT area = {0, 0, 0, 0};
    for (HWND hwnd : VisibleWindows()) {
        if (::GetParent(hwnd) && IsDialogWindow(hwnd)) continue;  // children lie inside their parents
        RECT r;
        ::GetWindowRect(hwnd, &r);
        ::UnionRect(&area, &area, &r);
    }
    RECT screen = {0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    ::IntersectRect(&area, &area, &screen);
    RgbImage image;
    if (captured) *captured = area;
    int width = area.right - area.left, height = area.bottom - area.top;
    if (width <= 0 || height <= 0) return image;

    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC screenDc = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screenDc);
    HBITMAP section = ::CreateDIBSection(screenDc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (section && bits) {
        HGDIOBJ old = ::SelectObject(memory, section);
        ::BitBlt(memory, 0, 0, width, height, screenDc, area.left, area.top, SRCCOPY);
        ::GdiFlush();
        image.width = width;
        image.height = height;
        image.rgb.resize(static_cast<size_t>(width) * height * 3);
        const uint8_t* source = static_cast<const uint8_t*>(bits);
        for (size_t i = 0, n = static_cast<size_t>(width) * height; i < n; ++i) {
            image.rgb[i * 3] = source[i * 4 + 2];
            image.rgb[i * 3 + 1] = source[i * 4 + 1];
            image.rgb[i * 3 + 2] = source[i * 4];
        }
        ::SelectObject(memory, old);
    }
    if (section) ::DeleteObject(section);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screenDc);
    return image;
}

// Screenshots of an earlier tour would pass for this one's.
void RemoveOldScreenshots(const std::string& directory) {
    WIN32_FIND_DATAA found;
    HANDLE search = ::FindFirstFileA((directory + "\\*.png").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        const char* name = found.cFileName;
        bool numbered = isdigit(static_cast<unsigned char>(name[0])) && isdigit(static_cast<unsigned char>(name[1])) && name[2] == '-';
        if (numbered) ::DeleteFileA((directory + "\\" + name).c_str());
    } while (::FindNextFileA(search, &found));
    ::FindClose(search);
}

int RunTour(const std::vector<TourStep>& steps, TourContext& context, const std::string& directory) {
    ::CreateDirectoryA(directory.c_str(), nullptr);
    RemoveOldScreenshots(directory);
    int failures = 0;
    std::vector<GalleryEntry> gallery;
    auto fail = [&](const std::string& step, const std::string& why) {
        ++failures;
        context.log.Note("FAILED " + step + ": " + why);
        if (!gallery.empty() && gallery.back().name == step) gallery.back().failures.push_back(why);
    };
    Settle();
    for (size_t i = 0; i < steps.size(); ++i) {
        const TourStep& step = steps[i];
        std::vector<HWND> before = VisibleWindows();
        std::set<HWND> seen(before.begin(), before.end());
        size_t firstMessage = context.log.messages().size();
        context.log.Note("step " + std::to_string(i + 1) + ": " + step.name);
        gallery.push_back({StepFileName(i + 1, step.name), step.name, {}, {}});

        step.action(context);
        context.lobby.RepaintLobby();  // the flags and the log it shows may have changed
        Settle();

        std::vector<HWND> appeared;
        for (HWND hwnd : VisibleWindows()) {
            if (seen.count(hwnd)) continue;
            if (step.expect == Expect::Window || IsDialogWindow(hwnd)) appeared.push_back(hwnd);
        }
        for (HWND hwnd : appeared) {
            if (!IsDialogWindow(hwnd)) continue;
            if (!context.dialogs.count(step.name)) context.dialogs[step.name] = hwnd;
            context.lastDialog = hwnd;
        }
        if (step.expect != Expect::Nothing && appeared.empty()) fail(step.name, "no window appeared");
        const std::vector<LoggedMessage>& messages = context.log.messages();
        for (const std::pair<UINT, WPARAM>& want : step.messages) {
            bool found = false;
            for (size_t m = firstMessage; m < messages.size() && !found; ++m) {
                found = messages[m].msg == want.first && (want.second == kAnyCode || messages[m].wParam == want.second);
            }
            if (!found) {
                fail(step.name, "message " + std::to_string(want.first) + "/" + std::to_string(want.second) + " did not arrive");
            }
        }

        if (step.verify) {
            std::string wrong = step.verify(context);
            if (!wrong.empty()) fail(step.name, wrong);
        }

        RECT captured;
        RgbImage shot = CaptureDemoScreen(&captured);
        if (shot.CountColours(16) < 16) fail(step.name, "the screenshot is blank");
        for (HWND hwnd : appeared) {
            if (Crop(shot, captured, hwnd).CountColours(4) < 4) fail(step.name, "the new window shows nothing");
        }
        std::string file = directory + "\\" + StepFileName(i + 1, step.name);
        if (!WritePng(file, shot)) fail(step.name, "cannot write " + file);
        for (size_t m = firstMessage; m < context.log.messages().size(); ++m) {
            gallery.back().messages.push_back(context.log.messages()[m].text);
        }
    }
    if (!WriteGallery(directory, gallery)) {
        ++failures;
        context.log.Note("FAILED gallery: cannot write " + directory + "\\index.html");
    } else {
        char full[MAX_PATH] = {0};
        ::GetFullPathNameA((directory + "\\index.html").c_str(), MAX_PATH, full, nullptr);
        context.log.Note(std::string("gallery: ") + full);
    }

    context.log.Note("messages the library sent:");
    for (const LoggedMessage& m : context.log.messages()) context.log.Note("  " + m.text);
    char summary[160];
    snprintf(summary, sizeof summary, "%u steps, %u messages (and %u friend questions)",
             static_cast<unsigned>(steps.size()), static_cast<unsigned>(context.log.messages().size()),
             static_cast<unsigned>(context.log.friendQuestions()));
    context.log.Note(summary);
    if (failures) context.log.Note("tour FAILED: " + std::to_string(failures) + " check(s)");
    return failures;
}
