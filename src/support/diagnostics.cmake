# Diagnostics of the room state: the lock, the block pool, the object manager,
# the debug log and its window.
lobbyui_add_sources(
  PORTABLE
    block_pool.cpp
    debug_log.cpp
    debug_window.cpp
    object_manager.cpp
  NATIVE_ONLY
    debug_platform_native.cpp
    lock_native.cpp
  WIN32
    debug_platform_win.cpp
    lock_win.cpp
  NATIVE_TESTS
    block_pool_test.cpp
    debug_log_test.cpp
    object_manager_test.cpp
    texts_test.cpp
  WIN32_TESTS
    debug_window_win_test.cpp
)
