# Diagnostics of the room state: the block pool, the object manager, the
# debug log and its window; and the portable core's one seam to the platform
# (its native stand-in and its Windows calls), the lock among them.
lobbyui_add_sources(
  PORTABLE
    block_pool.cpp
    debug_log.cpp
    debug_window.cpp
    object_manager.cpp
  NATIVE_ONLY
    platform_native.cpp
  WIN32
    platform_win.cpp
  NATIVE_TESTS
    block_pool_test.cpp
    debug_log_test.cpp
    object_manager_test.cpp
    texts_test.cpp
  WIN32_TESTS
    debug_window_win_test.cpp
)
