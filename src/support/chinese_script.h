// Which Chinese script the system's default language asks for. Some built-in
// texts exist twice, in GBK (simplified) and in Big5 (traditional); this is
// the one rule that picks between them.
#ifndef LOBBYUI_SUPPORT_CHINESE_SCRIPT_H
#define LOBBYUI_SUPPORT_CHINESE_SCRIPT_H

#include <stdint.h>

// True only for Chinese (primary language 4) with sublanguage 1, Taiwan
// (0x0404). Sublanguage 1 of another language is that language's main
// country (0x0409 is English of the United States), which reads the
// simplified texts the library is written in; so do the other Chinese
// sublanguages (0x0804 PRC, 0x0C04 Hong Kong, 0x1004 Singapore, 0x1404
// Macao).
bool IsTraditionalChinese(uint16_t languageId);

#endif
