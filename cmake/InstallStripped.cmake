# What the install adds for hosts: the installed LobbyUi.dll without its
# debug information, which is kept in lib/ as LobbyUi.dll.debug and named
# in the DLL's .gnu_debuglink section, so that a debugger pointed at lib/
# finds it while a host ships the DLL alone; and the sample word filter
# VaduveRed.dll in bin/, to ship beside the host until it has a filter of its
# own. Included from the Win32 configuration after the library's install rules.
install(CODE "set(lobbyui_objcopy \"${CMAKE_OBJCOPY}\")\nset(lobbyui_strip \"${CMAKE_STRIP}\")")
install(SCRIPT ${CMAKE_CURRENT_LIST_DIR}/StripInstalledDll.cmake)
install(PROGRAMS $<TARGET_FILE:vaduvered_sample> DESTINATION bin)
