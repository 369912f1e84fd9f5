#include <lobbyui/party_dialogs.h>

#include <gtest/gtest.h>

using Party = CPartyDlg_DlgInerface;

TEST(PartyFlagsTest, EveryFlagRoundTripsWithoutAnyDialog) {
    Party::SetIfPartyBtnLock(1);
    Party::SetIsCreatelock(true);
    Party::SetIfMinWin(true);
    EXPECT_EQ(1, Party::GetIfPartyBtnLock());
    EXPECT_TRUE(Party::GetIsCreateLock());
    EXPECT_TRUE(Party::GetIfMinWin());

    Party::SetIfPartyBtnLock(0);
    Party::SetIsCreatelock(false);
    Party::SetIfMinWin(false);
    EXPECT_EQ(0, Party::GetIfPartyBtnLock());
    EXPECT_FALSE(Party::GetIsCreateLock());
    EXPECT_FALSE(Party::GetIfMinWin());
}

TEST(PartyFlagsTest, MultipleLimitIsTheByteZeroExtended) {
    Party::SetMultiplelmt(200);
    EXPECT_EQ(200, Party::GetMultiplelmt());
    Party::SetMultiplelmt(0);
    EXPECT_EQ(0, Party::GetMultiplelmt());
}

TEST(PartyFlagsTest, AnyNonzeroAddMultipleReadsAsTrue) {
    Party::SetIsAddMult(5);
    EXPECT_TRUE(Party::GetIsAddMult());
    Party::SetIsAddMult(0);
    EXPECT_FALSE(Party::GetIsAddMult());
}
