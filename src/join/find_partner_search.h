// The find-partner panel's rules: what its three choice lists offer and the
// search it runs through the room's table finder when the join dialog asks.
#ifndef LOBBYUI_JOIN_FIND_PARTNER_SEARCH_H
#define LOBBYUI_JOIN_FIND_PARTNER_SEARCH_H

#include <vector>

#include <lobbyui/messages.h>
#include <lobbyui/room.h>
#include <lobbyui/table_settings.h>

// The values each list offers after its "无限制" entry.
std::vector<int> SettingBChoices(const tagKWP_TABLE_SET_DEFAULT& defaults);  // min, min + 4, ... up to max
std::vector<int> SettingAChoices(const tagKWP_TABLE_SET_DEFAULT& defaults);  // every value from min to max
std::vector<int> ScoreChoices(unsigned int scoreMask);                        // the stakes whose mask bit is set

// What the panel's controls hold when a search starts. A selection of 0 is
// "无限制"; the texts are the selected entries' texts.
struct PartnerSearchInput {
    const char* tableNumber;
    const char* name;
    int selection[3];
    const char* selectedText[3];
    // 1 when the join dialog's first search button started it, 0 for the second.
    bool searchKind;
};

// The answer for the host: kSearchSendsNothing or a LOBBYUI_PARTNER_SEARCH_*
// code of LOBBYUI_MSG_PARTNER_SEARCH.
typedef int PartnerSearchCode;
const PartnerSearchCode kSearchSendsNothing = 0;

// Runs the search with the room's finder; found receives the finder's first
// result when a search ran.
PartnerSearchCode RunPartnerSearch(const PartnerSearchInput& input, tagKWP_TABLE_LIST_DATA& found);

#endif
