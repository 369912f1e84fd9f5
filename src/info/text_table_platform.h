// What the text table needs from the platform: the system's default
// language and where the file lies.
#ifndef LOBBYUI_INFO_TEXT_TABLE_PLATFORM_H
#define LOBBYUI_INFO_TEXT_TABLE_PLATFORM_H

#include <stdint.h>

// The system's default language identifier (GetSystemDefaultLangID on Windows).
uint16_t SystemDefaultLanguageId();

// The text table's path, relative to the current directory.
const char* TextTablePath();

// Replaces the system's language with another source, for tests and for a
// host that wants to try the other script; null restores the system's.
// Returns the source it replaced.
using LanguageIdSource = uint16_t (*)();
LanguageIdSource SetLanguageIdSource(LanguageIdSource source);

#endif
