# The browser module takes userDialogs(), saveCopyOfPage() and the like from the
# program when it is loaded. The program holds only the objects of its static
# libraries that it calls itself, so a function that only the module calls would
# be missing, and no report window could open. The dynamic loader lists what the
# module's own libraries leave undefined; the program must export all of it.
# Usage: cmake -DMODULE=<module> -DPROGRAM=<executable> -P check_browser_module.cmake

execute_process(COMMAND ldd -r "${MODULE}" OUTPUT_VARIABLE loader ERROR_VARIABLE loader_errors
                RESULT_VARIABLE loader_result)
if(NOT loader_result EQUAL 0)
  message(FATAL_ERROR "ldd -r ${MODULE} failed: ${loader_errors}")
endif()
execute_process(COMMAND nm -D --defined-only "${PROGRAM}" OUTPUT_VARIABLE exported
                RESULT_VARIABLE nm_result)
if(NOT nm_result EQUAL 0)
  message(FATAL_ERROR "nm -D ${PROGRAM} failed")
endif()

string(REGEX MATCHALL "undefined symbol: [^ \t\r\n]+" needed "${loader}${loader_errors}")
set(missing "")
foreach(line IN LISTS needed)
  string(REPLACE "undefined symbol: " "" symbol "${line}")
  string(FIND "${exported}" " ${symbol}\n" at)
  if(at EQUAL -1)
    list(APPEND missing "${symbol}")
  endif()
endforeach()
if(missing)
  message(FATAL_ERROR "The program does not export what the browser module needs: ${missing}")
endif()
list(LENGTH needed count)
message(STATUS "The program exports all ${count} symbols the browser module takes from it.")
