# The system settings dialog, the web dialog and the room-entrance button.
lobbyui_add_sources(
  PORTABLE
    room_entrance_rules.cpp
    sys_set_rules.cpp
  WIN32
    room_entrance_button.cpp
    sys_set_dialog.cpp
    web_browser.cpp
    web_dialog.cpp
  NATIVE_TESTS
    room_entrance_rules_test.cpp
    sys_set_rules_test.cpp
  WIN32_TESTS
    room_entrance_button_win_test.cpp
    sys_set_dialog_win_test.cpp
    web_dialog_win_test.cpp
)
