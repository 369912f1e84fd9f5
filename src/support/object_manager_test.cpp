#include "support/object_manager.h"

#include <gtest/gtest.h>
#include <stdio.h>
#include <stdint.h>

#include <string>
#include <vector>

#include "support/debug_log.h"
#include "support/debug_window.h"
#include "test_log_capture.h"

namespace {

class Recorded : public NvtReleasable {
public:
    Recorded(std::vector<std::string>& releases, const char* name) : m_releases(releases), m_name(name) {}
    void Release() override { m_releases.push_back(m_name); }

private:
    std::vector<std::string>& m_releases;
    std::string m_name;
};

TEST(ObjectManagerTest, ClearReleasesInReverseOrderOnceEachAndEmptiesTheQueue) {
    std::vector<std::string> releases;
    Recorded a(releases, "A"), b(releases, "B"), c(releases, "C");
    NvtObjectManager manager;
    EXPECT_EQ(kNvtSuccess, manager.RegisterObject(&a));
    EXPECT_EQ(kNvtSuccess, manager.RegisterObject(&b));
    EXPECT_EQ(kNvtSuccess, manager.RegisterObject(&c));
    EXPECT_EQ(kNvtSuccess, manager.RegisterObject(&a));  // a second registration is accepted
    manager.Clear();
    EXPECT_EQ((std::vector<std::string>{"A", "C", "B"}), releases);
    EXPECT_EQ(0u, manager.GetCount());
}

TEST(ObjectManagerTest, NullRegistrationAndEmptyClearAreLoggedAndChangeNothing) {
    TestLogCapture log;
    NvtObjectManager manager;
    EXPECT_EQ(kNvtFailure, manager.RegisterObject(nullptr));
    EXPECT_EQ(0u, manager.GetCount());
    manager.Clear();
    EXPECT_EQ((std::vector<std::string>{"NvtObjectManager::RegisterObject()-> Invalid object.",
                                        "NvtObjectManager::Clear()-> Empty element."}),
              log.Take());
}

TEST(ObjectManagerTest, DescribeGivesClassNameAndLowerCaseHexAddress) {
    NvtObjectManager manager;
    char text[64];
    manager.Describe(text, sizeof(text));
    char expected[64];
    snprintf(expected, sizeof(expected), "NvtObjectManager[%llx]",
             static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(&manager)));
    EXPECT_STREQ(expected, text);
    char tiny[5];
    manager.Describe(tiny, sizeof(tiny));
    EXPECT_STREQ("NvtO", tiny);
}

TEST(ObjectManagerTest, SingletonsRegisterOnFirstUseAndAreGoneAfterClear) {
    NvtObjectManager* manager = NvtObjectManager::Instance();
    ASSERT_NE(nullptr, manager);
    EXPECT_EQ(manager, NvtObjectManager::Instance());
    manager->Clear();
    NvtDebugLog* log = NvtDebugLog::Get();
    NvtDebugWindow* window = NvtDebugWindow::Get();
    ASSERT_NE(nullptr, log);
    ASSERT_NE(nullptr, window);
    EXPECT_EQ(log, NvtDebugLog::Get());
    EXPECT_EQ(2u, manager->GetCount());
    manager->Clear();
    EXPECT_EQ(nullptr, NvtDebugLog::Existing());
    EXPECT_EQ(nullptr, NvtDebugWindow::Existing());
}

}  // namespace
