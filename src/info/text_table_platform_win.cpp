#include "info/text_table_platform.h"

#include <windows.h>

uint16_t SystemDefaultLanguageId() { return static_cast<uint16_t>(::GetSystemDefaultLangID()); }

const char* TextTablePath() { return "STCSV\\PlayerScore_Sim.csv"; }
