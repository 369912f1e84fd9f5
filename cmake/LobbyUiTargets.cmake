# Helpers shared by the two configurations.

# Warnings are errors everywhere; the flags are those both GCC and clang know.
function(lobbyui_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()

# Adds files of one subsystem folder to the global lists. Paths are relative
# to the folder that calls it.
macro(lobbyui_add_sources)
  cmake_parse_arguments(ARG "" "" "PORTABLE;WIN32;NATIVE_TESTS;WIN32_TESTS;FUZZERS;BENCHMARKS" ${ARGN})
  foreach(kind PORTABLE WIN32 NATIVE_TESTS WIN32_TESTS FUZZERS BENCHMARKS)
    foreach(f IN LISTS ARG_${kind})
      set(_lobbyui_kind ${kind})
      if(kind STREQUAL "PORTABLE")
        set(_lobbyui_kind PORTABLE_SOURCES)
      elseif(kind STREQUAL "WIN32")
        set(_lobbyui_kind WIN32_SOURCES)
      elseif(kind STREQUAL "FUZZERS" OR kind STREQUAL "BENCHMARKS")
        set(_lobbyui_kind ${kind})
      endif()
      list(APPEND LOBBYUI_${_lobbyui_kind} ${CMAKE_CURRENT_LIST_DIR}/${f})
    endforeach()
  endforeach()
endmacro()
