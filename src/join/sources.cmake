# The player list and the join-table family are worked on separately.
include(${CMAKE_CURRENT_LIST_DIR}/player_list.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/join_table.cmake)
