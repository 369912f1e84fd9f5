// Every Big5 (code page 950) literal of the library, written once as bytes:
// the traditional-Chinese texts, which the rest of the library writes in GBK.
// Each sits beside its readable text so that a test can decode and compare.
#ifndef LOBBYUI_SUPPORT_TEXTS_BIG5_H
#define LOBBYUI_SUPPORT_TEXTS_BIG5_H

// X(name, Big5 bytes, readable UTF-8 text)
#define LOBBYUI_BIG5_TEXTS(X)                                                                        \
    /* %s()-> %s Map 資源不足. size= %d */                                                            \
    X(kBig5MapFullFormat, "%s()-> %s Map \xB8\xEA\xB7\xBD\xA4\xA3\xA8\xAC. size= %d",                \
      "%s()-> %s Map 資源不足. size= %d")                                                             \
    /* %s()-> 相同的索引. key=%d */                                                                   \
    X(kBig5MapDuplicateKeyFormat, "%s()-> \xAC\xDB\xA6\x50\xAA\xBA\xAF\xC1\xA4\xDE. key=%d",          \
      "%s()-> 相同的索引. key=%d") \
    /* 桌 */ \
    X(kBig5TableLabel, "\xAE\xE0", "桌") \
    /* 100桌內禁設密碼 */ \
    X(kBig5NoPasswordUnder100, "100\xAE\xE0\xA4\xBA\xB8T\xB3]\xB1K\xBDX", "100桌內禁設密碼")

#define LOBBYUI_DECLARE_BIG5_TEXT(name, bytes, readable) inline constexpr char name[] = bytes;
LOBBYUI_BIG5_TEXTS(LOBBYUI_DECLARE_BIG5_TEXT)
#undef LOBBYUI_DECLARE_BIG5_TEXT

#endif
