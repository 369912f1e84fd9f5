// Every GBK (code page 936) literal of the library, written once as bytes.
// The table keeps each one beside its readable text so that a test can
// decode the bytes and compare; add new texts here, never inline elsewhere.
#ifndef LOBBYUI_SUPPORT_TEXTS_GBK_H
#define LOBBYUI_SUPPORT_TEXTS_GBK_H

// X(name, GBK bytes, readable UTF-8 text)
#define LOBBYUI_GBK_TEXTS(X)                                                  \
    X(kGbkFilterWordCheatPlugin, "\xCD\xE2\xB9\xD2", "外挂") /* 外挂 */ \
    X(kGbkFilterWordCheating, "\xD7\xF7\xB1\xD7", "作弊") /* 作弊 */ \
    X(kGbkFilterWordFool, "\xC9\xB5\xB9\xCF", "傻瓜") /* 傻瓜 */ \
    X(kGbkLevel, "\xB5\xC8\xBC\xB6", "等级")                /* 等级 */        \
    X(kGbkLandlordLevelFormat, "%d\xBC\xB6\xB5\xD8\xD6\xF7", "%d级地主") /* %d级地主 */ \
    X(kGbkNoLimit, "\xCE\xDE\xCF\xDE\xD6\xC6", "无限制") /* 无限制 */ \
    X(kGbkNone, "\xCE\xDE", "无") /* 无 */ \
    X(kGbkAddStick, "\xBC\xD3\xB0\xF4", "加棒") /* 加棒 */ \
    X(kGbkJoinTableCaption, "\xBC\xD3\xC8\xEB\xD7\xC0\xD7\xD3", "加入桌子") /* 加入桌子 */ \
    X(kGbkJoinButton, "\xBC\xD3\xC8\xEB", "加入") /* 加入 */ \
    X(kGbkQuickSeatButton, "\xBF\xEC\xCB\xD9\xD5\xD2\xD7\xF9", "快速找座") /* 快速找座 */ \
    X(kGbkFindTableButton, "\xB2\xE9\xD5\xD2\xD7\xC0\xD7\xD3", "查找桌子") /* 查找桌子 */ \
    X(kGbkCloseButton, "\xB9\xD8\xB1\xD5", "关闭") /* 关闭 */ \
    X(kGbkPasswordCaption, "\xCA\xE4\xC8\xEB\xC3\xDC\xC2\xEB", "输入密码") /* 输入密码 */ \
    X(kGbkConfirmButton, "\xC8\xB7\xB6\xA8", "确定") /* 确定 */ \
    X(kGbkNewSongTypeface, "\xD0\xC2\xCB\xCE\xCC\xE5", "新宋体") /* 新宋体 */ \
    X(kGbkWebDlgBuilding, "\xBD\xA8\xC1\xA2" "CWebDlg", "建立CWebDlg") /* 建立CWebDlg */ \
    X(kGbkWebDlgBuilt, "\xBD\xA8\xC1\xA2" "CWebDlg" "\xCD\xEA\xB3\xC9", "建立CWebDlg完成") /* 建立CWebDlg完成 */ \
    X(kGbkWebPageUnavailable, "\xCE\xDE\xB7\xA8\xCF\xD4\xCA\xBE\xCD\xF8\xD2\xB3\xA3\xBA", "无法显示网页：") /* 无法显示网页： */ \
    X(kGbkQueryRecord, "\xB2\xE9\xD1\xAF\xD5\xBD\xBC\xA8", "查询战绩") /* 查询战绩 */ \
    X(kGbkInviteToGame, "\xD1\xFB\xC7\xEB\xBC\xD3\xC8\xEB\xD3\xCE\xCF\xB7", "邀请加入游戏") /* 邀请加入游戏 */ \
    X(kGbkWhisper, "\xCB\xB5\xBE\xE4\xC7\xC4\xC7\xC4\xBB\xB0", "说句悄悄话") /* 说句悄悄话 */ \
    X(kGbkBefriend, "\xD7\xF7\xB8\xF6\xBA\xC3\xC5\xF3\xD3\xD1", "作个好朋友") /* 作个好朋友 */ \
    X(kGbkBlock, "\xB8\xF4\xC0\xEB\xCC\xD6\xD1\xE1\xB9\xED", "隔离讨厌鬼") /* 隔离讨厌鬼 */ \
    X(kGbkInviteToGroup, "\xD1\xFB\xC7\xEB\xBC\xD3\xC8\xEB\xD3\xD1\xCD\xC5", "邀请加入友团") /* 邀请加入友团 */ \
    X(kGbkSortByNickname, "\xD2\xC0\xEA\xC7\xB3\xC6\xC5\xC5\xD0\xF2", "依昵称排序") /* 依昵称排序 */ \
    X(kGbkSortByLevel, "\xD2\xC0\xB5\xC8\xBC\xB6\xC5\xC5\xD0\xF2", "依等级排序") /* 依等级排序 */ \
    X(kGbkSortByBeans, "\xD2\xC0\xCC\xD4\xB6\xB9\xC5\xC5\xD0\xF2", "依淘豆排序") /* 依淘豆排序 */ \
    X(kGbkSortByTable, "\xD2\xC0\xD7\xC0\xBA\xC5\xC5\xC5\xD0\xF2", "依桌号排序") /* 依桌号排序 */ \
    X(kGbkSortByFriend, "\xD2\xC0\xBA\xC3\xD3\xD1\xC5\xC5\xD0\xF2", "依好友排序") /* 依好友排序 */ \
    X(kGbkSortByMember, "\xD2\xC0\xBB\xE1\xD4\xB1\xC5\xC5\xD0\xF2", "依会员排序") /* 依会员排序 */ \
    X(kGbkSortByScore, "\xD2\xC0\xB7\xD6\xCA\xFD\xC5\xC5\xD0\xF2", "依分数排序") /* 依分数排序 */ \
    X(kGbkTableLabel, "\xD7\xC0", "桌") /* 桌 */ \
    X(kGbkSongTypeface, "\xCB\xCE\xCC\xE5", "宋体") /* 宋体 */ \
    X(kGbkListResultError, " lResult_\xB4\xED\xCE\xF3", " lResult_错误") /*  lResult_错误 */ \
    X(kGbkPlayerIdErrorFormat, " iPlayerID\xB4\xED\xCE\xF3 %d", " iPlayerID错误 %d") /*  iPlayerID错误 %d */ \
    X(kGbkAllViewIdErrorFormat, " playerata.playerid\xB4\xED\xCE\xF3 %d", " playerata.playerid错误 %d") /*  playerata.playerid错误 %d */ \
    /* The classic create-table dialog. */ \
    X(kGbkClassicCreateCaption, "\xB4\xB4\xBD\xA8\xD7\xC0\xD7\xD3", "创建桌子") /* 创建桌子 */ \
    X(kGbkClassicCreateButton, "\xB4\xB4\xBD\xA8", "创建") /* 创建 */ \
    X(kGbkCancelButton, "\xC8\xA1\xCF\xFB", "取消") /* 取消 */ \
    X(kGbkNoPasswordUnder100, "100\xD7\xC0\x83\xC8\xBD\xFB\xC9\xE8\xC3\xDC\xC2\xEB", "100桌內禁设密码") /* 100桌內禁设密码 */ \
    X(kGbkServerSpecialCardsTrace, " Sever\xCB\xCD\xB9\xFD\xC0\xB4\xB5\xC4\xCC\xD8\xCA\xE2\xC5\xC6\xD0\xCD\xCA\xC7\xA3\xBA ", " Sever送过来的特殊牌型是： ") /* Sever送过来的特殊牌型是： */ \
    X(kGbkDisconnectLimitBefore, "\xB2\xBB\xD3\xEB\xB6\xCF\xCF\xDF\xC2\xCA\xB4\xF3\xD3\xDA", "不与断线率大于") /* 不与断线率大于 */ \
    X(kGbkDisconnectLimitAfter, "%\xB5\xC4\xCD\xE6\xBC\xD2\xD3\xCE\xCF\xB7", "%的玩家游戏") /* %的玩家游戏 */ \
    X(kGbkGoldGapLimitBefore, "\xB2\xBB\xD3\xEB\xB1\xC8\xD7\xD4\xBC\xBA\xC9\xD9", "不与比自己少") /* 不与比自己少 */ \
    X(kGbkGoldGapLimitAfter, "\xBD\xF0\xB1\xD2\xB5\xC4\xCD\xE6\xBC\xD2\xD3\xCE\xCF\xB7", "金币的玩家游戏") /* 金币的玩家游戏 */ \
    X(kGbkLevelGapLimitBefore, "\xB2\xBB\xD3\xEB\xB1\xC8\xD7\xD4\xBC\xBA\xB5\xC8\xBC\xB6\xB2\xEE", "不与比自己等级差") /* 不与比自己等级差 */ \
    X(kGbkLevelGapLimitAfter, "\xBC\xB6\xB5\xC4\xCD\xE6\xBC\xD2\xD3\xCE\xCF\xB7", "级的玩家游戏") /* 级的玩家游戏 */ \
    /* The new create-table dialog. */ \
    X(kGbkNewCreateConfirm, "\xBE\xF6\xB6\xA8", "决定") /* 决定 */ \
    X(kGbkNewCreateTableSettings, "\xBF\xAA\xD7\xC0\xC9\xE8\xB6\xA8", "开桌设定") /* 开桌设定 */ \
    X(kGbkNewCreateSameTableLimits, "\xCD\xAC\xD7\xC0\xCF\xDE\xD6\xC6", "同桌限制") /* 同桌限制 */

#define LOBBYUI_DECLARE_GBK_TEXT(name, bytes, readable) inline constexpr char name[] = bytes;
LOBBYUI_GBK_TEXTS(LOBBYUI_DECLARE_GBK_TEXT)
#undef LOBBYUI_DECLARE_GBK_TEXT

#endif
