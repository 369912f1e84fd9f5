# The new create-table dialog, its picture buttons and its pictures.
lobbyui_add_sources(
  PORTABLE
    table_create_new_rules.cpp
  WIN32
    check_button.cpp
    new_create_pictures.cpp
    table_create_new_dialog.cpp
    table_create_new_facade.cpp
  NATIVE_TESTS
    table_create_new_rules_test.cpp
  WIN32_TESTS
    table_create_new_win_test.cpp
    table_create_new_callback_win_test.cpp
)
