// Player statistics the host receives from the game server and hands to the
// library byte for byte. Bytes named acReserved… belong to the server: the
// library carries them unchanged and never reads them.
#ifndef LOBBYUI_PLAYER_STATS_H
#define LOBBYUI_PLAYER_STATS_H

#include <lobbyui/layout_check.h>

#pragma pack(push, 1)

// A player's record of play.
typedef struct tagKWP_MERIT_DETAIL {
    unsigned char ucLevel;                    // 0 to 23
    unsigned char ucReserved1;
    unsigned short usExperience;
    unsigned char ucKingHatCount;
    unsigned char acReserved5[7];
    int iTimeSeconds;
    int iTally1;
    int iTally2;
    unsigned char acReserved24[4];
    int iGroupOneFirst;
    int iGroupOneSecond;
    unsigned char acReserved36[4];
    int iGroupTwoFirst;
    int iGroupTwoSecond;
    int iExtraCount1;
    int iExtraCount2;
    unsigned char acReserved56[204];
    int iGoldCard15;
    int iGoldCard30;
    int iGoldCard50;
    int iSilverCard5;
    int iSilverCard10;
    int iSilverCard30;
    unsigned char ucMember;                   // membership class 0 to 3
    unsigned char acReserved285[3];
} tagKWP_MERIT_DETAIL;

// Stored whole, never read.
typedef struct tagKWP_USER_CONTEST_SCORE_INFO {
    unsigned char acData[344];
} tagKWP_USER_CONTEST_SCORE_INFO;

// A player's overview.
typedef struct tagKWP_PLAYER_ALL_VIEW {
    unsigned int uiPlayerID;
    unsigned char acReserved4[8];
    int iBeans;
    int iFigure2;
    int iFigure3;
    unsigned int uiOtherID;
    int iPremiumBalance;
} tagKWP_PLAYER_ALL_VIEW;

// What the base-data panel shows of the local player.
typedef struct tagKWPCEN_PREVIEW_DATA {
    char acName[15];                          // NUL-terminated GBK, at most 14 bytes
    unsigned char ucLevel;
    unsigned char acReserved16[4];
    int iFigureA;
    int iMoney;
    unsigned char ucIcon;                     // portrait 0 to 11
    unsigned char acReserved29[3];
    int iFigureB;
} tagKWPCEN_PREVIEW_DATA;

#pragma pack(pop)

LOBBYUI_LAYOUT_CHECK(sizeof(tagKWP_MERIT_DETAIL) == 288, "tagKWP_MERIT_DETAIL size");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_MERIT_DETAIL, ucLevel) == 0, "ucLevel");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_MERIT_DETAIL, ucReserved1) == 1, "ucReserved1");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_MERIT_DETAIL, usExperience) == 2, "usExperience");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_MERIT_DETAIL, ucKingHatCount) == 4, "ucKingHatCount");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_MERIT_DETAIL, acReserved5) == 5, "acReserved5");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_MERIT_DETAIL, iTimeSeconds) == 12, "iTimeSeconds");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_MERIT_DETAIL, iTally1) == 16, "iTally1");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_MERIT_DETAIL, iTally2) == 20, "iTally2");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_MERIT_DETAIL, acReserved24) == 24, "acReserved24");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_MERIT_DETAIL, iGroupOneFirst) == 28, "iGroupOneFirst");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_MERIT_DETAIL, iGroupOneSecond) == 32, "iGroupOneSecond");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_MERIT_DETAIL, acReserved36) == 36, "acReserved36");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_MERIT_DETAIL, iGroupTwoFirst) == 40, "iGroupTwoFirst");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_MERIT_DETAIL, iGroupTwoSecond) == 44, "iGroupTwoSecond");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_MERIT_DETAIL, iExtraCount1) == 48, "iExtraCount1");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_MERIT_DETAIL, iExtraCount2) == 52, "iExtraCount2");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_MERIT_DETAIL, acReserved56) == 56, "acReserved56");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_MERIT_DETAIL, iGoldCard15) == 260, "iGoldCard15");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_MERIT_DETAIL, iGoldCard30) == 264, "iGoldCard30");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_MERIT_DETAIL, iGoldCard50) == 268, "iGoldCard50");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_MERIT_DETAIL, iSilverCard5) == 272, "iSilverCard5");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_MERIT_DETAIL, iSilverCard10) == 276, "iSilverCard10");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_MERIT_DETAIL, iSilverCard30) == 280, "iSilverCard30");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_MERIT_DETAIL, ucMember) == 284, "ucMember");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_MERIT_DETAIL, acReserved285) == 285, "acReserved285");

LOBBYUI_LAYOUT_CHECK(sizeof(tagKWP_USER_CONTEST_SCORE_INFO) == 344, "tagKWP_USER_CONTEST_SCORE_INFO size");

LOBBYUI_LAYOUT_CHECK(sizeof(tagKWP_PLAYER_ALL_VIEW) == 32, "tagKWP_PLAYER_ALL_VIEW size");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_PLAYER_ALL_VIEW, uiPlayerID) == 0, "uiPlayerID");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_PLAYER_ALL_VIEW, acReserved4) == 4, "acReserved4");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_PLAYER_ALL_VIEW, iBeans) == 12, "iBeans");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_PLAYER_ALL_VIEW, iFigure2) == 16, "iFigure2");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_PLAYER_ALL_VIEW, iFigure3) == 20, "iFigure3");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_PLAYER_ALL_VIEW, uiOtherID) == 24, "uiOtherID");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_PLAYER_ALL_VIEW, iPremiumBalance) == 28, "iPremiumBalance");

LOBBYUI_LAYOUT_CHECK(sizeof(tagKWPCEN_PREVIEW_DATA) == 36, "tagKWPCEN_PREVIEW_DATA size");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWPCEN_PREVIEW_DATA, acName) == 0, "acName");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWPCEN_PREVIEW_DATA, ucLevel) == 15, "ucLevel");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWPCEN_PREVIEW_DATA, acReserved16) == 16, "acReserved16");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWPCEN_PREVIEW_DATA, iFigureA) == 20, "iFigureA");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWPCEN_PREVIEW_DATA, iMoney) == 24, "iMoney");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWPCEN_PREVIEW_DATA, ucIcon) == 28, "ucIcon");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWPCEN_PREVIEW_DATA, acReserved29) == 29, "acReserved29");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWPCEN_PREVIEW_DATA, iFigureB) == 32, "iFigureB");

#endif
