// Resource numbers of the join/ dialogs' templates, menus, bitmaps and controls.
#ifndef LOBBYUI_RES_JOIN_IDS_H
#define LOBBYUI_RES_JOIN_IDS_H

// Join-table dialog.
#define IDD_JOIN_TABLE 205
#define IDC_JT_HIDDEN 224
#define IDC_JT_SEARCH1 225
#define IDC_JT_SEARCH2 226
#define IDC_JT_JOIN 227
#define IDC_JT_CLOSE 228
#define IDC_JT_ARROW_OUT 252
#define IDC_JT_ARROW_IN 218
#define IDC_JT_INPUT_OK 217

// The input-ok toggle's pictures, 22 x 19.
#define IDB_INPUT_OK_ON 230
#define IDB_INPUT_OK_OFF 283
#define IDB_INPUT_OK_DISABLED 285

// Find-partner panel and its backgrounds (beans and score mode), 199 x 146.
#define IDD_JT_EXPAND 249
#define IDC_JTE_LIST1 248
#define IDC_JTE_LIST2 249
#define IDC_JTE_SCORE 250
#define IDC_JTE_TABLE_NUM 253
#define IDC_JTE_NAME 254
#define IDB_JT_EXPAND_BEANS 286
#define IDB_JT_EXPAND_SCORE 288

// Password dialog.
#define IDD_PW_INPUT 211
#define IDC_PW_EDIT 215
#define IDC_PW_OK 217

#endif
