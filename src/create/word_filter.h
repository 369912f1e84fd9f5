// The binding to the word-filter library and the check the create-table
// dialogs make. One entry point serves the whole library; every new
// create-table dialog object binds it afresh, so a filter installed while the
// host runs is picked up by the next dialog.
#ifndef LOBBYUI_CREATE_WORD_FILTER_H
#define LOBBYUI_CREATE_WORD_FILTER_H

#include <windows.h>

#include <lobbyui/word_filter.h>

class CWordFilterBinding {
public:
    // Loads the filter library (a bare name from the host's folder only, a
    // path as given) and, when it loads, binds its check: the export, or a check
    // that never hits when the export is missing. When the library does not
    // load, whatever was bound before stays bound.
    explicit CWordFilterBinding(const char* library = LOBBYUI_WORD_FILTER_LIBRARY);
    // The library stays loaded: the entry point may still point into it.
    ~CWordFilterBinding() = default;
    CWordFilterBinding(const CWordFilterBinding&) = delete;
    CWordFilterBinding& operator=(const CWordFilterBinding&) = delete;

    HMODULE GetModule() const { return m_hVaduveRed; }

private:
    HMODULE m_hVaduveRed = nullptr;
};

// True when the filter finds a forbidden word in the table name. A null or
// empty name is never handed to the filter and never hits; until a binding
// has been made nothing hits. Never call it with a password.
bool TableNameHasForbiddenWord(char* name);

// Back to the state at load, with no filter bound.
void UnbindWordFilter();

#endif
