# The player list: its rules (portable), the list box and its dialog.
lobbyui_add_sources(
  PORTABLE
    player_list_rules.cpp
  WIN32
    player_list_box.cpp
    player_list_dialog.cpp
  NATIVE_TESTS
    player_list_rules_test.cpp
  WIN32_TESTS
    player_list_callback_win_test.cpp
    player_list_dialog_win_test.cpp
    player_list_speed_win_test.cpp
)
