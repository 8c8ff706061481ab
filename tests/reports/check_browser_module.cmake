# The browser module must load on its own: everything of the program's that it
# uses reaches it through the host handed to its entry point, so it leaves
# nothing for the program to provide. Fails when the dynamic loader cannot
# resolve one of the module's symbols from the module's own libraries, or when
# the module leaves undefined a symbol that one of our libraries or the
# program defines.
# Usage: cmake -DMODULE=<module> -DPROGRAM=<executable> -DLIBRARIES=<lib;...>
#              -P check_browser_module.cmake

function(run_tool output)
  execute_process(COMMAND ${ARGN} OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    string(REPLACE ";" " " command "${ARGN}")
    message(FATAL_ERROR "${command} failed: ${err}")
  endif()
  set(${output} "${out}${err}" PARENT_SCOPE)
endfunction()

# What the loader leaves unresolved after loading the module's libraries.
run_tool(loader ldd -r "${MODULE}")
string(REGEX MATCHALL "undefined symbol: [^ \t\r\n]+" lines "${loader}")
set(unresolved "")
foreach(line IN LISTS lines)
  string(REPLACE "undefined symbol: " "" symbol "${line}")
  list(APPEND unresolved "${symbol}")
endforeach()

# What the module leaves undefined that is ours.
run_tool(undefined nm -D --undefined-only --format=posix "${MODULE}")
run_tool(defined nm --defined-only --extern-only --format=posix ${LIBRARIES} "${PROGRAM}")
string(REGEX MATCHALL "(^|\n)[^ \n]+ [A-TV-Za-tv-z] " ours_defined "${defined}")
set(ours_set "")
foreach(entry IN LISTS ours_defined)
  string(REGEX REPLACE "^\n?([^ ]+) .*" "\\1" symbol "${entry}")
  string(APPEND ours_set "|${symbol}|")
endforeach()
string(REGEX MATCHALL "(^|\n)[^ \n]+ [Uw]" needed "${undefined}")
set(ours "")
foreach(entry IN LISTS needed)
  string(REGEX REPLACE "^\n?([^ @]+).*" "\\1" symbol "${entry}")
  string(FIND "${ours_set}" "|${symbol}|" at)
  if(NOT at EQUAL -1)
    list(APPEND ours "${symbol}")
  endif()
endforeach()

if(unresolved OR ours)
  list(APPEND unresolved ${ours})
  list(REMOVE_DUPLICATES unresolved)
  string(REPLACE ";" "\n  " listed "${unresolved}")
  message(FATAL_ERROR "The browser module needs symbols the program would have to provide:\n  ${listed}")
endif()
list(LENGTH needed count)
message(STATUS "The browser module resolves all its ${count} undefined symbols from its own libraries.")
