# The join-table dialog, its find-partner panel and the password dialog.
lobbyui_add_sources(
  PORTABLE
    find_partner_search.cpp
    join_table_rules.cpp
  NATIVE_TESTS
    find_partner_search_test.cpp
    join_table_rules_test.cpp
)
