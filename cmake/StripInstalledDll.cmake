# Runs at install time (see InstallStripped.cmake): splits the installed
# LobbyUi.dll into the stripped DLL and lib/LobbyUi.dll.debug.
set(root "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
set(dir "${root}/bin")
if(NOT EXISTS "${dir}/LobbyUi.dll")
  message(FATAL_ERROR "nothing to strip: ${dir}/LobbyUi.dll is not installed")
endif()
if(NOT lobbyui_objcopy OR NOT lobbyui_strip)
  message(FATAL_ERROR "objcopy or strip for the target was not found; cannot strip LobbyUi.dll")
endif()
# bin/ holds only what ships beside a host; the debug file goes with the
# import libraries, which a host developer keeps and a player never gets.
file(MAKE_DIRECTORY "${root}/lib")
message(STATUS "Stripping: ${dir}/LobbyUi.dll (debug information to lib/LobbyUi.dll.debug)")
foreach(step
    "${lobbyui_objcopy};--only-keep-debug;LobbyUi.dll;../lib/LobbyUi.dll.debug"
    "${lobbyui_strip};--strip-all;LobbyUi.dll"
    "${lobbyui_objcopy};--add-gnu-debuglink=../lib/LobbyUi.dll.debug;LobbyUi.dll")
  execute_process(COMMAND ${step} WORKING_DIRECTORY "${dir}" RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "stripping LobbyUi.dll failed at: ${step}")
  endif()
endforeach()
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${root}/lib/LobbyUi.dll.debug")
