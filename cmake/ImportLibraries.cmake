# Runs after LobbyUi.dll is linked (see Win32Build.cmake): writes LobbyUi.def,
# every export of the DLL (the C++ facades' as ld listed them, the C
# interface's with their @n from src/capi/LobbyUi.def), and makes from it
# LobbyUi.lib, the import library in the Microsoft format. Holding the C++
# names too, it also serves a MinGW host linking -lLobbyUi with -static, for
# which ld looks for LobbyUi.lib rather than libLobbyUi.dll.a.
#   cmake -Dexports=... -Dc_def=... -Ddef=... -Dlib=... -Ddlltool=... -P ImportLibraries.cmake
file(STRINGS "${exports}" ld_lines)
file(STRINGS "${c_def}" c_lines REGEX "^    [A-Za-z_][A-Za-z_0-9]*@[0-9]+$")
set(text "; LobbyUi.dll: every export. The C interface's functions are __stdcall and\n")
string(APPEND text "; exported under their plain names: make an import library with -k.\n")
string(APPEND text "LIBRARY LobbyUi.dll\nEXPORTS\n")
foreach(line IN LISTS ld_lines)
  if(line MATCHES "^    ([^ =]+) @[0-9]+( DATA)?$")
    string(APPEND text "    ${CMAKE_MATCH_1}${CMAKE_MATCH_2}\n")
  endif()
endforeach()
foreach(line IN LISTS c_lines)
  string(APPEND text "${line}\n")
endforeach()
file(WRITE "${def}" "${text}")
execute_process(COMMAND "${dlltool}" -m i386 -k -d "${def}" -l "${lib}" RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${dlltool} could not make ${lib} from ${def}")
endif()
