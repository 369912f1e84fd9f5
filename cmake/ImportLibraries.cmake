# Runs after LobbyUi.dll is linked (see Win32Build.cmake): writes LobbyUi.def,
# every export of the DLL (the C++ facades' as ld listed them, the C
# interface's with their @n from src/capi/LobbyUi.def), and makes from it
# LobbyUi.lib, the import library in the Microsoft format. Holding the C++
# names too, it also serves a MinGW host linking -lLobbyUi with -static, for
# which ld looks for LobbyUi.lib rather than libLobbyUi.dll.a.
#
# Then it completes libLobbyUi.dll.a: ld made it with the C++ names and the C
# functions' plain names, while a C compiler asks for _Name@n (__imp__Name@n).
# GNU dlltool makes an import member for each, importing the plain name, and
# they join ld's members. Both are GNU import members; the C ones have a head
# of their own and names that sort before ld's (ld lays out an archive's
# .idata parts in member-name order), so a host calling C and C++ functions
# gets two import entries for LobbyUi.dll, as the loader allows.
#   cmake -Dexports=... -Dc_def=... -Ddef=... -Dlib=... -Ddlltool=...
#         -Dimplib=... -Dgnu_dlltool=... -Dar=... -P ImportLibraries.cmake
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

function(run)
  execute_process(COMMAND ${ARGN} WORKING_DIRECTORY "${work}" RESULT_VARIABLE failed
    OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(failed)
    string(REPLACE ";" " " command "${ARGN}")
    message(FATAL_ERROR "${command} failed:\n${out}")
  endif()
  set(out "${out}" PARENT_SCOPE)
endfunction()

# The member prefix marks the C members in the archive; dlltool also names
# their head after the output file, apart from ld's __head_LobbyUi_dll.
set(prefix LobbyUi_c)
get_filename_component(lib_dir "${implib}" DIRECTORY)
set(work "${lib_dir}/${prefix}.members")
file(REMOVE_RECURSE "${work}")
file(MAKE_DIRECTORY "${work}")
run("${gnu_dlltool}" -m i386 -k -t ${prefix} -d "${c_def}" -l ${prefix}.dll.a)
run("${ar}" t ${prefix}.dll.a)
string(REGEX MATCHALL "[^\n]+" members "${out}")
# One member a function, and the head and the tail.
list(LENGTH c_lines functions)
list(LENGTH members made)
math(EXPR expected "${functions} + 2")
if(NOT made EQUAL expected)
  message(FATAL_ERROR "${gnu_dlltool} made ${made} import members from ${c_def}, not ${expected}")
endif()
run("${ar}" x ${prefix}.dll.a)

# ld has normally just written the archive anew; run once more over the same
# archive, this replaces the members the last run added.
run("${ar}" t "${implib}")
string(REGEX MATCHALL "${prefix}[hst][0-9]*\\.o" added "${out}")
if(added)
  run("${ar}" d "${implib}" ${added})
endif()
run("${ar}" q "${implib}" ${members})
run("${ar}" s "${implib}")
file(REMOVE_RECURSE "${work}")
