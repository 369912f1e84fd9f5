#include "frame/dialog_singleton.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Parent {
    int id;
};

// Records what the facade does to its dialog.
struct FakeDialog {
    static std::vector<const char*>* log;
    const Parent* parent = nullptr;
    int shown = 0;
    int value;
    explicit FakeDialog(int v = 7) : value(v) { log->push_back("construct"); }
    ~FakeDialog() { log->push_back("delete"); }
    // A parent with a negative id stands for one whose window cannot be made.
    bool Create(const Parent* p) {
        parent = p;
        log->push_back("create");
        return p && p->id >= 0;
    }
    void DestroyWindow() { log->push_back("destroy-window"); }
    void Retire() { log->push_back("retire"); }
};
std::vector<const char*>* FakeDialog::log = nullptr;

class DialogSingletonTest : public ::testing::Test {
protected:
    void SetUp() override { FakeDialog::log = &log; }
    void TearDown() override { facade.Destroy(); }
    std::vector<const char*> log;
    DialogSingleton<FakeDialog> facade;
};

}  // namespace

TEST_F(DialogSingletonTest, CallsBeforeCreateDoNothingAndGettersAnswerTheirDefault) {
    bool ran = false;
    facade.With([&](FakeDialog&) { ran = true; });
    EXPECT_FALSE(ran);
    EXPECT_EQ(0, facade.Ask<int>([](FakeDialog& d) { return d.value; }));
    EXPECT_EQ(-1, facade.Ask<int>([](FakeDialog& d) { return d.value; }, -1));
    EXPECT_TRUE(log.empty());

    Parent p{1};
    facade.Create(&p);
    EXPECT_EQ(7, facade.Ask<int>([](FakeDialog& d) { return d.value; }));
}

TEST_F(DialogSingletonTest, SecondCreateKeepsTheFirstDialogAndParent) {
    Parent first{1}, second{2};
    facade.Create(&first, 3);
    FakeDialog* made = facade.Get();
    facade.Create(&second, 4);
    EXPECT_EQ(made, facade.Get());
    EXPECT_EQ(&first, facade.Get()->parent);
    EXPECT_EQ(3, facade.Get()->value);
    EXPECT_EQ((std::vector<const char*>{"construct", "create"}), log);
    facade.Destroy();
}

TEST_F(DialogSingletonTest, DestroyTwiceIsHarmlessAndCreateAfterDestroyMakesAFreshDialog) {
    Parent p{1};
    facade.Create(&p);
    facade.Destroy();
    facade.Destroy();
    EXPECT_FALSE(facade.Exists());
    EXPECT_EQ((std::vector<const char*>{"construct", "create", "destroy-window", "delete"}), log);

    facade.Create(&p, 9);
    ASSERT_TRUE(facade.Exists());
    EXPECT_EQ(9, facade.Get()->value);
    facade.Destroy();
}

// A host destroying the dialog from a call-back made under a control's own
// procedure: the dialog retires at once, the facade is free for a new one,
// and the old window goes only when the outermost procedure has returned.
TEST_F(DialogSingletonTest, ADestroyUnderAControlsOwnProcedureWaitsForItAndLeavesTheFacadeFree) {
    Parent p{1};
    facade.Create(&p);
    log.clear();
    {
        SystemCodeScope outer;
        {
            SystemCodeScope inner;
            facade.Destroy();
            EXPECT_FALSE(facade.Exists());
            facade.Create(&p);
            RunWaitingDestroys();
        }
        RunWaitingDestroys();
        EXPECT_EQ((std::vector<const char*>{"retire", "construct", "create"}), log);
    }
    RunWaitingDestroys();
    EXPECT_EQ((std::vector<const char*>{"retire", "construct", "create", "destroy-window", "delete"}), log);
    EXPECT_TRUE(facade.Exists());
    log.clear();
    facade.Destroy();
    EXPECT_EQ((std::vector<const char*>{"destroy-window", "delete"}), log);
}

TEST_F(DialogSingletonTest, CreateWhoseWindowFailsKeepsNothingSoTheNextCreateWorks) {
    Parent broken{-1}, good{2};
    facade.Create(&broken);
    EXPECT_FALSE(facade.Exists());
    EXPECT_EQ((std::vector<const char*>{"construct", "create", "destroy-window", "delete"}), log);
    facade.Create(static_cast<const Parent*>(nullptr));
    EXPECT_FALSE(facade.Exists());

    facade.Create(&good);
    ASSERT_TRUE(facade.Exists());
    EXPECT_EQ(&good, facade.Get()->parent);
}

namespace {
// A dialog whose creation makes its host destroy it at once, as a host does
// from the notice a child window's creation sends it, and which then goes on
// initialising itself.
struct DestroyedWhileMade;
DialogSingleton<DestroyedWhileMade>* g_destroying = nullptr;
int g_deleted = 0;
bool g_deletedWhileMade = false;
struct DestroyedWhileMade {
    static bool windowMade;
    std::vector<int> initialised;
    ~DestroyedWhileMade() { ++g_deleted; }
    bool Create(const Parent*) {
        g_destroying->Destroy();
        g_deletedWhileMade = g_deleted != 0;
        initialised.assign(64, 1);
        return windowMade;
    }
    void DestroyWindow() {}
    void Retire() {}
};
bool DestroyedWhileMade::windowMade = false;
}  // namespace

TEST(DialogSingletonReentryTest, HostDestroyingTheDialogWhileItIsMadeDeletesItOnceCreationHasReturned) {
    for (bool made : {false, true}) {
        SCOPED_TRACE(made ? "window made" : "window not made");
        DialogSingleton<DestroyedWhileMade> facade;
        g_destroying = &facade;
        g_deleted = 0;
        DestroyedWhileMade::windowMade = made;
        Parent p{1};
        facade.Create(&p);
        EXPECT_FALSE(g_deletedWhileMade);
        EXPECT_FALSE(facade.Exists());
        EXPECT_EQ(1, g_deleted);
    }
}
