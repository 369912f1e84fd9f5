# The shared settings holder: CBaseDataControl with the host's popup-menu window.
lobbyui_add_sources(
  WIN32
    base_data_control.cpp
  WIN32_TESTS
    base_data_control_win_test.cpp
)
