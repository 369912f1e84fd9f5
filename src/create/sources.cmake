lobbyui_add_sources(
  PORTABLE
    party_flags.cpp
  NATIVE_TESTS
    party_flags_test.cpp
)
