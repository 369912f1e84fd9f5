# Win32 configuration: LobbyUi.dll, its import library and CMake package, the
# fixture DLLs, the host programs and the GoogleTest executables run by Wine.
enable_language(RC)

# Everything is linked statically against the C++ and threads runtimes, so a
# host needs no MinGW DLL beside ours.
set(LOBBYUI_STATIC_RUNTIME -static -static-libgcc -static-libstdc++)
set(LOBBYUI_SYSTEM_LIBS comctl32 gdi32 user32 msimg32 winmm shell32 ole32 oleaut32 uuid)
add_compile_definitions(WINVER=0x0501 _WIN32_WINNT=0x0501 _WIN32_IE=0x0600)

# The Wine runner: a private prefix inside this build tree, code page 936,
# and a shared Xvfb while the test run lasts.
configure_file(${PROJECT_SOURCE_DIR}/cmake/wine-run.sh.in ${CMAKE_BINARY_DIR}/wine-run @ONLY
  FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run)

# One compilation of the library serves both the DLL and the test programs,
# which link the objects directly to reach classes the DLL does not export.
add_library(lobbyui_objects OBJECT ${LOBBYUI_PORTABLE_SOURCES} ${LOBBYUI_WIN32_SOURCES})
target_include_directories(lobbyui_objects
  PUBLIC $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}/include>
  PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/src/res)
target_compile_definitions(lobbyui_objects PUBLIC LOBBYUI_BUILDING)
target_compile_options(lobbyui_objects PRIVATE $<$<COMPILE_LANGUAGE:CXX>:-Wall -Wextra -Werror>)

# The resources are not in the objects: a module takes all of its resources
# from one script (the test programs' script includes the library's).
add_library(LobbyUi SHARED $<TARGET_OBJECTS:lobbyui_objects> ${PROJECT_SOURCE_DIR}/src/frame/dll_main.cpp
  ${PROJECT_SOURCE_DIR}/src/res/lobbyui.rc)
target_include_directories(LobbyUi
  PUBLIC $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}/include> $<INSTALL_INTERFACE:include>
  PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/src/res)
target_compile_definitions(LobbyUi PRIVATE LOBBYUI_BUILDING)
target_link_libraries(LobbyUi PRIVATE ${LOBBYUI_SYSTEM_LIBS})
target_link_options(LobbyUi PRIVATE ${LOBBYUI_STATIC_RUNTIME})
set_target_properties(LobbyUi PROPERTIES PREFIX "" IMPORT_PREFIX "lib" IMPORT_SUFFIX ".dll.a"
  OUTPUT_NAME LobbyUi)
lobbyui_warnings(LobbyUi)

# The C interface, for hosts of any compiler: __stdcall functions exported
# under their plain names. src/capi/LobbyUi.def gives each with its @n, which
# --kill-at drops from the exported name; no C++ export has one, so those stay
# as they are. After the link, ld's list of every export and that .def make
# lib/LobbyUi.def and LobbyUi.lib, the import library Visual C++'s linker takes,
# and add the C functions' _Name@n to ld's libLobbyUi.dll.a, which a C host
# built by MinGW links as -lLobbyUi.
set(LOBBYUI_C_DEF ${PROJECT_SOURCE_DIR}/src/capi/LobbyUi.def)
target_sources(LobbyUi PRIVATE ${PROJECT_SOURCE_DIR}/src/capi/c_handles.cpp
  ${PROJECT_SOURCE_DIR}/src/capi/room_c.cpp ${PROJECT_SOURCE_DIR}/src/capi/party_dialogs_c.cpp
  ${PROJECT_SOURCE_DIR}/src/capi/player_info_c.cpp ${PROJECT_SOURCE_DIR}/src/capi/settings_dialogs_c.cpp
  ${LOBBYUI_C_DEF})
target_link_options(LobbyUi PRIVATE -Wl,--kill-at -Wl,--output-def,${CMAKE_BINARY_DIR}/lib/LobbyUi.exports.def)
find_program(LOBBYUI_DLLTOOL NAMES llvm-dlltool-14 llvm-dlltool REQUIRED)
if(NOT CMAKE_DLLTOOL)
  message(FATAL_ERROR "no dlltool of the MinGW binutils (i686-w64-mingw32-dlltool) was found")
endif()
add_custom_command(TARGET LobbyUi POST_BUILD
  COMMAND ${CMAKE_COMMAND} -Dexports=${CMAKE_BINARY_DIR}/lib/LobbyUi.exports.def -Dc_def=${LOBBYUI_C_DEF}
    -Ddef=${CMAKE_BINARY_DIR}/lib/LobbyUi.def -Dlib=${CMAKE_BINARY_DIR}/lib/LobbyUi.lib -Ddlltool=${LOBBYUI_DLLTOOL}
    -Dimplib=$<TARGET_LINKER_FILE:LobbyUi> -Dgnu_dlltool=${CMAKE_DLLTOOL} -Dar=${CMAKE_AR}
    -P ${PROJECT_SOURCE_DIR}/cmake/ImportLibraries.cmake
  BYPRODUCTS ${CMAKE_BINARY_DIR}/lib/LobbyUi.def ${CMAKE_BINARY_DIR}/lib/LobbyUi.lib)

