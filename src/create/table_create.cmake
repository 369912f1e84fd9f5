# The classic create-table dialog: its window-free rules and the dialog with
# its part of CPartyDlg_DlgInerface.
lobbyui_add_sources(
  PORTABLE
    table_create_rules.cpp
  WIN32
    table_create_dialog.cpp
  NATIVE_TESTS
    table_create_rules_test.cpp
  WIN32_TESTS
    table_create_win_test.cpp
    table_create_callback_win_test.cpp
)
