// The simulated server's room against the library's mirror of it: every
// change the server makes must read back the same through the exported room
// functions, also while the server thread and the lobby's thread change it
// at once. And the two pure pieces of the demo's reporting: the latency
// percentile and the tour gallery's page.
#include <windows.h>

#include <string.h>

#include <set>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include <lobbyui/lobbyui.h>

#include "demo_room.h"
#include "live_room.h"
#include "room_model.h"
#include "tour_gallery.h"
#include "ui_post.h"

namespace {

const unsigned kLocal = 10001;

bool LibrarySeats(unsigned table, unsigned id) {
    tagKWP_TABLE_LIST_DATA t = CPT_MapInerface::GetTable_A_Struct(table);
    return t.uiSeatPlayerID[0] == id || t.uiSeatPlayerID[1] == id || t.uiSeatPlayerID[2] == id;
}

// Every seat and every player of the model, read back from the library.
void ExpectMirrored(const RoomModel& model) {
    std::set<unsigned> seated;
    for (unsigned n = 1; n <= RoomModel::kTables; ++n) {
        tagKWP_TABLE_LIST_DATA mine = model.Table(n);
        tagKWP_TABLE_LIST_DATA theirs = CPT_MapInerface::GetTable_A_Struct(n);
        ASSERT_EQ(0, memcmp(&mine, &theirs, sizeof mine)) << "table " << n;
        for (unsigned id : mine.uiSeatPlayerID) {
            if (!id) continue;
            EXPECT_TRUE(seated.insert(id).second) << "player " << id << " sits twice";
            EXPECT_EQ(model.TableOf(id), n);
        }
    }
    for (unsigned id : model.PlayerIds()) {
        tagKWP_PLAYER_LIST_DATA_EXTRA* record = nullptr;
        EXPECT_TRUE(CPT_MapInerface::GetAPlayerData(record, id)) << "player " << id << " missing from the map";
        EXPECT_EQ(static_cast<unsigned>(CPT_MapInerface::GetPlayerTableNum(id)), model.TableOf(id)) << id;
    }
}

class RoomModelTest : public ::testing::Test {
protected:
    void SetUp() override { model.Load(DemoRoom(99, 120, 40)); }
    RoomModel model;
};

TEST_F(RoomModelTest, LoadFeedsTheLibraryTheWholeRoomWithoutPlaceholderSeats) {
    EXPECT_EQ(model.PlayerCount(), 120u);
    ExpectMirrored(model);
    for (unsigned n = 1; n <= RoomModel::kTables; ++n) {
        for (unsigned id : model.Table(n).uiSeatPlayerID) EXPECT_TRUE(id == 0 || id > 100) << "table " << n;
    }
}

TEST_F(RoomModelTest, SeatMovesAPlayerAndAFullOrMissingTableRefuses) {
    const unsigned from = model.TableOf(kLocal);
    ASSERT_NE(from, 0u);
    tagKWP_TABLE_LIST_DATA t;
    memset(&t, 0, sizeof t);
    t.usTableNum = 150;
    ASSERT_TRUE(model.OpenTable(t));
    EXPECT_FALSE(model.OpenTable(t)) << "a table opened twice";
    ASSERT_TRUE(model.Seat(kLocal, 150));
    EXPECT_FALSE(LibrarySeats(from, kLocal)) << "the old seat was kept";
    EXPECT_TRUE(LibrarySeats(150, kLocal));

    for (unsigned id = 70001; id < 70003; ++id) {
        ASSERT_TRUE(model.Arrive(DemoRoom::MakePlayer(id, id)));
        ASSERT_TRUE(model.Seat(id, 150));
    }
    ASSERT_TRUE(model.Arrive(DemoRoom::MakePlayer(70003, 3)));
    EXPECT_FALSE(model.Seat(70003, 150)) << "a fourth player sat down";
    EXPECT_FALSE(model.Seat(70003, 199)) << "a player sat at a table that is not there";
    EXPECT_FALSE(model.Seat(90000, 150)) << "a stranger sat down";
    EXPECT_EQ(model.TableOf(70003), 0u);
    ExpectMirrored(model);
}

TEST_F(RoomModelTest, LeavingAndClosingStandPlayersUpFirst) {
    const unsigned table = model.TableOf(kLocal);
    ASSERT_TRUE(model.Arrive(DemoRoom::MakePlayer(70010, 10)));
    ASSERT_TRUE(model.Seat(70010, table));
    ASSERT_TRUE(model.Leave(70010));
    EXPECT_FALSE(LibrarySeats(table, 70010)) << "a player who left still sits";
    tagKWP_PLAYER_LIST_DATA_EXTRA* record = nullptr;
    EXPECT_FALSE(CPT_MapInerface::GetAPlayerData(record, 70010));
    EXPECT_FALSE(model.Leave(70010));

    ASSERT_TRUE(model.CloseTable(table));
    EXPECT_EQ(CPT_MapInerface::GetTable_A_Struct(table).usTableNum, 0);
    EXPECT_EQ(model.TableOf(kLocal), 0u);
    EXPECT_EQ(CPT_MapInerface::GetPlayerTableNum(kLocal), 0);
    ExpectMirrored(model);
}

TEST_F(RoomModelTest, ALockedTableKeepsItsPasswordUntilUnlockedOrClosed) {
    tagKWP_TABLE_LIST_DATA t;
    memset(&t, 0, sizeof t);
    t.usTableNum = 160;
    ASSERT_TRUE(model.OpenTable(t));
    ASSERT_TRUE(model.SetLocked(160, true, "4321"));
    EXPECT_EQ(model.Password(160), "4321");
    EXPECT_TRUE(CPT_MapInerface::GetTable_A_Struct(160).bHavePassword);
    ASSERT_TRUE(model.SetLocked(160, false, ""));
    EXPECT_EQ(model.Password(160), "");
    EXPECT_FALSE(CPT_MapInerface::GetTable_A_Struct(160).bHavePassword);
    ASSERT_TRUE(model.SetLocked(160, true, "1"));
    ASSERT_TRUE(model.CloseTable(160));
    EXPECT_EQ(model.Password(160), "");
}

TEST_F(RoomModelTest, ListenersHearEveryChangeInOrderAndAReloadStartsANewGeneration) {
    std::vector<RoomChange> heard;
    model.SetListener([&](const RoomChange& c) { heard.push_back(c); });
    ASSERT_TRUE(model.Arrive(DemoRoom::MakePlayer(70020, 20)));
    model.Seat(70020, model.TableOf(kLocal));
    ASSERT_TRUE(model.Leave(70020));
    const unsigned before = model.generation();
    model.Load(DemoRoom(98, 50, 20));
    model.SetListener(nullptr);
    ASSERT_GE(heard.size(), 3u);
    EXPECT_EQ(heard.front().kind, RoomChange::kArrived);
    EXPECT_EQ(heard.front().player.uiPlayerID, 70020u);
    EXPECT_EQ(heard.back().kind, RoomChange::kReloaded);
    EXPECT_EQ(heard.back().generation, before + 1);
    bool left = false;
    for (const RoomChange& c : heard) left = left || (c.kind == RoomChange::kLeft && c.playerId == 70020);
    EXPECT_TRUE(left);
}

TEST_F(RoomModelTest, TheServerThreadAndTheLobbyChangingTheRoomAtOnceLeaveItConsistent) {
    LiveRoom churn(model, kLocal, 5000);
    churn.Start();
    // The lobby's side: the local player hops between tables meanwhile.
    for (int i = 0; i < 400; ++i) {
        unsigned n = 1 + static_cast<unsigned>(i * 37) % RoomModel::kTables;
        model.Seat(kLocal, n);
        if (i % 50 == 0) ::Sleep(1);
    }
    ::Sleep(300);
    churn.Stop();
    EXPECT_GT(churn.changes(), 100u);
    EXPECT_TRUE(model.HasPlayer(kLocal)) << "the server took the user's player away";
    ExpectMirrored(model);
}

TEST_F(RoomModelTest, EveryKindOfChangeHappensAndTheLocalPlayerIsNeverMoved) {
    LiveRoom server(model, kLocal, 0);
    const unsigned table = model.TableOf(kLocal);
    std::vector<bool> done(100, false);
    for (unsigned i = 0; i < 4000; ++i) {
        unsigned roll = i % 100;
        if (server.Change(roll, i * 2654435761u)) done[roll] = true;
    }
    // Arrivals, departures, seats, stands, openings, closings and locks.
    for (unsigned roll : {0u, 20u, 40u, 70u, 88u, 93u, 97u}) {
        bool any = false;
        for (unsigned r = roll; r < roll + 3; ++r) any = any || done[r];
        EXPECT_TRUE(any) << "no change of kind " << roll;
    }
    EXPECT_EQ(model.TableOf(kLocal), table);
    ExpectMirrored(model);
}

TEST(LiveBench, PercentileInterpolatesBetweenSamples) {
    EXPECT_EQ(Percentile({}, 0.5), 0);
    EXPECT_EQ(Percentile({7}, 0.99), 7);
    std::vector<double> hundred;
    for (int i = 100; i >= 1; --i) hundred.push_back(i);
    EXPECT_DOUBLE_EQ(Percentile(hundred, 0.5), 50.5);
    EXPECT_DOUBLE_EQ(Percentile(hundred, 1.0), 100);
    EXPECT_NEAR(Percentile(hundred, 0.99), 99.01, 1e-9);
}

TEST(TourGallery, EachStepHasItsPictureAndTheTextIsEscaped) {
    std::vector<GalleryEntry> entries = {
        {"01-lobby.png", "lobby", {}, {}},
        {"02-score-page-3.png", "score-page-3", {"1229/2 befriend \"<b>&\""}, {"the list <is> wrong"}},
    };
    std::string page = GalleryHtml(entries);
    EXPECT_NE(page.find("<img src=\"01-lobby.png\""), std::string::npos);
    EXPECT_NE(page.find("<img src=\"02-score-page-3.png\""), std::string::npos);
    EXPECT_NE(page.find("onerror=\"mark(this,false)\""), std::string::npos);
    EXPECT_NE(page.find("befriend &quot;&lt;b&gt;&amp;&quot;"), std::string::npos);
    EXPECT_EQ(page.find("<b>&"), std::string::npos) << "a message's text became markup";
    EXPECT_NE(page.find("FAILED: the list &lt;is&gt; wrong"), std::string::npos);
    EXPECT_NE(page.find("total=2;"), std::string::npos);
    // The longest matching name wins; an unknown step says nothing.
    EXPECT_EQ(AboutStep("settings-closed"), "Hides the settings dialog; the values stay.");
    EXPECT_NE(AboutStep("settings-music-to-top").find("each press is reported"), std::string::npos);
    EXPECT_EQ(AboutStep("lobby-extra"), "");
    EXPECT_NE(AboutStep("score-page-4"), "");
}

}  // namespace
