# Helpers shared by the two configurations.

# Warnings are errors everywhere; the flags are those both GCC and clang know.
function(lobbyui_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()

# Adds files of one subsystem folder to the global lists. Paths are relative
# to the folder that calls it. PORTABLE files build in both configurations;
# NATIVE_ONLY files stand in natively for what the Win32 side does with the
# platform (a lock, a clock); WIN32 files need <windows.h>.
macro(lobbyui_add_sources)
  cmake_parse_arguments(ARG "" "" "PORTABLE;NATIVE_ONLY;WIN32;NATIVE_TESTS;WIN32_TESTS;FUZZERS;BENCHMARKS" ${ARGN})
  foreach(kind PORTABLE NATIVE_ONLY WIN32 NATIVE_TESTS WIN32_TESTS FUZZERS BENCHMARKS)
    foreach(f IN LISTS ARG_${kind})
      set(_lobbyui_kind ${kind})
      if(kind STREQUAL "PORTABLE")
        set(_lobbyui_kind PORTABLE_SOURCES)
      elseif(kind STREQUAL "NATIVE_ONLY")
        set(_lobbyui_kind NATIVE_ONLY_SOURCES)
      elseif(kind STREQUAL "WIN32")
        set(_lobbyui_kind WIN32_SOURCES)
      elseif(kind STREQUAL "FUZZERS" OR kind STREQUAL "BENCHMARKS")
        set(_lobbyui_kind ${kind})
      endif()
      list(APPEND LOBBYUI_${_lobbyui_kind} ${CMAKE_CURRENT_LIST_DIR}/${f})
    endforeach()
  endforeach()
endmacro()
