# Runs at install time (see InstallStripped.cmake): splits the installed
# LobbyUi.dll into the stripped DLL and LobbyUi.dll.debug.
set(dir "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/bin")
if(NOT EXISTS "${dir}/LobbyUi.dll")
  message(FATAL_ERROR "nothing to strip: ${dir}/LobbyUi.dll is not installed")
endif()
if(NOT lobbyui_objcopy OR NOT lobbyui_strip)
  message(FATAL_ERROR "objcopy or strip for the target was not found; cannot strip LobbyUi.dll")
endif()
message(STATUS "Stripping: ${dir}/LobbyUi.dll (debug information to LobbyUi.dll.debug)")
foreach(step
    "${lobbyui_objcopy};--only-keep-debug;LobbyUi.dll;LobbyUi.dll.debug"
    "${lobbyui_strip};--strip-all;LobbyUi.dll"
    "${lobbyui_objcopy};--add-gnu-debuglink=LobbyUi.dll.debug;LobbyUi.dll")
  execute_process(COMMAND ${step} WORKING_DIRECTORY "${dir}" RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "stripping LobbyUi.dll failed at: ${step}")
  endif()
endforeach()
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${dir}/LobbyUi.dll.debug")
