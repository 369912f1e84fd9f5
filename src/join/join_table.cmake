# The join-table dialog, its find-partner panel and the password dialog.
lobbyui_add_sources(
  PORTABLE
    find_partner_search.cpp
    join_table_rules.cpp
  WIN32
    find_partner_panel.cpp
    join_table_dialog.cpp
    join_table_facade.cpp
    join_table_window.cpp
    password_dialog.cpp
  NATIVE_TESTS
    find_partner_search_test.cpp
    join_table_rules_test.cpp
  WIN32_TESTS
    join_table_win_test.cpp
    password_dialog_win_test.cpp
)
