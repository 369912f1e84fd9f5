# The word filter binding and the table-name check.
lobbyui_add_sources(
  WIN32
    word_filter.cpp
  WIN32_TESTS
    word_filter_win_test.cpp
)
