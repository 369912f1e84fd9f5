// Every GBK (code page 936) literal of the library, written once as bytes.
// The table keeps each one beside its readable text so that a test can
// decode the bytes and compare; add new texts here, never inline elsewhere.
#ifndef LOBBYUI_SUPPORT_TEXTS_GBK_H
#define LOBBYUI_SUPPORT_TEXTS_GBK_H

// X(name, GBK bytes, readable UTF-8 text)
#define LOBBYUI_GBK_TEXTS(X)                                                  \
    X(kGbkLevel, "\xB5\xC8\xBC\xB6", "等级")                /* 等级 */        \
    X(kGbkLandlordLevelFormat, "%d\xBC\xB6\xB5\xD8\xD6\xF7", "%d级地主") /* %d级地主 */

#define LOBBYUI_DECLARE_GBK_TEXT(name, bytes, readable) inline constexpr char name[] = bytes;
LOBBYUI_GBK_TEXTS(LOBBYUI_DECLARE_GBK_TEXT)
#undef LOBBYUI_DECLARE_GBK_TEXT

#endif
