lobbyui_add_sources(
  PORTABLE
    safe_format.cpp
  NATIVE_TESTS
    safe_format_test.cpp
    texts_gbk_test.cpp
)
