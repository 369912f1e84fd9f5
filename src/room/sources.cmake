# Room state: the keyed map, the table and player map, the table finder and
# the exported CPT_MapInerface.
lobbyui_add_sources(
  PORTABLE
    keyed_map.cpp
    room_interface.cpp
    room_state.cpp
    table_finder.cpp
  NATIVE_TESTS
    keyed_map_test.cpp
    room_state_test.cpp
    table_finder_test.cpp
  WIN32_TESTS
    room_exports_win_test.cpp
)
lobbyui_add_sources(
  FUZZERS
    room_fuzzer.cpp
  BENCHMARKS
    room_benchmark.cpp
)
include(${CMAKE_CURRENT_LIST_DIR}/settings_holder.cmake)
