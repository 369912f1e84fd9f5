// The find-partner panel's rules: what its three choice lists offer and the
// search it runs through the room's table finder when the join dialog asks.
#ifndef LOBBYUI_JOIN_FIND_PARTNER_SEARCH_H
#define LOBBYUI_JOIN_FIND_PARTNER_SEARCH_H

#include <vector>

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

// The answer for the host: 0 (send nothing) or the code of message 1227.
enum PartnerSearchCode {
    kSearchSendsNothing = 0,
    kSearchNothingChosenFirst = 1,
    kSearchNothingChosenSecond = 2,
    kSearchFoundSecond = 3,
    kSearchFoundFirst = 4,
};

// Runs the search with the room's finder; found receives the finder's first
// result when a search ran.
PartnerSearchCode RunPartnerSearch(const PartnerSearchInput& input, tagKWP_TABLE_LIST_DATA& found);

#endif
