// The two records of table creation: the defaults and bounds a host hands to
// the create-table dialogs, and the request the dialogs send back. Both cross
// the DLL boundary and the host's message, so every byte is fixed.
#ifndef LOBBYUI_TABLE_SETTINGS_H
#define LOBBYUI_TABLE_SETTINGS_H

#include <lobbyui/layout_check.h>

#pragma pack(push, 1)

// Read during a show call only; the host keeps ownership.
typedef struct tagKWP_TABLE_SET_DEFAULT {
    char acTableName[17];                     // NUL-terminated GBK, at most 16 bytes
    unsigned char acPadding17[3];
    unsigned int uiScoreMask;                 // bit i: entry i of the dialog's score table may be chosen
    unsigned char ucScoreIndex;               // entry of the score table chosen by default
    unsigned char ucSettingBMin;
    unsigned char ucSettingBMax;
    unsigned char ucSettingAMin;
    unsigned char ucSettingAMax;
    unsigned char ucSpecialCardTypes;         // bits 0..2: default state of the card-type options
    unsigned char ucSpecialRuleOn;
    unsigned char ucSettingADefault;
    unsigned char ucSettingBDefault;
    unsigned char ucSpecialCardTypesEnabled;  // bits 0..2: options the user may change; 0 = all three
    unsigned char ucUnused34;
    unsigned char ucAddMultipleFixed;         // new dialog only: 1 = forced on, 0 = disabled off
    unsigned char acUnused36[4];
} tagKWP_TABLE_SET_DEFAULT;

// lParam of message 1225 with wParam 34. Cleared on every show, so any field
// a dialog does not fill is 0.
typedef struct tagKWP_CREATE_TABLE_REQ {
    unsigned short usTableNum;
    unsigned short usZero2;
    unsigned int uiGameID;
    char acTableName[17];
    char acPassword[9];                       // all zero when there is no password
    unsigned char ucHavePassword;
    unsigned char ucZero35;
    unsigned int uiScore;
    unsigned char ucSettingA;
    unsigned char ucSettingB;
    unsigned char ucSpecialCardTypes;
    unsigned char ucSpecialRuleOn;
    unsigned char ucMaxDisconnectPercent;
    unsigned char acZero45[3];
    unsigned int uiGoldGapLimit;
    unsigned char ucLevelGapLimit;
    unsigned char ucZero53;
    unsigned char ucAddMultiple;
    unsigned char ucZero55;
} tagKWP_CREATE_TABLE_REQ;

#pragma pack(pop)

LOBBYUI_LAYOUT_CHECK(sizeof(tagKWP_TABLE_SET_DEFAULT) == 40, "tagKWP_TABLE_SET_DEFAULT size");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_TABLE_SET_DEFAULT, acTableName) == 0, "acTableName");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_TABLE_SET_DEFAULT, acPadding17) == 17, "acPadding17");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_TABLE_SET_DEFAULT, uiScoreMask) == 20, "uiScoreMask");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_TABLE_SET_DEFAULT, ucScoreIndex) == 24, "ucScoreIndex");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_TABLE_SET_DEFAULT, ucSettingBMin) == 25, "ucSettingBMin");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_TABLE_SET_DEFAULT, ucSettingBMax) == 26, "ucSettingBMax");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_TABLE_SET_DEFAULT, ucSettingAMin) == 27, "ucSettingAMin");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_TABLE_SET_DEFAULT, ucSettingAMax) == 28, "ucSettingAMax");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_TABLE_SET_DEFAULT, ucSpecialCardTypes) == 29, "ucSpecialCardTypes");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_TABLE_SET_DEFAULT, ucSpecialRuleOn) == 30, "ucSpecialRuleOn");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_TABLE_SET_DEFAULT, ucSettingADefault) == 31, "ucSettingADefault");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_TABLE_SET_DEFAULT, ucSettingBDefault) == 32, "ucSettingBDefault");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_TABLE_SET_DEFAULT, ucSpecialCardTypesEnabled) == 33, "ucSpecialCardTypesEnabled");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_TABLE_SET_DEFAULT, ucUnused34) == 34, "ucUnused34");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_TABLE_SET_DEFAULT, ucAddMultipleFixed) == 35, "ucAddMultipleFixed");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_TABLE_SET_DEFAULT, acUnused36) == 36, "acUnused36");

LOBBYUI_LAYOUT_CHECK(sizeof(tagKWP_CREATE_TABLE_REQ) == 56, "tagKWP_CREATE_TABLE_REQ size");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_CREATE_TABLE_REQ, usTableNum) == 0, "usTableNum");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_CREATE_TABLE_REQ, usZero2) == 2, "usZero2");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_CREATE_TABLE_REQ, uiGameID) == 4, "uiGameID");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_CREATE_TABLE_REQ, acTableName) == 8, "acTableName");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_CREATE_TABLE_REQ, acPassword) == 25, "acPassword");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_CREATE_TABLE_REQ, ucHavePassword) == 34, "ucHavePassword");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_CREATE_TABLE_REQ, ucZero35) == 35, "ucZero35");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_CREATE_TABLE_REQ, uiScore) == 36, "uiScore");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_CREATE_TABLE_REQ, ucSettingA) == 40, "ucSettingA");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_CREATE_TABLE_REQ, ucSettingB) == 41, "ucSettingB");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_CREATE_TABLE_REQ, ucSpecialCardTypes) == 42, "ucSpecialCardTypes");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_CREATE_TABLE_REQ, ucSpecialRuleOn) == 43, "ucSpecialRuleOn");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_CREATE_TABLE_REQ, ucMaxDisconnectPercent) == 44, "ucMaxDisconnectPercent");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_CREATE_TABLE_REQ, acZero45) == 45, "acZero45");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_CREATE_TABLE_REQ, uiGoldGapLimit) == 48, "uiGoldGapLimit");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_CREATE_TABLE_REQ, ucLevelGapLimit) == 52, "ucLevelGapLimit");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_CREATE_TABLE_REQ, ucZero53) == 53, "ucZero53");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_CREATE_TABLE_REQ, ucAddMultiple) == 54, "ucAddMultiple");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_CREATE_TABLE_REQ, ucZero55) == 55, "ucZero55");

#endif
