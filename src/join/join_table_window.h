// The classic create-table dialog still reaches the shared text and
// placement helpers through this header; everything else includes
// support/table_text.h and support/window_placement.h itself.
#ifndef LOBBYUI_JOIN_JOIN_TABLE_WINDOW_H
#define LOBBYUI_JOIN_JOIN_TABLE_WINDOW_H

#include "support/table_text.h"
#include "support/window_placement.h"

#endif
