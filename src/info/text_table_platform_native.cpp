#include "info/text_table_platform.h"

// Without a system language to ask, answer simplified Chinese (0x0804), the
// language the texts are written in; SetLanguageIdSource changes it.
uint16_t SystemDefaultLanguageId() { return 0x0804; }

const char* TextTablePath() { return "STCSV/PlayerScore_Sim.csv"; }