include(GNUInstallDirs)
include(CMakePackageConfigHelpers)
install(TARGETS LobbyUi EXPORT LobbyUiTargets
  RUNTIME DESTINATION bin ARCHIVE DESTINATION lib LIBRARY DESTINATION lib)
install(FILES ${CMAKE_BINARY_DIR}/lib/LobbyUi.lib ${CMAKE_BINARY_DIR}/lib/LobbyUi.def DESTINATION lib)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/include/lobbyui DESTINATION include)
install(EXPORT LobbyUiTargets NAMESPACE LobbyUi:: DESTINATION lib/cmake/LobbyUi)
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/LobbyUiConfig.cmake.in
  ${CMAKE_BINARY_DIR}/LobbyUiConfig.cmake INSTALL_DESTINATION lib/cmake/LobbyUi)
write_basic_package_version_file(${CMAKE_BINARY_DIR}/LobbyUiConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_BINARY_DIR}/LobbyUiConfig.cmake ${CMAKE_BINARY_DIR}/LobbyUiConfigVersion.cmake
  DESTINATION lib/cmake/LobbyUi)

# GoogleTest, compiled from Debian's sources with the cross compiler.
set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# Helpers every Win32 test may use: a host window that records what the
# library sends, metafile rendering, a fake clock, DirectSound doubles.
add_library(lobbyui_testkit STATIC ${PROJECT_SOURCE_DIR}/tests/support/host_window.cpp
  ${PROJECT_SOURCE_DIR}/tests/support/metafile_recorder.cpp ${PROJECT_SOURCE_DIR}/tests/support/test_util.cpp
  ${PROJECT_SOURCE_DIR}/tests/support/fake_direct_sound.cpp)
target_include_directories(lobbyui_testkit PUBLIC ${PROJECT_SOURCE_DIR}/tests/support ${PROJECT_SOURCE_DIR}/tests/fixtures
  ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/src/res)
target_link_libraries(lobbyui_testkit PUBLIC lobbyui_objects GTest::gtest ${LOBBYUI_SYSTEM_LIBS})
lobbyui_warnings(lobbyui_testkit)

add_subdirectory(tests/fixtures)
add_subdirectory(samples)

# Installed for hosts: the DLL stripped with its debug file beside it, and
# the sample word filter.
include(${PROJECT_SOURCE_DIR}/cmake/InstallStripped.cmake)

# The Wine session (prefix, wineserver, Xvfb) is brought up once per ctest run.
add_test(NAME wine_session_start COMMAND ${CMAKE_BINARY_DIR}/wine-run --start-session)
add_test(NAME wine_session_stop COMMAND ${CMAKE_BINARY_DIR}/wine-run --stop-session)
set_tests_properties(wine_session_start PROPERTIES FIXTURES_SETUP wine)
set_tests_properties(wine_session_stop PROPERTIES FIXTURES_CLEANUP wine)

foreach(src IN LISTS LOBBYUI_WIN32_TESTS)
  get_filename_component(name ${src} NAME_WE)
  add_executable(${name} ${src} ${PROJECT_SOURCE_DIR}/tests/support/test_resources.rc)
  target_link_libraries(${name} PRIVATE lobbyui_testkit GTest::gtest_main)
  target_link_options(${name} PRIVATE ${LOBBYUI_STATIC_RUNTIME})
  lobbyui_warnings(${name})
  add_dependencies(${name} lobbyui_fixtures LobbyUi)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine TIMEOUT 300
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  if(name MATCHES "_callback_win_test$")
    # Hosts calling back may free a dialog under the library's feet: Wine's
    # heap checking fills freed blocks, so that HeapValidate in the tests
    # finds a write into one.
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "LOBBYUI_WINEDEBUG=warn+heap")
  endif()
endforeach()

add_subdirectory(tests/consumer_check)
add_subdirectory(host)

# The portable tests once more, as 32-bit Windows code: sizes of long, time and
# path rules differ there, and the layouts must hold on the real target.
add_executable(core_tests_win32 ${LOBBYUI_NATIVE_TESTS})
target_include_directories(core_tests_win32 PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests/support)
target_link_libraries(core_tests_win32 PRIVATE lobbyui_objects GTest::gtest GTest::gtest_main ${LOBBYUI_SYSTEM_LIBS})
target_link_options(core_tests_win32 PRIVATE ${LOBBYUI_STATIC_RUNTIME})
lobbyui_warnings(core_tests_win32)
add_test(NAME core_tests_win32 COMMAND core_tests_win32)
set_tests_properties(core_tests_win32 PROPERTIES FIXTURES_REQUIRED wine TIMEOUT 300
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin)

# The release archive, LobbyUi-<version>-win32.zip: the installed tree with a
# README for host developers. `cpack` in this build tree makes it in package/.
install(FILES ${PROJECT_SOURCE_DIR}/cmake/PackageReadme.txt DESTINATION . RENAME README.txt)
# cpack packs what the build made; it does not build the whole tree first.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY TRUE)
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME LobbyUi)
set(CPACK_PACKAGE_VENDOR LobbyUi)
set(CPACK_PACKAGE_FILE_NAME LobbyUi-${PROJECT_VERSION}-win32)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
include(CPack)

add_subdirectory(tests/c_host)
