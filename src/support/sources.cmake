# Support services come in two groups worked on separately: the diagnostics
# the room state uses (debug log, object manager, lock) and the services the
# dialogs use (trace, sounds, safe formatting).
include(${CMAKE_CURRENT_LIST_DIR}/diagnostics.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/services.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/shared_rules.cmake)
