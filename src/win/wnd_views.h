// For tests: how many view objects CWnd::FromHandle has made so far.
#ifndef LOBBYUI_WIN_WND_VIEWS_H
#define LOBBYUI_WIN_WND_VIEWS_H

#include <stddef.h>

size_t FromHandleViewCount();

#endif
