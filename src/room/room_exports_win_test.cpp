// The room as a host reaches it: through LobbyUi.dll's exports, against the
// room the DLL built at load.
#include <windows.h>

#include <gtest/gtest.h>
#include <string.h>

#include <lobbyui/room.h>

namespace {

// Every member of CPT_MapInerface, as this compiler names it.
const char* const kExports[] = {
    "_ZN15CPT_MapInerface9InitArrayEP21tagKWP_ALL_TABLE_INFO",
    "_ZN15CPT_MapInerface24PlayerCreatAndLeaveTableEP26tagKWP_SERVER_UPDATE_TABLE",
    "_ZN15CPT_MapInerface17PlayerAddAndLeaveEP33tagKWP_SERVER_TABLE_STATUS_CHANGE",
    "_ZN15CPT_MapInerface16UpDataTableArrayEP33tagKWP_SERVER_TABLE_STATUS_CHANGE",
    "_ZN15CPT_MapInerface20SetTableArrayIsEmptyEv",
    "_ZN15CPT_MapInerface17GetTable_A_StructEj",
    "_ZN15CPT_MapInerface17AddNewPlayerToMapEP29tagKWP_PLAYER_LIST_DATA_EXTRA",
    "_ZN15CPT_MapInerface19RemovePlayerFromMapEj",
    "_ZN15CPT_MapInerface22RemoveAllPlayerFromMapEv",
    "_ZN15CPT_MapInerface14GetAPlayerDataERP29tagKWP_PLAYER_LIST_DATA_EXTRAj",
    "_ZN15CPT_MapInerface20GetPlayerDataAndNextERP29tagKWP_PLAYER_LIST_DATA_EXTRAh",
    "_ZN15CPT_MapInerface11GetIsAngellEPc",
    "_ZN15CPT_MapInerface16AddPlayerToTableEjj",
    "_ZN15CPT_MapInerface17GetPlayerTableNumEj",
    "_ZN15CPT_MapInerface21RemovePlayerFromTableEj",
    "_ZN15CPT_MapInerface24RemoveAllPlayerFromTableEv",
    "_ZN15CPT_MapInerface10FindTable1Ev",
    "_ZN15CPT_MapInerface10FindTable3Ev",
    "_ZN15CPT_MapInerface12FindTableNumEv",
    "_ZN15CPT_MapInerface14FindPlayerNameE7CString",
    "_ZN15CPT_MapInerface21GetTableBuf_A_Struct0Ev",
    "_ZN15CPT_MapInerface13SetRedioStateEi",
    "_ZN15CPT_MapInerface12SetEditStateEi",
    "_ZN15CPT_MapInerface9SetCombo1Ei",
    "_ZN15CPT_MapInerface9SetCombo2Ei",
    "_ZN15CPT_MapInerface9SetCombo3Ei",
    "_ZN15CPT_MapInerface9SetCombo1Ev",
    "_ZN15CPT_MapInerface9SetCombo2Ev",
    "_ZN15CPT_MapInerface9SetCombo3Ev",
    "_ZN15CPT_MapInerface10SetEditNumEv",
    "_ZN15CPT_MapInerface11SetEditNameEv",
    "_ZN15CPT_MapInerface6SwNullEv",
    "_ZN15CPT_MapInerface11SwDlgChangeEv",
    "_ZN15CPT_MapInerface13GetRedioStateEv",
    "_ZN15CPT_MapInerface12GetEditStateEv",
    "_ZN15CPT_MapInerface9GetCombo1Ev",
    "_ZN15CPT_MapInerface9GetCombo2Ev",
    "_ZN15CPT_MapInerface9GetCombo3Ev",
    "_ZN15CPT_MapInerface11GetTableMaxEv",
    "_ZN15CPT_MapInerface11GetTableNumEj",
    "_ZN15CPT_MapInerface22GetTableBuf_A_StructExEv",
    "_ZN15CPT_MapInerface20GetTableBuf_A_StructEj",
    "_ZN15CPT_MapInerface16SetTableBufEmptyEv",
    "_ZN15CPT_MapInerface11GetTableNowEv",
    "_ZN15CPT_MapInerface11SetTableNowEv",
    "_ZN15CPT_MapInerface14SetPreTableNowEv",
    "_ZN15CPT_MapInerface13GetTableNowExEv",
    "_ZN15CPT_MapInerface13SetTableNowExEv",
};

class RoomExportsWinTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_module = ::LoadLibraryA("LobbyUi.dll");
        ASSERT_NE(nullptr, m_module);
    }
    void TearDown() override {
        if (m_module) ::FreeLibrary(m_module);
    }
    template <class Fn>
    Fn Export(const char* name) {
        return reinterpret_cast<Fn>(reinterpret_cast<void*>(::GetProcAddress(m_module, name)));
    }

    HMODULE m_module = nullptr;
};

TEST_F(RoomExportsWinTest, EveryFunctionOfTheFacadeIsExported) {
    for (const char* name : kExports) EXPECT_NE(nullptr, Export<void (*)()>(name)) << name;
}

TEST_F(RoomExportsWinTest, TheDllKeepsItsOwnRoomFromLoad) {
    auto initArray = Export<void (*)(tagKWP_ALL_TABLE_INFO*)>(kExports[0]);
    auto getTable = Export<tagKWP_TABLE_LIST_DATA (*)(unsigned int)>(kExports[5]);
    auto addPlayer = Export<unsigned char (*)(tagKWP_PLAYER_LIST_DATA_EXTRA*)>(kExports[6]);
    auto getPlayer = Export<unsigned char (*)(tagKWP_PLAYER_LIST_DATA_EXTRA*&, unsigned int)>(kExports[9]);
    auto removeAll = Export<void (*)()>(kExports[8]);
    ASSERT_TRUE(initArray && getTable && addPlayer && getPlayer && removeAll);

    tagKWP_ALL_TABLE_INFO batch;
    memset(&batch, 0, sizeof(batch));
    batch.stTable[0].usTableNum = 17;
    batch.stTable[0].uiSeatPlayerID[1] = 5;
    strcpy(batch.stTable[0].acTableName, "dll");
    initArray(&batch);
    tagKWP_TABLE_LIST_DATA table = getTable(17);
    EXPECT_EQ(0, memcmp(&batch.stTable[0], &table, sizeof(table)));

    tagKWP_PLAYER_LIST_DATA_EXTRA player;
    memset(&player, 0, sizeof(player));
    player.uiPlayerID = 5;
    player.ucTableCache = 9;
    strcpy(player.acNickName, "guest");
    ASSERT_EQ(1, addPlayer(&player));
    tagKWP_PLAYER_LIST_DATA_EXTRA* copy = nullptr;
    ASSERT_EQ(1, getPlayer(copy, 5));
    EXPECT_STREQ("guest", copy->acNickName);
    EXPECT_EQ(0, copy->ucTableCache);
    removeAll();
    EXPECT_EQ(0, getPlayer(copy, 5));
}

}  // namespace
