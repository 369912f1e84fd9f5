// The enumerations the facades take and give. Valid C as well as C++: the
// values are what crosses the interface, as an int.
#ifndef LOBBYUI_DIALOG_ENUMS_H
#define LOBBYUI_DIALOG_ENUMS_H

// What the join-table dialog offers: a message, the join buttons, or only a
// close button under the table.
typedef enum eJTDLG_ACTIVE_TYPE {
    JTAT_MESSAGE = 0,
    JTAT_JOIN = 1,
    JTAT_TABLE_2 = 2,
    JTAT_TABLE_3 = 3,
    JTAT_NONE = 4,
} eJTDLG_ACTIVE_TYPE;

// The player list's picture groups: one image list of the host's each,
// handed over with SetPlayerLBImgList.
typedef enum ePALYER_LIST_PIC_GROUP {
    PLPG_ROW_FRAME = 0,   // row background: 0 another player, 1 the local player, 2 a friend
    PLPG_FACE = 1,        // avatar by icon number; 73, 74, 75 for levels 20, 21, 22
    PLPG_LEVEL = 2,       // level badge for levels 0 to 18
    PLPG_HIGH_LEVEL = 3,  // level badge for levels 19 to 23, image 23 - level
    PLPG_SEX_0 = 4,       // marker 0
    PLPG_SEX_1 = 5,       // marker 1
} ePALYER_LIST_PIC_GROUP;

// A room-entrance button's look: three images per state in its image list.
typedef enum eBTN_CONDITION {
    BTN_NORMAL = 0,
    BTN_HOVER = 1,
    BTN_DOWN = 2,
} eBTN_CONDITION;

#endif
