# Rules every dialog shares: numbers from text and as digit pictures,
# centring, the Chinese script, and the text table's texts sized, formatted
# and drawn.
lobbyui_add_sources(
  PORTABLE
    centring.cpp
    chinese_script.cpp
    decimal_text.cpp
    digit_pictures.cpp
  WIN32
    table_text.cpp
    window_placement.cpp
  NATIVE_TESTS
    centring_test.cpp
    chinese_script_test.cpp
    decimal_text_test.cpp
    digit_pictures_test.cpp
)
