#include <windows.h>

#include <gtest/gtest.h>
#include <stdio.h>
#include <string.h>

#include <string>

#include "support/debug_log.h"
#include "support/debug_window.h"
#include "support/object_manager.h"

namespace {

HWND FindDebugWindow() { return ::FindWindowA(nullptr, "TemporaryDebugWindow"); }

std::string ItemText(HWND list, int index) {
    char text[300] = "";
    ::SendMessageA(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text));
    return text;
}

TEST(DebugWindowWinTest, WindowModeMakesTheListBoxAtTheFirstLineAndListsStampedLines) {
    NvtObjectManager::Instance()->Clear();
    NvtDebugLog* log = NvtDebugLog::Get();
    ASSERT_NE(nullptr, log);
    log->SetMode(NvtDebugLog::kModeDebugger);
    log->Write("to the debugger only");
    EXPECT_EQ(nullptr, FindDebugWindow());

    log->SetMode(NvtDebugLog::kModeWindow);
    log->Write("first");
    DebugLogPrintf("second %d", 2);
    HWND list = FindDebugWindow();
    ASSERT_NE(nullptr, list);

    char className[32] = "";
    ::GetClassNameA(list, className, sizeof(className));
    EXPECT_EQ(0, _stricmp("LISTBOX", className));
    RECT rect;
    ::GetWindowRect(list, &rect);
    EXPECT_EQ(0, rect.left);
    EXPECT_EQ(0, rect.top);
    EXPECT_EQ(300, rect.right - rect.left);
    EXPECT_EQ(200, rect.bottom - rect.top);
    const LONG style = ::GetWindowLongA(list, GWL_STYLE);
    EXPECT_EQ(static_cast<LONG>(WS_CAPTION | WS_THICKFRAME | LBS_NOINTEGRALHEIGHT | WS_VISIBLE),
              style & (WS_CAPTION | WS_THICKFRAME | LBS_NOINTEGRALHEIGHT | WS_VISIBLE));
    EXPECT_EQ(nullptr, ::GetWindow(list, GW_OWNER));

    ASSERT_EQ(2, ::SendMessageA(list, LB_GETCOUNT, 0, 0));
    int hour = -1, minute = -1, second = -1;
    unsigned long thread = 0;
    char message[64] = "";
    ASSERT_EQ(5, sscanf(ItemText(list, 0).c_str(), "[%2d:%2d:%2d][%lu]%63s", &hour, &minute, &second, &thread,
                        message));
    EXPECT_EQ(::GetCurrentThreadId(), thread);
    EXPECT_STREQ("first", message);
    const std::string secondLine = ItemText(list, 1);
    EXPECT_EQ("second 2", secondLine.substr(secondLine.find(']', secondLine.find(']') + 1) + 1));

    // Releasing the singletons closes the window.
    NvtObjectManager::Instance()->Clear();
    EXPECT_FALSE(::IsWindow(list));
    EXPECT_EQ(nullptr, NvtDebugWindow::Existing());
}

}  // namespace
