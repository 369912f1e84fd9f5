#include "join/find_partner_search.h"

#include "join/join_table_rules.h"
#include "support/decimal_text.h"

std::vector<int> SettingBChoices(const tagKWP_TABLE_SET_DEFAULT& defaults) {
    std::vector<int> values;
    // Counted in int: a byte counter would wrap and never pass a maximum near 255.
    for (int v = defaults.ucSettingBMin; v <= defaults.ucSettingBMax; v += 4) values.push_back(v);
    return values;
}

std::vector<int> SettingAChoices(const tagKWP_TABLE_SET_DEFAULT& defaults) {
    std::vector<int> values;
    for (int v = defaults.ucSettingAMin; v <= defaults.ucSettingAMax; ++v) values.push_back(v);
    return values;
}

std::vector<int> ScoreChoices(unsigned int scoreMask) {
    // The last stake (0) has a mask bit of its own but is never offered.
    static const int kStakes[16] = {1, 2, 3, 4, 5, 10, 20, 30, 40, 50, 100, 200, 300, 400, 500, 0};
    std::vector<int> values;
    for (int i = 0; i < 15; ++i) {
        if (scoreMask & (1u << i)) values.push_back(kStakes[i]);
    }
    return values;
}

PartnerSearchCode RunPartnerSearch(const PartnerSearchInput& input, tagKWP_TABLE_LIST_DATA& found) {
    const char* tableNumber = input.tableNumber ? input.tableNumber : "";
    const char* name = input.name ? input.name : "";
    int values[3];
    for (int i = 0; i < 3; ++i) values[i] = TextToInt(input.selectedText[i]);

    if (*tableNumber) {
        int number = TextToInt(tableNumber);
        if (number < 1 || number > 200) return kSearchSendsNothing;
        CPT_MapInerface::SetEditState(number);
        found.usTableNum = 0;
        CPT_MapInerface::FindTableNum();
        found = CPT_MapInerface::GetTableBuf_A_StructEx();
    } else {
        if (!*name && values[0] == 0 && values[1] == 0 && values[2] == 0) {
            return input.searchKind ? LOBBYUI_PARTNER_SEARCH_FIRST_EMPTY : LOBBYUI_PARTNER_SEARCH_SECOND_EMPTY;
        }
        // There is no search by name; a name only keeps the others from running.
        if (*name) return kSearchSendsNothing;
        CPT_MapInerface::SetCombo1();
        CPT_MapInerface::SetCombo2();
        CPT_MapInerface::SetCombo3();
        if (input.selection[0] > 0) CPT_MapInerface::SetCombo1(values[0]);
        if (input.selection[1] > 0) CPT_MapInerface::SetCombo2(values[1]);
        if (input.selection[2] > 0) CPT_MapInerface::SetCombo3(values[2]);
        found.usTableNum = 0;
        CPT_MapInerface::FindTable3();
        found = CPT_MapInerface::GetTableBuf_A_StructEx();
    }
    if (found.usTableNum < 1 || found.usTableNum > 200) return kSearchSendsNothing;
    return input.searchKind ? LOBBYUI_PARTNER_SEARCH_FIRST_FOUND : LOBBYUI_PARTNER_SEARCH_SECOND_FOUND;
}
