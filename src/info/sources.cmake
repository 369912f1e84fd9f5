lobbyui_add_sources(
  NATIVE_TESTS
    records_test.cpp
)
