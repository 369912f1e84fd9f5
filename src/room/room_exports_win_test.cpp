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

// A library just loaded: every search and cursor answers with its sentinel,
// and nothing a host may pass by mistake reaches memory.
TEST_F(RoomExportsWinTest, AFreshLibraryAnswersAnEmptyRoomWithSentinels) {
    using Void = void (*)();
    using Byte = unsigned char (*)();
    using Int = int (*)();
    using Table = tagKWP_TABLE_LIST_DATA (*)();
    using TableOf = tagKWP_TABLE_LIST_DATA (*)(unsigned int);
    using SetInt = void (*)(int);
    auto getTableMax = Export<unsigned int (*)()>("_ZN15CPT_MapInerface11GetTableMaxEv");
    auto getTableNum = Export<unsigned int (*)(unsigned int)>("_ZN15CPT_MapInerface11GetTableNumEj");
    auto getTableNow = Export<Int>("_ZN15CPT_MapInerface11GetTableNowEv");
    auto getTableNowEx = Export<Int>("_ZN15CPT_MapInerface13GetTableNowExEv");
    auto swDlgChange = Export<Byte>("_ZN15CPT_MapInerface11SwDlgChangeEv");
    auto best = Export<Table>("_ZN15CPT_MapInerface21GetTableBuf_A_Struct0Ev");
    auto bufferSlot0 = Export<Table>("_ZN15CPT_MapInerface22GetTableBuf_A_StructExEv");
    auto getTable = Export<TableOf>("_ZN15CPT_MapInerface17GetTable_A_StructEj");
    auto bufferTable = Export<TableOf>("_ZN15CPT_MapInerface20GetTableBuf_A_StructEj");
    auto setRadio = Export<SetInt>("_ZN15CPT_MapInerface13SetRedioStateEi");
    auto setCombo1 = Export<SetInt>("_ZN15CPT_MapInerface9SetCombo1Ei");
    auto setEdit = Export<SetInt>("_ZN15CPT_MapInerface12SetEditStateEi");
    auto findTable1 = Export<Void>("_ZN15CPT_MapInerface10FindTable1Ev");
    auto findTable3 = Export<Void>("_ZN15CPT_MapInerface10FindTable3Ev");
    auto findTableNum = Export<Void>("_ZN15CPT_MapInerface12FindTableNumEv");
    auto walk = Export<unsigned char (*)(tagKWP_PLAYER_LIST_DATA_EXTRA*&, unsigned char)>(
        "_ZN15CPT_MapInerface20GetPlayerDataAndNextERP29tagKWP_PLAYER_LIST_DATA_EXTRAh");
    auto isAngel = Export<bool (*)(char*)>("_ZN15CPT_MapInerface11GetIsAngellEPc");
    auto initArray = Export<void (*)(tagKWP_ALL_TABLE_INFO*)>(kExports[0]);
    auto addPlayer = Export<unsigned char (*)(tagKWP_PLAYER_LIST_DATA_EXTRA*)>(kExports[6]);
    ASSERT_TRUE(getTableMax && getTableNum && getTableNow && getTableNowEx && swDlgChange && best && bufferSlot0 &&
                getTable && bufferTable && setRadio && setCombo1 && setEdit && findTable1 && findTable3 &&
                findTableNum && walk && isAngel && initArray && addPlayer);

    EXPECT_EQ(0u, getTableMax());
    EXPECT_EQ(0, swDlgChange());
    EXPECT_EQ(-2, getTableNowEx()) << "the cursor starts at -1";
    EXPECT_EQ(0, getTableNow());
    EXPECT_EQ(0u, getTableNum(0xFFFFFFFFu));

    // Combo 1 alone: the other criteria start at -1 and add no scans.
    setCombo1(0);
    findTable3();
    EXPECT_EQ(0u, getTableMax());
    setRadio(0);
    findTable1();
    EXPECT_EQ(0u, getTableMax());

    tagKWP_TABLE_LIST_DATA none = best();
    EXPECT_EQ(999, none.usTableNum);
    EXPECT_EQ(999, getTable(0).usTableNum) << "the marker sits in slot 0 of the room";
    EXPECT_EQ(0, getTable(201).usTableNum);
    EXPECT_EQ(999, bufferTable(5).usTableNum);
    EXPECT_EQ(999u, getTableNum(0));

    setEdit(150);
    findTableNum();
    EXPECT_EQ(1u, getTableMax());
    tagKWP_TABLE_LIST_DATA numbered = bufferSlot0();
    EXPECT_EQ(150, numbered.usTableNum);
    EXPECT_EQ(0u, numbered.uiSeatPlayerID[0]);

    tagKWP_PLAYER_LIST_DATA_EXTRA* untouched = nullptr;
    EXPECT_EQ(1, walk(untouched, 1));
    EXPECT_EQ(nullptr, untouched);
    EXPECT_FALSE(isAngel(nullptr));
    initArray(nullptr);
    EXPECT_EQ(0, addPlayer(nullptr));
}

}  // namespace
