# Native (Linux) configuration: the portable core, its tests, fuzzers and
# benchmarks. Nothing here may need <windows.h>; building the whole portable
# list here is what keeps the boundary honest.

if(LOBBYUI_TSAN)
  set(LOBBYUI_SANITIZE OFF)
  add_compile_options(-fsanitize=thread -g -O1)
  add_link_options(-fsanitize=thread)
elseif(LOBBYUI_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer -g)
  add_link_options(-fsanitize=address,undefined)
endif()

add_library(lobbyui_core STATIC ${LOBBYUI_PORTABLE_SOURCES} ${LOBBYUI_NATIVE_ONLY_SOURCES})
target_include_directories(lobbyui_core
  PUBLIC ${PROJECT_SOURCE_DIR}/include
  PRIVATE ${PROJECT_SOURCE_DIR}/src)
find_package(Threads REQUIRED)
target_link_libraries(lobbyui_core PUBLIC Threads::Threads)
lobbyui_warnings(lobbyui_core)

find_package(GTest REQUIRED)
add_executable(lobbyui_core_tests ${LOBBYUI_NATIVE_TESTS})
target_include_directories(lobbyui_core_tests PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests/support)
target_link_libraries(lobbyui_core_tests PRIVATE lobbyui_core GTest::gtest GTest::gtest_main)
lobbyui_warnings(lobbyui_core_tests)
add_test(NAME core_tests COMMAND lobbyui_core_tests)
set_tests_properties(core_tests PROPERTIES
  ENVIRONMENT "ASAN_OPTIONS=detect_leaks=1:abort_on_error=1;UBSAN_OPTIONS=print_stacktrace=1;TSAN_OPTIONS=halt_on_error=1"
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR})

# Fuzzers are built by a separate clang configuration (preset "fuzz"): each
# gets the core compiled with -fsanitize=fuzzer-no-link and runs briefly as a test.
if(LOBBYUI_FUZZ)
  set(LOBBYUI_FUZZ_SECONDS 20 CACHE STRING "Seconds each fuzzer runs under ctest")
  foreach(src IN LISTS LOBBYUI_FUZZERS)
    get_filename_component(name ${src} NAME_WE)
    add_executable(${name} ${src})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src)
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    target_link_libraries(${name} PRIVATE lobbyui_core)
    lobbyui_warnings(${name})
    add_test(NAME ${name} COMMAND ${name} -max_total_time=${LOBBYUI_FUZZ_SECONDS} -print_final_stats=1)
  endforeach()
  target_compile_options(lobbyui_core PRIVATE -fsanitize=fuzzer-no-link)
endif()

if(LOBBYUI_BENCH)
  find_package(benchmark REQUIRED)
  foreach(src IN LISTS LOBBYUI_BENCHMARKS)
    get_filename_component(name ${src} NAME_WE)
    add_executable(${name} ${src})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PRIVATE lobbyui_core benchmark::benchmark)
  endforeach()
endif()
